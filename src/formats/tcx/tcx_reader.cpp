#include "formats/tcx/tcx_reader.h"

#include "formats/collected_points.h"
#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_track.h"
#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <cfloat>
#include <cmath>
#include <vector>

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

class TcxParser : public XmlTrackParser {
public:
    using XmlTrackParser::XmlTrackParser;

    CollectedPoints& Collected() { return collected_; }

private:
    void Start(XmlName name, const XML_Char**) override
    {
        if (stack_.empty()) {
            if (name.Local != kTcxRoot || (!name.Space.empty() && name.Space != kTcx))
                return Refuse(false, MessageText(MessageId::NotOfFormat, {"TCX", QuotedInput(name.Local)}));
            rootSpace_ = name.Space;
            stack_.push_back(Node::Root);
            return;
        }
        const Node node = ChildNode(stack_.back(), name, rootSpace_);
        switch (node) {
            case Node::Track:
                collected_.StartPiece();
                break;
            case Node::Point:
                point_ = {};
                measures_ = {};
                runCadence_.reset();
                hasTime_ = false;
                latitude_.reset();
                longitude_.reset();
                break;
            case Node::Time:
            case Node::Latitude:
            case Node::Longitude:
            case Node::Altitude:
            case Node::HeartRateValue:
            case Node::Cadence:
            case Node::Watts:
            case Node::RunCadence:
                CollectText();
                break;
            default:
                break;
        }
        stack_.push_back(node);
    }

    void End() override
    {
        const Node node = stack_.back();
        stack_.pop_back();
        switch (node) {
            case Node::Point:
                return EndPoint();
            case Node::Time:
                return EndTime();
            case Node::Latitude:
                return EndDegrees("LatitudeDegrees", latitude_);
            case Node::Longitude:
                return EndDegrees("LongitudeDegrees", longitude_);
            case Node::Altitude:
                return EndAltitude();
            case Node::HeartRateValue:
                return EndMeasure("Value", MeasureAt(Measure::HeartRate));
            case Node::Cadence:
                return EndMeasure("Cadence", MeasureAt(Measure::Cadence));
            case Node::Watts:
                return EndMeasure("Watts", MeasureAt(Measure::Power));
            case Node::RunCadence:
                return EndMeasure("RunCadence", runCadence_);
            default:
                return;
        }
    }

    void BadValue(std::string_view element, std::string_view text)
    {
        Refuse(true, MessageText(MessageId::WrongValue, {"<" + std::string(element) + ">", QuotedInput(text)}));
    }

    // A point out of range is left out, and the next point kept starts a piece.
    void EndPoint()
    {
        ++collected_.Count;
        if (!latitude_ || !longitude_) {
            ++collected_.Unplaced;
            return;
        }
        point_.Latitude = *latitude_;
        point_.Longitude = *longitude_;
        if (!IsUsablePosition(*latitude_, *longitude_) || (hasTime_ && !IsGpxTimeWritable(point_.DateTime))) {
            collected_.LeaveOutOfRange();
            return;
        }
        if (!hasTime_) {
            ++collected_.Untimed;
            return;
        }
        std::optional<float>& cadence = MeasureAt(Measure::Cadence);
        if (!cadence) cadence = runCadence_;
        collected_.Keep(point_, measures_);
    }

    void EndTime()
    {
        std::optional<std::string_view> text = CollectedText("Time");
        if (!text || text->empty()) return;
        std::optional<double> days = ParseGpxTime(*text);
        if (!days) return Refuse(true, MessageText(MessageId::WrongTime, {"<Time>", QuotedInput(*text)}));
        point_.DateTime = *days;
        hasTime_ = true;
    }

    void EndDegrees(std::string_view element, std::optional<double>& degrees)
    {
        std::optional<std::string_view> text = CollectedText(element);
        if (!text) return;
        degrees = TryTextToFloat(*text);
        if (!degrees) BadValue(element, *text);
    }

    void EndAltitude()
    {
        std::optional<std::string_view> text = CollectedText("AltitudeMeters");
        if (!text || text->empty()) return;
        std::optional<double> metres = TryTextToFloat(*text);
        if (!metres || !(std::fabs(*metres) <= kMaxHeight)) return BadValue("AltitudeMeters", *text);
        point_.Height = *metres;
    }

    std::optional<float>& MeasureAt(Measure measure) { return measures_[static_cast<size_t>(measure)]; }

    void EndMeasure(std::string_view element, std::optional<float>& measured)
    {
        std::optional<std::string_view> text = CollectedText(element);
        if (!text || text->empty()) return;
        std::optional<double> value = TryTextToFloat(*text);
        if (!value || !(std::fabs(*value) <= FLT_MAX)) return BadValue(element, *text);
        measured = static_cast<float>(*value);
    }

    std::string rootSpace_;
    std::vector<Node> stack_;
    TrackPoint point_;
    std::array<std::optional<float>, kMeasureCount> measures_;
    // The activity extension's running cadence: the point's cadence when it
    // has no <Cadence>, before or after it.
    std::optional<float> runCadence_;
    bool hasTime_ = false;
    std::optional<double> latitude_, longitude_;
    CollectedPoints collected_;
};

}  // namespace

TrackReading ReadTcxTrack(ByteSource& bytes, const std::string& path)
{
    return ReadXmlTrack<TcxParser>(bytes, path, {"<Trackpoint>", "<Time>"});
}

}  // namespace qm
