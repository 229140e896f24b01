#include "formats/kml/kml_reader.h"

#include "formats/point_admission.h"
#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_text.h"
#include "formats/xml/xml_track.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace qm {
namespace {

constexpr std::string_view kKmlSpaces[] = {"http://www.opengis.net/kml/2.2", "http://earth.google.com/kml/2.2",
                                           "http://earth.google.com/kml/2.1", "http://earth.google.com/kml/2.0", ""};
constexpr std::string_view kGx = "http://www.google.com/kml/ext/2.2";

// The elements whose place in the document matters. Documents, folders and
// multi-geometries hold placemarks and tracks as the root does.
enum class Node {
    Other, Container, Placemark, Track, TrackWhen, TrackCoord, TrackData, SchemaData, ArrayData, ArrayValue, TimeStamp,
    StampWhen, Point, PointCoordinates, Line, LineCoordinates
};

// The measures a track's <gx:SimpleArrayData> may hold, by the names Google
// Earth's and OpenTracks' tracks give them.
struct ArrayName {
    std::string_view name;
    Measure measure;
};
constexpr ArrayName kArrayNames[] = {{"heartrate", Measure::HeartRate}, {"heart_rate", Measure::HeartRate},
                                     {"cadence", Measure::Cadence},     {"power", Measure::Power},
                                     {"temperature", Measure::Temperature}};

std::optional<Measure> ArrayMeasure(const XML_Char** attributes)
{
    for (const XML_Char** a = attributes; *a; a += 2)
        if (std::string_view(a[0]) == "name")
            for (const ArrayName& array : kArrayNames)
                if (array.name == a[1]) return array.measure;
    return std::nullopt;
}

constexpr size_t kNotKept = std::numeric_limits<size_t>::max();

// The text's fields between separators (and blanks around them).
std::vector<std::string_view> Fields(std::string_view text, bool byComma)
{
    std::vector<std::string_view> fields;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = at;
        while (end < text.size() && !(byComma ? text[end] == ',' : IsXmlBlank(text[end]))) ++end;
        fields.push_back(text.substr(at, end - at));
        at = end + 1;
        if (!byComma)
            while (at < text.size() && IsXmlBlank(text[at])) ++at;
    }
    return fields;
}

// "lon lat alt" (<gx:coord>) or "lon,lat,alt" (a tuple of <coordinates>),
// the height optional; nothing when the text is no such position.
std::optional<OfferedPoint> Position(std::string_view text, bool byComma)
{
    std::vector<std::string_view> fields = Fields(text, byComma);
    if (fields.size() < 2 || fields.size() > 3) return std::nullopt;
    std::optional<double> numbers[3];
    for (size_t i = 0; i < fields.size(); ++i)
        if (!(numbers[i] = TryTextToFloat(fields[i]))) return std::nullopt;
    OfferedPoint point;
    point.Longitude = numbers[0];
    point.Latitude = numbers[1];
    point.Height = numbers[2];
    return point;
}

class KmlParser : public XmlNodeParser<Node> {
public:
    using XmlNodeParser::XmlNodeParser;

    // The points after the whole document: a track's, or else the
    // placemarks', or else those of the lines.
    PointAdmission& Admission()
    {
        if (sawTrack_) return admission_;
        std::stable_sort(placemarks_.begin(), placemarks_.end(), [](const OfferedPoint& a, const OfferedPoint& b) {
            return a.Time && (!b.Time || *a.Time < *b.Time);
        });
        const bool timed = !placemarks_.empty() && placemarks_.front().Time;
        admission_.StartPiece();
        for (const OfferedPoint& placemark : placemarks_) admission_.Offer(placemark);
        if (!timed) admission_.OfferUntimed(lineTuples_);
        return admission_;
    }

private:
    bool IsKml(std::string_view space) const { return space == rootSpace_; }
    bool IsKmlOrGx(std::string_view space) const { return space == rootSpace_ || space == kGx; }

    Node ChildNode(Node parent, XmlName name) const
    {
        const std::string_view local = name.Local;
        switch (parent) {
            case Node::Container:
            case Node::Placemark:
                if (IsKml(name.Space)) {
                    if (local == "Document" || local == "Folder" || local == "MultiGeometry") return Node::Container;
                    if (local == "Placemark") return Node::Placemark;
                    if (local == "Point") return Node::Point;
                    if (local == "LineString") return Node::Line;
                    if (local == "TimeStamp" && parent == Node::Placemark) return Node::TimeStamp;
                }
                if (IsKmlOrGx(name.Space)) {
                    if (local == "MultiTrack") return Node::Container;
                    if (local == "Track") return Node::Track;
                }
                return Node::Other;
            case Node::Track:
                if (local == "when" && IsKml(name.Space)) return Node::TrackWhen;
                if (local == "ExtendedData" && IsKml(name.Space)) return Node::TrackData;
                return local == "coord" && IsKmlOrGx(name.Space) ? Node::TrackCoord : Node::Other;
            case Node::TrackData:
                return local == "SchemaData" && IsKml(name.Space) ? Node::SchemaData : Node::Other;
            case Node::SchemaData:
                return local == "SimpleArrayData" && IsKmlOrGx(name.Space) ? Node::ArrayData : Node::Other;
            case Node::ArrayData:
                return local == "value" && IsKmlOrGx(name.Space) ? Node::ArrayValue : Node::Other;
            case Node::TimeStamp:
                return local == "when" && IsKml(name.Space) ? Node::StampWhen : Node::Other;
            case Node::Point:
                return local == "coordinates" && IsKml(name.Space) ? Node::PointCoordinates : Node::Other;
            case Node::Line:
                return local == "coordinates" && IsKml(name.Space) ? Node::LineCoordinates : Node::Other;
            default:
                return Node::Other;
        }
    }

    Node Root(XmlName name) override
    {
        if (name.Local != kKmlRoot ||
            std::find(std::begin(kKmlSpaces), std::end(kKmlSpaces), name.Space) == std::end(kKmlSpaces)) {
            Refuse(false, MessageText(MessageId::NotOfFormat, {"KML", QuotedInput(name.Local)}));
            return Node::Other;
        }
        rootSpace_ = name.Space;
        return Node::Container;
    }

    Node Enter(Node parent, XmlName name, const XML_Char** attributes) override
    {
        const Node node = ChildNode(parent, name);
        switch (node) {
            case Node::Placemark:
                placemark_ = {};
                placemarkHasPoint_ = false;
                break;
            case Node::Track:
                sawTrack_ = true;
                admission_.StartPiece();
                whens_.clear();
                kept_.clear();
                break;
            case Node::ArrayData:
                arrayMeasure_ = ArrayMeasure(attributes);
                arrayValues_ = 0;
                break;
            case Node::TrackWhen:
            case Node::TrackCoord:
            case Node::ArrayValue:
            case Node::StampWhen:
            case Node::PointCoordinates:
                CollectText();
                break;
            case Node::LineCoordinates:
                inTuple_ = false;
                break;
            default:
                break;
        }
        return node;
    }

    void Leave(Node node) override
    {
        switch (node) {
            case Node::Track:
                return EndTrack();
            case Node::TrackWhen:
                if (std::optional<std::optional<double>> days = When()) whens_.push_back(*days);
                return;
            case Node::TrackCoord:
                return EndCoord();
            case Node::ArrayValue:
                return EndArrayValue();
            case Node::StampWhen:
                if (std::optional<std::optional<double>> days = When(); days && *days) placemark_.Time = *days;
                return;
            case Node::PointCoordinates:
                return EndPointCoordinates();
            case Node::Placemark:
                if (placemarkHasPoint_) placemarks_.push_back(placemark_);
                return;
            default:
                return;
        }
    }

    // Counts the tuples of a line's coordinates, which are apart by blanks.
    void Characters(std::string_view text) override
    {
        if (Current() != Node::LineCoordinates) return;
        for (char c : text) {
            const bool blank = IsXmlBlank(c);
            if (!blank && !inTuple_) ++lineTuples_;
            inTuple_ = !blank;
        }
    }

    // A <when>'s time; no time for an empty one or a date without a time of
    // day (a year, a month or a day); nothing after a refusal.
    std::optional<std::optional<double>> When()
    {
        std::optional<std::string_view> text = CollectedText("when");
        if (!text) return std::nullopt;
        if (text->find('T') == std::string_view::npos) return std::optional<double>();
        std::optional<double> days = ParseGpxTime(*text);
        if (!days) {
            Refuse(true, MessageText(MessageId::WrongTime, {"<when>", QuotedInput(*text)}));
            return std::nullopt;
        }
        return days;
    }

    void EndCoord()
    {
        std::optional<std::string_view> text = CollectedText("gx:coord");
        if (!text) return;
        std::optional<OfferedPoint> point = text->empty() ? OfferedPoint{} : Position(*text, false);
        if (!point) return Refuse(true, MessageText(MessageId::WrongCoordinates, {"<gx:coord>", QuotedInput(*text)}));
        if (kept_.size() < whens_.size()) point->Time = whens_[kept_.size()];
        kept_.push_back(admission_.Offer(*point) == Admitted::Kept ? admission_.KeptCount() - 1 : kNotKept);
    }

    // The measure of the point of the same place in the track, if it was kept.
    void EndArrayValue()
    {
        std::optional<std::string_view> text = CollectedText("gx:value");
        const size_t index = arrayValues_++;
        if (!text || text->empty() || !arrayMeasure_ || index >= kept_.size() || kept_[index] == kNotKept) return;
        // A broken measure is no reason to refuse the track.
        admission_.SetMeasure(kept_[index], *arrayMeasure_, TryTextToFloat(*text).value_or(NAN));
    }

    // Whens without a coordinate are points without a position.
    void EndTrack()
    {
        for (size_t i = kept_.size(); i < whens_.size(); ++i) {
            OfferedPoint unplaced;
            unplaced.Time = whens_[i];
            admission_.Offer(unplaced);
        }
    }

    // The first tuple of a placemark's first point.
    void EndPointCoordinates()
    {
        std::optional<std::string_view> text = CollectedText("coordinates");
        if (!text || placemarkHasPoint_ || text->empty()) return;
        std::string_view tuple = text->substr(0, std::find_if(text->begin(), text->end(), IsXmlBlank) - text->begin());
        std::optional<OfferedPoint> point = Position(tuple, true);
        if (!point)
            return Refuse(true, MessageText(MessageId::WrongCoordinates, {"<coordinates>", QuotedInput(tuple)}));
        point->Time = placemark_.Time;
        placemark_ = *point;
        placemarkHasPoint_ = true;
    }

    std::string rootSpace_;
    bool sawTrack_ = false;
    // Of the track being read: the times, and the index among the points
    // kept of the point of each <gx:coord>, kNotKept for one left out.
    std::vector<std::optional<double>> whens_;
    std::vector<size_t> kept_;
    std::optional<Measure> arrayMeasure_;  // of the <gx:SimpleArrayData> being read
    size_t arrayValues_ = 0;
    OfferedPoint placemark_;
    bool placemarkHasPoint_ = false;
    std::vector<OfferedPoint> placemarks_;
    size_t lineTuples_ = 0;
    bool inTuple_ = false;
    PointAdmission admission_;
};

}  // namespace

TrackReading ReadKmlTrack(ByteSource& bytes, const std::string& path)
{
    return ReadXmlTrack<KmlParser>(bytes, path, {"<gx:coord>", "<when>"});
}

}  // namespace qm
