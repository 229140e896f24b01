#include "formats/gpx/gpx_reader.h"

#include "formats/gpx/gpx_time.h"
#include "formats/gpx/xml_encodings.h"
#include "formats/xml/xml_text.h"
#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "track/time_order.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <expat.h>
#include <limits>
#include <memory>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace qm {
namespace {

// Expat gives a namespaced element name as "URI NAME": no URI holds a blank.
constexpr char kNamespaceSeparator = ' ';
constexpr std::string_view kGpx10 = "http://www.topografix.com/GPX/1/0";
constexpr std::string_view kGpx11 = "http://www.topografix.com/GPX/1/1";
constexpr size_t kChunk = 1 << 18;
// More text than any number or time needs; a longer <name> is cut.
constexpr size_t kMaxText = 1024;

// The elements whose place in the document matters.
enum class Node { Other, Gpx, Track, Segment, Point, Elevation, Time, Name };

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

// A height in metres in feet. A height of a whole foot and a half (1.0668 m)
// comes out of the division a unit of the last place off the half, and is
// taken as the half it is, so that it rounds as that height written in feet.
double FeetOf(double metres)
{
    double feet = metres / kMetresPerFoot;
    double half = std::floor(feet) + 0.5;
    return std::fabs(feet - half) <= 4 * std::numeric_limits<double>::epsilon() * std::fabs(feet) ? half : feet;
}

// The five header lines an OziExplorer track written from GPX carries: WGS 84,
// heights in feet, the track's name as its description (without the commas
// and line ends that would break the line).
TrackHeader GpxTrackHeader(std::string name)
{
    for (char& c : name)
        if (c == ',' || c == '\r' || c == '\n') c = ' ';
    return {"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in Feet", "Reserved 3",
            "0,2,255," + name + ",0,0,2,8421376"};
}

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

    // Parses the whole file; false when it was refused, with the reason in
    // messages.
    bool Parse(int fd, std::vector<Message>& messages)
    {
        for (;;) {
            void* buffer = XML_GetBuffer(parser_.get(), kChunk);
            if (!buffer) throw Error("Cannot read file \"" + path_ + "\". Out of memory");
            ssize_t n = ::read(fd, buffer, kChunk);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw Error("Cannot read file \"" + path_ + "\". " + std::strerror(errno));
            }
            if (XML_ParseBuffer(parser_.get(), static_cast<int>(n), n == 0) != XML_STATUS_OK) {
                if (!refusal_) Refuse(false, "не является правильным XML (" +
                                                 std::string(XML_ErrorString(XML_GetErrorCode(parser_.get()))) + ")");
                messages.push_back(*refusal_);
                return false;
            }
            if (n == 0) return true;
        }
    }

    TrackPoints& Points() { return points_; }
    std::string& Name() { return name_; }
    size_t PointCount() const { return pointCount_; }
    size_t UntimedCount() const { return untimedCount_; }
    size_t Line() const { return XML_GetCurrentLineNumber(parser_.get()); }

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
        if (self.collecting_ && self.text_.size() < kMaxText) self.text_.append(text, static_cast<size_t>(length));
    }

    // Stops the parser with the reason the file is refused: a plain message
    // for a file that is no GPX track, an error for a value that is wrong.
    void Refuse(bool isError, const std::string& what)
    {
        refusal_ = Message{isError, "Файл трека " + path_ + ", строка " + IntToText(static_cast<int64_t>(Line())) +
                                        ": " + what + "."};
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    // After a refusal expat may still report an element's end, never a start.
    void Start(const XML_Char* name, const XML_Char** attributes)
    {
        if (!rootSeen_) {
            rootSeen_ = true;
            ElementName root = SplitName(name);
            if (root.local != "gpx" || (!root.space.empty() && root.space != kGpx10 && root.space != kGpx11))
                return Refuse(false, "не является файлом GPX (корневой элемент <" + std::string(root.local) + ">)");
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
            case Node::Name:
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

    Node ChildNode(Node parent, std::string_view local) const
    {
        switch (parent) {
            case Node::Gpx:
                return local == "trk" ? Node::Track : Node::Other;
            case Node::Track:
                if (local == "trkseg") return Node::Segment;
                return local == "name" && !nameSeen_ ? Node::Name : Node::Other;
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
        point_.Altitude = kNoAltitude;
        pointHasTime_ = false;
        std::optional<double> latitude, longitude;
        for (const XML_Char** a = attributes; *a; a += 2) {
            std::string_view attribute(a[0]);
            if (attribute == "lat") latitude = TryTextToFloat(XmlTrimmed(a[1]));
            else if (attribute == "lon") longitude = TryTextToFloat(XmlTrimmed(a[1]));
            else continue;
            if (!(attribute == "lat" ? latitude : longitude))
                return Refuse(true, "неверное значение " + std::string(attribute) + " \"" + std::string(a[1]) + "\"");
        }
        if (!latitude || !longitude)
            return Refuse(true, "у точки <trkpt> нет атрибута " + std::string(latitude ? "lon" : "lat"));
        point_.Latitude = *latitude;
        point_.Longitude = *longitude;
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
            case Node::Name:
                nameSeen_ = true;
                name_ = std::string(XmlTrimmed(text_));
                return;
            case Node::Point:
                ++pointCount_;
                if (!pointHasTime_) {
                    ++untimedCount_;
                    return;
                }
                point_.BreakCode = pieceStarts_ ? 1 : 0;
                pieceStarts_ = false;
                points_.push_back(point_);
                return;
            default:
                return;
        }
    }

    void EndElevation(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> metres = TryTextToFloat(text);
        double feet = metres ? RoundHalfEven(FeetOf(*metres)) : 0;
        if (!metres || !(feet >= INT32_MIN && feet <= INT32_MAX))
            return Refuse(true, "неверная высота <ele> \"" + std::string(text) + "\"");
        point_.Altitude = static_cast<int32_t>(feet);
    }

    void EndTime(std::string_view text)
    {
        if (text.empty()) return;
        std::optional<double> days = ParseGpxTime(text);
        if (!days) return Refuse(true, "неверное время <time> \"" + std::string(text) + "\"");
        point_.DateTime = *days;
        pointHasTime_ = true;
    }

    const std::string& path_;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser_;
    std::optional<Message> refusal_;
    bool rootSeen_ = false;
    std::string prefix_;  // the root's namespace and the separator, as element names start
    std::vector<Node> stack_;
    bool collecting_ = false;
    std::string text_;
    bool nameSeen_ = false;
    std::string name_;
    bool pieceStarts_ = false;
    TrackPoint point_;
    bool pointHasTime_ = false;
    size_t pointCount_ = 0;
    size_t untimedCount_ = 0;
    TrackPoints points_;
};

// The rules every track obeys once read, with their messages.
std::optional<Track> CheckedTrack(GpxParser& gpx, std::vector<Message>& messages, const std::string& path)
{
    if (gpx.PointCount() == 0) {
        messages.push_back({false, "В файле трека " + path + " нет трека: ни одной точки <trkpt>."});
        return std::nullopt;
    }
    TrackPoints& points = gpx.Points();
    if (points.empty()) {
        messages.push_back({false, "В треке нет данных о времени: ни у одной из " +
                                       IntToText(static_cast<int64_t>(gpx.PointCount())) +
                                       " точек файла " + path + " нет отметки <time>."});
        return std::nullopt;
    }
    if (gpx.UntimedCount() > 0)
        messages.push_back({false, "Пропущено точек без отметки времени: " +
                                       IntToText(static_cast<int64_t>(gpx.UntimedCount())) + " из " +
                                       IntToText(static_cast<int64_t>(gpx.PointCount())) + "."});
    if (points[0].DateTime == 0) {
        messages.push_back({false, "В треке нет данных о времени."});
        return std::nullopt;
    }
    for (size_t n = 1; n < points.size(); ++n) {
        if (points[n].DateTime > points[n - 1].DateTime) continue;
        messages.push_back({false, TimeOrderMessage(points, n)});
        points.resize(n);
        break;
    }
    return Track{GpxTrackHeader(std::move(gpx.Name())), std::move(points)};
}

}  // namespace

TrackReading LoadGpxTrack(const std::string& path)
{
    TrackReading reading;
    FileDescriptor fd(OpenRegularFile(path));
    if (!fd.IsOpen()) {
        reading.Messages.push_back({false, "Не удалось открыть файл трека."});
        return reading;
    }
    try {
        GpxParser gpx(path);
        if (gpx.Parse(fd.get(), reading.Messages)) reading.Track = CheckedTrack(gpx, reading.Messages, path);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what()});
    }
    return reading;
}

}  // namespace qm
