#include "formats/gpx/gpx_reader.h"

#include "formats/collected_points.h"
#include "formats/gpx/gpx_time.h"
#include "formats/gpx/xml_encodings.h"
#include "formats/xml/xml_text.h"
#include "platform/error.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <expat.h>
#include <memory>
#include <string_view>
#include <vector>

namespace qm {
namespace {

// Expat gives a namespaced element name as "URI NAME": no URI holds a blank.
constexpr char kNamespaceSeparator = ' ';
constexpr std::string_view kGpx10 = "http://www.topografix.com/GPX/1/0";
constexpr std::string_view kGpx11 = "http://www.topografix.com/GPX/1/1";
constexpr size_t kChunk = size_t{1} << 18;
// The most expat takes in one call.
constexpr size_t kMaxPiece = size_t{1} << 30;
// The bytes of a point with a time and nothing else, without blanks:
// <trkpt lat="1" lon="1"><time>2020-02-14T01:00:00Z</time></trkpt>
constexpr size_t kSmallestPoint = 65;
// More text than any number or time needs; a longer one is kept cut and refused.
constexpr size_t kMaxText = 1024;

// The elements whose place in the document matters.
enum class Node { Other, Gpx, Track, Segment, Point, Elevation, Time };

struct ElementName {
    std::string_view space;
    std::string_view local;
};

ElementName SplitName(const XML_Char* name)
{
    std::string_view text(name);
    size_t separator = text.find(kNamespaceSeparator);
    if (separator == std::string_view::npos) return {{}, text};
    return {text.substr(0, separator), text.substr(separator + 1)};
}

// A point's position: latitude and longitude within their ranges (which
// excludes what is not finite), neither a subnormal number.
bool IsPosition(double latitude, double longitude)
{
    auto usable = [](double value, double limit) {
        return value >= -limit && value <= limit && std::fpclassify(value) != FP_SUBNORMAL;
    };
    return usable(latitude, 90) && usable(longitude, 180);
}

// The largest height in metres whose whole feet still fit an int32_t.
constexpr double kMaxHeight = 654553015.0;

class GpxParser {
public:
    explicit GpxParser(const std::string& path) : path_(path), parser_(XML_ParserCreateNS(nullptr, kNamespaceSeparator))
    {
        if (!parser_) throw Error("Cannot read file \"" + path + "\". Out of memory");
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &GpxParser::OnStart, &GpxParser::OnEnd);
        XML_SetCharacterDataHandler(parser_.get(), &GpxParser::OnText);
        XML_SetUnknownEncodingHandler(parser_.get(), &ReadUnknownEncoding, nullptr);
    }

    // Parses the whole content; false when it was refused, with the reason
    // in messages. Expat scans an unfinished token again with every chunk,
    // so a chunk is at least twice what the last one left unparsed: a token
    // of any length is scanned a bounded number of times.
    bool Parse(std::string_view content, std::vector<Message>& messages)
    {
        collected_.Expect(content.size() / kSmallestPoint);
        size_t chunk = kChunk;
        size_t fed = 0;
        do {
            const size_t n = std::min({chunk, content.size() - fed, kMaxPiece});
            const bool last = fed + n == content.size();
            if (XML_Parse(parser_.get(), content.data() + fed, static_cast<int>(n), last) != XML_STATUS_OK) {
                if (!refusal_) Refuse(false, "не является правильным XML (" +
                                                 std::string(XML_ErrorString(XML_GetErrorCode(parser_.get()))) + ")");
                messages.push_back(*refusal_);
                return false;
            }
            fed += n;
            const XML_Index parsed = XML_GetCurrentByteIndex(parser_.get());
            const size_t unparsed = parsed >= 0 && static_cast<size_t>(parsed) <= fed ? fed - static_cast<size_t>(parsed) : 0;
            chunk = std::max(kChunk, 2 * unparsed);
        } while (fed < content.size());
        return true;
    }

    CollectedPoints& Collected() { return collected_; }

private:
    struct ParserFree {
        void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
    };

    static GpxParser& Self(void* data) { return *static_cast<GpxParser*>(data); }
    static void OnStart(void* data, const XML_Char* name, const XML_Char** attributes)
    {
        Self(data).Start(name, attributes);
    }
    static void OnEnd(void* data, const XML_Char*) { Self(data).End(); }
    static void OnText(void* data, const XML_Char* text, int length)
    {
        GpxParser& self = Self(data);
        if (self.collecting_ && self.text_.size() < kMaxText)
            self.text_.append(text, std::min(static_cast<size_t>(length), kMaxText - self.text_.size() + 1));
    }

    int Line() const { return static_cast<int>(XML_GetCurrentLineNumber(parser_.get())); }

    // Stops the parser with the reason the file is refused: a plain message
    // for a file that is no GPX track, an error for a value that is wrong.
    void Refuse(bool isError, const std::string& what)
    {
        refusal_ = Message{isError, what + ".", Line(), path_};
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    // After a refusal expat may still report an element's end, never a start.
    void Start(const XML_Char* name, const XML_Char** attributes)
    {
        if (!rootSeen_) {
            rootSeen_ = true;
            ElementName root = SplitName(name);
            if (root.local != "gpx" || (!root.space.empty() && root.space != kGpx10 && root.space != kGpx11))
                return Refuse(false, "не является файлом GPX (корневой элемент <" + QuotedInput(root.local) + ">)");
            if (!root.space.empty()) prefix_ = std::string(root.space) + kNamespaceSeparator;
            stack_.push_back(Node::Gpx);
            return;
        }
        Node node = stack_.back() == Node::Other ? Node::Other : ChildNode(stack_.back(), LocalName(name));
        switch (node) {
            case Node::Track:
            case Node::Segment:
                pieceStarts_ = true;
                break;
            case Node::Point:
                StartPoint(attributes);
                break;
            case Node::Elevation:
            case Node::Time:
                text_.clear();
                collecting_ = true;
                break;
            default:
                break;
        }
        stack_.push_back(node);
    }

    // The name of an element in the root's namespace without it; an element
    // of any other namespace gives an empty name, which no GPX element has.
    std::string_view LocalName(const XML_Char* name) const
    {
        if (std::strncmp(name, prefix_.data(), prefix_.size()) != 0) return {};
        std::string_view local(name + prefix_.size());
        return local.find(kNamespaceSeparator) == std::string_view::npos ? local : std::string_view();
    }

    static Node ChildNode(Node parent, std::string_view local)
    {
        switch (parent) {
            case Node::Gpx:
                return local == "trk" ? Node::Track : Node::Other;
            case Node::Track:
                return local == "trkseg" ? Node::Segment : Node::Other;
            case Node::Segment:
                return local == "trkpt" ? Node::Point : Node::Other;
            case Node::Point:
                if (local == "ele") return Node::Elevation;
                return local == "time" ? Node::Time : Node::Other;
            default:
                return Node::Other;
        }
    }

    void StartPoint(const XML_Char** attributes)
    {
        point_ = TrackPoint{};
        pointHasTime_ = false;
        pointInRange_ = true;
        std::optional<double> latitude, longitude;
        for (const XML_Char** a = attributes; *a; a += 2) {
            std::string_view attribute(a[0]);
            if (attribute == "lat") latitude = TryTextToFloat(XmlTrimmed(a[1]));
            else if (attribute == "lon") longitude = TryTextToFloat(XmlTrimmed(a[1]));
            else continue;
            if (!(attribute == "lat" ? latitude : longitude))
                return Refuse(true, "неверное значение " + std::string(attribute) + " \"" + QuotedInput(a[1]) + "\"");
        }
        if (!latitude || !longitude)
            return Refuse(true, "у точки <trkpt> нет атрибута " + std::string(latitude ? "lon" : "lat"));
        point_.Latitude = *latitude;
        point_.Longitude = *longitude;
        pointInRange_ = IsPosition(*latitude, *longitude);
    }

    void End()
    {
        if (refusal_) return;
        Node node = stack_.back();
        stack_.pop_back();
        collecting_ = false;
        switch (node) {
            case Node::Elevation:
                return EndElevation(XmlTrimmed(text_));
            case Node::Time:
                return EndTime(XmlTrimmed(text_));
            case Node::Point:
                return EndPoint();
            default:
                return;
        }
    }

    // A point out of range is left out, and the next point kept starts a
    // piece; a point without a time is only left out.
    void EndPoint()
    {
        ++collected_.Count;
        if (!pointInRange_) {
            ++collected_.OutOfRange;
            pieceStarts_ = true;
            return;
        }
        if (!pointHasTime_) {
            ++collected_.Untimed;
            return;
        }
        point_.StartsPiece = pieceStarts_;
        pieceStarts_ = false;
        collected_.Keep(point_);
    }

    void EndElevation(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> metres = TryTextToFloat(text);
        if (!metres || text_.size() > kMaxText || !(std::fabs(*metres) <= kMaxHeight))
            return Refuse(true, "неверная высота <ele> \"" + QuotedInput(text) + "\"");
        point_.Height = *metres;
    }

    void EndTime(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> days = ParseGpxTime(text);
        if (!days || text_.size() > kMaxText) return Refuse(true, "неверное время <time> \"" + QuotedInput(text) + "\"");
        point_.DateTime = *days;
        pointHasTime_ = true;
        if (!IsGpxTimeWritable(*days)) pointInRange_ = false;
    }

    const std::string& path_;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser_;
    std::optional<Message> refusal_;
    bool rootSeen_ = false;
    std::string prefix_;  // the root's namespace and the separator, as element names start
    std::vector<Node> stack_;
    bool collecting_ = false;
    std::string text_;
    bool pieceStarts_ = false;
    TrackPoint point_;
    bool pointHasTime_ = false;
    bool pointInRange_ = true;
    CollectedPoints collected_;
};

}  // namespace

TrackReading ReadGpxTrack(std::string_view content, const std::string& path)
{
    TrackReading reading;
    try {
        GpxParser gpx(path);
        if (gpx.Parse(content, reading.Messages)) reading.Track = CheckedTrack(gpx.Collected(), {"<trkpt>", "<time>"}, path, reading.Messages);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what()});
    }
    return reading;
}

}  // namespace qm
