#include "formats/gpx/gpx_reader.h"

#include "formats/point_admission.h"
#include "formats/gpx/gpx_text.h"
#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_track.h"
#include "formats/xml/xml_text.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

// The elements whose place in the document matters.
enum class Node {
    Other, Gpx, Track, Segment, Point, Elevation, Time,
    Extensions, PointExtension, HeartRate, Cadence, Power, Temperature
};

struct Valued {
    Node node;
    std::string_view element;  // as messages name it
    std::optional<Measure> measure;
};
constexpr Valued kValued[] = {
    {Node::Elevation, "ele", {}},
    {Node::Time, "time", {}},
    {Node::HeartRate, "hr", Measure::HeartRate},
    {Node::Cadence, "cad", Measure::Cadence},
    {Node::Power, "power", Measure::Power},
    {Node::Temperature, "atemp", Measure::Temperature},
};

const Valued* ValuedOf(Node node)
{
    for (const Valued& valued : kValued)
        if (valued.node == node) return &valued;
    return nullptr;
}

class GpxParser : public XmlNodeParser<Node> {
public:
    using XmlNodeParser::XmlNodeParser;

    bool Parse(ByteSource& bytes, std::vector<Message>& messages)
    {
        admission_.Expect(static_cast<size_t>(std::min<uint64_t>(bytes.Size() / kSmallestPoint, SIZE_MAX)));
        return XmlNodeParser::Parse(bytes, messages);
    }

    PointAdmission& Admission() { return admission_; }

private:
    Node Root(XmlName root) override
    {
        if (root.Local != "gpx" || (!root.Space.empty() && root.Space != kGpx10 && root.Space != kGpx11)) {
            Refuse(false, MessageText(MessageId::NotOfFormat, {"GPX", QuotedInput(root.Local)}));
            return Node::Other;
        }
        rootSpace_ = root.Space;
        return Node::Gpx;
    }

    Node Enter(Node parent, XmlName name, const XML_Char** attributes) override
    {
        const Node node = parent == Node::Extensions || parent == Node::PointExtension ? ExtensionNode(parent, name)
                          : name.Space == rootSpace_                                  ? ChildNode(parent, name.Local)
                                                                                      : Node::Other;
        if (node == Node::Track || node == Node::Segment) admission_.StartPiece();
        else if (node == Node::Point) StartPoint(attributes);
        else if (ValuedOf(node)) CollectText();
        return node;
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
        const bool gpxSpace = name.Space.empty() || name.Space == rootSpace_;
        return gpxSpace && name.Local == "power" ? Node::Power : Node::Other;
    }

    void StartPoint(const XML_Char** attributes)
    {
        point_ = OfferedPoint{};
        for (const XML_Char** a = attributes; *a; a += 2) {
            std::string_view attribute(a[0]);
            std::optional<double>* degrees = attribute == "lat"   ? &point_.Latitude
                                             : attribute == "lon" ? &point_.Longitude
                                                                  : nullptr;
            if (!degrees) continue;
            *degrees = TryTextToFloat(XmlTrimmed(a[1]));
            if (!*degrees) return Refuse(true, MessageText(MessageId::WrongValue, {attribute, QuotedInput(a[1])}));
        }
        if (!point_.Latitude || !point_.Longitude)
            return Refuse(true, MessageText(MessageId::PointWithoutAttribute, {point_.Latitude ? "lon" : "lat"}));
    }

    void Leave(Node node) override
    {
        if (node == Node::Point) {
            admission_.Offer(point_);
            return;
        }
        const Valued* valued = ValuedOf(node);
        if (!valued) return;
        const std::optional<std::string_view> text = CollectedText(valued->element);
        if (!text || text->empty()) return;
        if (node == Node::Time) return EndTime(*text);
        const std::optional<double> value = TryTextToFloat(*text);
        if (valued->measure) {
            // A broken measure is no reason to refuse the track.
            point_.Measures[static_cast<size_t>(*valued->measure)] = value.value_or(NAN);
            return;
        }
        if (!value) return Refuse(true, MessageText(MessageId::WrongHeight, {"<ele>", QuotedInput(*text)}));
        point_.Height = value;
    }

    void EndTime(std::string_view text)
    {
        std::optional<double> days = ParseGpxTime(text);
        if (!days) return Refuse(true, MessageText(MessageId::WrongTime, {"<time>", QuotedInput(text)}));
        point_.Time = days;
    }

    std::string rootSpace_;
    OfferedPoint point_;
    PointAdmission admission_;
};

}  // namespace

TrackReading ReadGpxTrack(ByteSource& bytes, const std::string& path)
{
    return ReadXmlTrack<GpxParser>(bytes, path, {"<trkpt>", "<time>"});
}

}  // namespace qm
