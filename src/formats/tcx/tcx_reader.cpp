#include "formats/tcx/tcx_reader.h"

#include "formats/point_admission.h"
#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_track.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <cmath>
#include <string>

namespace qm {
namespace {

constexpr std::string_view kTcx = "http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2";
constexpr std::string_view kActivityExtension = "http://www.garmin.com/xmlschemas/ActivityExtension/v2";

// The elements whose place in the document matters. A multisport session's
// sports hold activities as <Activities> does.
enum class Node {
    Other, Root, Activities, Session, Activity, Lap, Courses, Course, Track, Point, Time, Position, Latitude,
    Longitude, Altitude, HeartRate, HeartRateValue, Cadence, Extensions, Tpx, Watts, RunCadence
};

struct Child {
    Node parent;
    std::string_view space;
    std::string_view local;
    Node node;
};

constexpr Child kChildren[] = {
    {Node::Root, kTcx, "Activities", Node::Activities},
    {Node::Root, kTcx, "Courses", Node::Courses},
    {Node::Activities, kTcx, "Activity", Node::Activity},
    {Node::Activities, kTcx, "MultiSportSession", Node::Session},
    {Node::Session, kTcx, "FirstSport", Node::Activities},
    {Node::Session, kTcx, "NextSport", Node::Activities},
    {Node::Activity, kTcx, "Lap", Node::Lap},
    {Node::Lap, kTcx, "Track", Node::Track},
    {Node::Courses, kTcx, "Course", Node::Course},
    {Node::Course, kTcx, "Track", Node::Track},
    {Node::Track, kTcx, "Trackpoint", Node::Point},
    {Node::Point, kTcx, "Time", Node::Time},
    {Node::Point, kTcx, "Position", Node::Position},
    {Node::Point, kTcx, "AltitudeMeters", Node::Altitude},
    {Node::Point, kTcx, "HeartRateBpm", Node::HeartRate},
    {Node::Point, kTcx, "Cadence", Node::Cadence},
    {Node::Point, kTcx, "Extensions", Node::Extensions},
    {Node::Position, kTcx, "LatitudeDegrees", Node::Latitude},
    {Node::Position, kTcx, "LongitudeDegrees", Node::Longitude},
    {Node::HeartRate, kTcx, "Value", Node::HeartRateValue},
    {Node::Extensions, kActivityExtension, "TPX", Node::Tpx},
    {Node::Tpx, kActivityExtension, "Watts", Node::Watts},
    {Node::Tpx, kActivityExtension, "RunCadence", Node::RunCadence},
};

// The element's node; those of TCX itself in the root's namespace, which
// may be none.
Node ChildNode(Node parent, XmlName name, std::string_view rootSpace)
{
    if (parent == Node::Other) return Node::Other;
    for (const Child& child : kChildren)
        if (child.parent == parent && child.local == name.Local &&
            (child.space == kTcx ? rootSpace : child.space) == name.Space)
            return child.node;
    return Node::Other;
}

// The elements whose text is a point's value, as messages name them, and
// the measure each gives.
struct Valued {
    Node node;
    std::string_view element;
    std::optional<Measure> measure;
};
constexpr Valued kValued[] = {
    {Node::Time, "Time", {}},
    {Node::Latitude, "LatitudeDegrees", {}},
    {Node::Longitude, "LongitudeDegrees", {}},
    {Node::Altitude, "AltitudeMeters", {}},
    {Node::HeartRateValue, "Value", Measure::HeartRate},
    {Node::Cadence, "Cadence", Measure::Cadence},
    {Node::Watts, "Watts", Measure::Power},
    {Node::RunCadence, "RunCadence", {}},
};

const Valued* ValuedOf(Node node)
{
    for (const Valued& valued : kValued)
        if (valued.node == node) return &valued;
    return nullptr;
}

class TcxParser : public XmlNodeParser<Node> {
public:
    using XmlNodeParser::XmlNodeParser;

    PointAdmission& Admission() { return admission_; }

private:
    Node Root(XmlName name) override
    {
        if (name.Local != kTcxRoot || (!name.Space.empty() && name.Space != kTcx)) {
            Refuse(false, MessageText(MessageId::NotOfFormat, {"TCX", QuotedInput(name.Local)}));
            return Node::Other;
        }
        rootSpace_ = name.Space;
        return Node::Root;
    }

    Node Enter(Node parent, XmlName name, const XML_Char**) override
    {
        const Node node = ChildNode(parent, name, rootSpace_);
        if (node == Node::Track) admission_.StartPiece();
        if (node == Node::Point) {
            point_ = {};
            runCadence_.reset();
        }
        if (ValuedOf(node)) CollectText();
        return node;
    }

    void Leave(Node node) override
    {
        if (node == Node::Point) return EndPoint();
        const Valued* valued = ValuedOf(node);
        if (!valued) return;
        const std::optional<std::string_view> text = CollectedText(valued->element);
        if (!text || text->empty()) return;
        if (node == Node::Time) {
            point_.Time = ParseGpxTime(*text);
            if (!point_.Time) Refuse(true, MessageText(MessageId::WrongTime, {"<Time>", QuotedInput(*text)}));
            return;
        }
        const std::optional<double> value = TryTextToFloat(*text);
        switch (node) {
            case Node::Latitude:
            case Node::Longitude:
            case Node::Altitude:
                if (!value)
                    return Refuse(true, MessageText(MessageId::WrongValue,
                                                    {"<" + std::string(valued->element) + ">", QuotedInput(*text)}));
                (node == Node::Latitude ? point_.Latitude : node == Node::Longitude ? point_.Longitude : point_.Height) =
                    value;
                return;
            case Node::RunCadence:
                runCadence_ = value.value_or(NAN);
                return;
            default:
                // A broken measure is no reason to refuse the track.
                point_.Measures[static_cast<size_t>(*valued->measure)] = value.value_or(NAN);
        }
    }

    void EndPoint()
    {
        std::optional<double>& cadence = point_.Measures[static_cast<size_t>(Measure::Cadence)];
        if (!cadence) cadence = runCadence_;
        admission_.Offer(point_);
    }

    std::string rootSpace_;
    OfferedPoint point_;
    // The activity extension's running cadence: the point's cadence when it
    // has no <Cadence>, before or after it.
    std::optional<double> runCadence_;
    PointAdmission admission_;
};

}  // namespace

TrackReading ReadTcxTrack(ByteSource& bytes, const std::string& path)
{
    return ReadXmlTrack<TcxParser>(bytes, path, {"<Trackpoint>", "<Time>"});
}

}  // namespace qm
