#include "formats/gpx/gpx_reader.h"

#include "formats/collected_points.h"
#include "formats/gpx/gpx_text.h"
#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_track.h"
#include "formats/xml/xml_text.h"
#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <expat.h>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace qm {
namespace {

constexpr std::string_view kGpx10 = "http://www.topografix.com/GPX/1/0";
constexpr std::string_view kGpx11 = "http://www.topografix.com/GPX/1/1";
constexpr std::string_view kTrackPointExtensionV2 = "http://www.garmin.com/xmlschemas/TrackPointExtension/v2";
// The bytes of a point with a time and nothing else, without blanks:
// <trkpt lat="1" lon="1"><time>2020-02-14T01:00:00Z</time></trkpt>
constexpr size_t kSmallestPoint = 65;
// More text than any number or time needs; a longer one is kept cut and refused.
constexpr size_t kMaxText = 1024;

// The elements whose place in the document matters.
enum class Node {
    Other, Gpx, Track, Segment, Point, Elevation, Time,
    Extensions, PointExtension, HeartRate, Cadence, Power, Temperature
};

class GpxParser {
public:
    explicit GpxParser(const std::string& path) : path_(path), parser_(NewXmlParser(path))
    {
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &GpxParser::OnStart, &GpxParser::OnEnd);
        XML_SetCharacterDataHandler(parser_.get(), &GpxParser::OnText);
    }

    // Parses all the bytes; false when they were refused, with the reason
    // in messages.
    bool Parse(ByteSource& bytes, std::vector<Message>& messages)
    {
        collected_.Expect(static_cast<size_t>(std::min<uint64_t>(bytes.Size() / kSmallestPoint, SIZE_MAX)));
        if (FeedXml(parser_.get(), bytes)) return true;
        if (!refusal_)
            Refuse(false, MessageText(MessageId::NotXml, {XML_ErrorString(XML_GetErrorCode(parser_.get()))}));
        messages.push_back(*refusal_);
        return false;
    }

    CollectedPoints& Collected() { return collected_; }

private:
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
        refusal_ = Message{isError, what, Line(), path_};
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    // After a refusal expat may still report an element's end, never a start.
    void Start(const XML_Char* name, const XML_Char** attributes)
    {
        if (!rootSeen_) {
            rootSeen_ = true;
            XmlName root = SplitXmlName(name);
            if (root.Local != "gpx" || (!root.Space.empty() && root.Space != kGpx10 && root.Space != kGpx11))
                return Refuse(false, MessageText(MessageId::NotOfFormat, {"GPX", QuotedInput(root.Local)}));
            if (!root.Space.empty()) prefix_ = std::string(root.Space) + kXmlNamespaceSeparator;
            stack_.push_back(Node::Gpx);
            return;
        }
        Node node = Node::Other;
        if (stack_.back() == Node::Extensions || stack_.back() == Node::PointExtension)
            node = ExtensionNode(stack_.back(), SplitXmlName(name));
        else if (stack_.back() != Node::Other)
            node = ChildNode(stack_.back(), LocalName(name));
        switch (node) {
            case Node::Track:
            case Node::Segment:
                collected_.StartPiece();
                break;
            case Node::Point:
                StartPoint(attributes);
                break;
            case Node::Elevation:
            case Node::Time:
            case Node::HeartRate:
            case Node::Cadence:
            case Node::Power:
            case Node::Temperature:
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
        return local.find(kXmlNamespaceSeparator) == std::string_view::npos ? local : std::string_view();
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
                if (local == "extensions") return Node::Extensions;
                return local == "time" ? Node::Time : Node::Other;
            default:
                return Node::Other;
        }
    }

    // Power stands in <extensions> as Garmin's <PowerInWatts> (which some
    // programs put in <TrackPointExtension>), or as <power> in no namespace
    // or GPX's own.
    Node ExtensionNode(Node parent, XmlName name) const
    {
        const bool trackPoint = name.Space == kGpxTrackPointExtension || name.Space == kTrackPointExtensionV2;
        if (name.Space == kGpxPowerExtension && name.Local == "PowerInWatts") return Node::Power;
        if (parent == Node::PointExtension) {
            if (!trackPoint) return Node::Other;
            if (name.Local == "hr") return Node::HeartRate;
            if (name.Local == "cad") return Node::Cadence;
            return name.Local == "atemp" ? Node::Temperature : Node::Other;
        }
        if (trackPoint && name.Local == "TrackPointExtension") return Node::PointExtension;
        const std::string_view rootSpace = std::string_view(prefix_).substr(0, prefix_.size() - 1);
        const bool gpxSpace = name.Space.empty() || name.Space == rootSpace;
        return gpxSpace && name.Local == "power" ? Node::Power : Node::Other;
    }

    void StartPoint(const XML_Char** attributes)
    {
        point_ = TrackPoint{};
        measures_ = {};
        pointHasTime_ = false;
        pointInRange_ = true;
        std::optional<double> latitude, longitude;
        for (const XML_Char** a = attributes; *a; a += 2) {
            std::string_view attribute(a[0]);
            if (attribute == "lat") latitude = TryTextToFloat(XmlTrimmed(a[1]));
            else if (attribute == "lon") longitude = TryTextToFloat(XmlTrimmed(a[1]));
            else continue;
            if (!(attribute == "lat" ? latitude : longitude))
                return Refuse(true, MessageText(MessageId::WrongValue, {attribute, QuotedInput(a[1])}));
        }
        if (!latitude || !longitude)
            return Refuse(true, MessageText(MessageId::PointWithoutAttribute, {latitude ? "lon" : "lat"}));
        point_.Latitude = *latitude;
        point_.Longitude = *longitude;
        pointInRange_ = IsUsablePosition(*latitude, *longitude);
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
            case Node::HeartRate:
                return EndMeasure(Measure::HeartRate, XmlTrimmed(text_));
            case Node::Cadence:
                return EndMeasure(Measure::Cadence, XmlTrimmed(text_));
            case Node::Power:
                return EndMeasure(Measure::Power, XmlTrimmed(text_));
            case Node::Temperature:
                return EndMeasure(Measure::Temperature, XmlTrimmed(text_));
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
            collected_.LeaveOutOfRange();
            return;
        }
        if (!pointHasTime_) {
            ++collected_.Untimed;
            return;
        }
        collected_.Keep(point_, measures_);
    }

    void EndElevation(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> metres = TryTextToFloat(text);
        if (!metres || text_.size() > kMaxText || !(std::fabs(*metres) <= kMaxHeight))
            return Refuse(true, MessageText(MessageId::WrongHeight, {"<ele>", QuotedInput(text)}));
        point_.Height = *metres;
    }

    // A measure is kept only where it is a number a float holds; a broken
    // one is no reason to refuse the track.
    void EndMeasure(Measure measure, std::string_view text)
    {
        std::optional<double> value = TryTextToFloat(text);
        if (value && text_.size() <= kMaxText && std::fabs(*value) <= std::numeric_limits<float>::max())
            measures_[static_cast<size_t>(measure)] = static_cast<float>(*value);
    }

    void EndTime(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> days = ParseGpxTime(text);
        if (!days || text_.size() > kMaxText)
            return Refuse(true, MessageText(MessageId::WrongTime, {"<time>", QuotedInput(text)}));
        point_.DateTime = *days;
        pointHasTime_ = true;
        if (!IsGpxTimeWritable(*days)) pointInRange_ = false;
    }

    const std::string& path_;
    XmlParser parser_;
    std::optional<Message> refusal_;
    bool rootSeen_ = false;
    std::string prefix_;  // the root's namespace and the separator, as element names start
    std::vector<Node> stack_;
    bool collecting_ = false;
    std::string text_;
    TrackPoint point_;
    std::array<std::optional<float>, kMeasureCount> measures_;
    bool pointHasTime_ = false;
    bool pointInRange_ = true;
    CollectedPoints collected_;
};

}  // namespace

TrackReading ReadGpxTrack(ByteSource& bytes, const std::string& path)
{
    return ReadXmlTrack<GpxParser>(bytes, path, {"<trkpt>", "<time>"});
}

}  // namespace qm
