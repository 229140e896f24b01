#include "formats/point_admission.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

OfferedPoint At(std::optional<double> day, std::optional<double> latitude = 55)
{
    OfferedPoint point;
    point.Latitude = latitude;
    point.Longitude = 37;
    point.Time = day;
    return point;
}

std::vector<std::string> Texts(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages) texts.push_back(message.Text);
    return texts;
}

// Pieces stored out of time order are put in order and a time that does not
// rise is left out; the measures stay with their points, and a measure that
// only later points have is nothing before them.
TEST(PointAdmission, MeasuresFollowTheirPointsThroughOrderAndDrops)
{
    PointAdmission admission;
    auto offer = [&](double day, bool piece, OfferedMeasures measures = {}) {
        if (piece) admission.StartPiece();
        OfferedPoint point = At(day);
        point.Measures = measures;
        admission.Offer(point);
    };
    offer(40000.5, true);
    offer(40000.6, false, {150.0});
    offer(40000.1, true, {120.0, 80.0});
    offer(40000.2, false);
    offer(40000.2, false, {125.0});
    std::vector<Message> messages;
    std::optional<Track> track = admission.CheckedTrack({"<trkpt>", "<time>"}, "t.gpx", messages);
    ASSERT_TRUE(track);
    std::vector<double> times;
    for (const TrackPoint& point : track->Points) times.push_back(point.DateTime);
    EXPECT_EQ(times, (std::vector<double>{40000.1, 40000.2, 40000.5, 40000.6}));
    EXPECT_EQ(ColumnOf(track->Measures, Measure::HeartRate),
              (MeasureColumn{120.0f, std::nullopt, std::nullopt, 150.0f}));
    EXPECT_EQ(ColumnOf(track->Measures, Measure::Cadence), (MeasureColumn{80.0f, std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_TRUE(ColumnOf(track->Measures, Measure::Power).empty());
    EXPECT_EQ(Texts(messages), std::vector<std::string>{"Пропущено точек со временем не позже предыдущей точки: 1 из 5."});
}

// Every rule in one order, whatever the format: a point with several faults
// is counted once, under the first; a wrong value leaves the point kept.
TEST(PointAdmission, EachPointIsCountedUnderItsFirstFault)
{
    struct Case {
        OfferedPoint point;
        std::string message;  // besides the kept point's; empty for none
        bool startsPiece;     // of the point kept after it
    };
    OfferedPoint noPosition = At(40000.2, std::nullopt);
    OfferedPoint wrongHeight = At(40000.2);
    wrongHeight.Height = 2e9;
    OfferedPoint wrongMeasures = At(40000.2);
    wrongMeasures.Measures = {NAN, 1e39, 90.0, -INFINITY};
    const Case cases[] = {
        {noPosition, "Пропущено точек без координат: 1 из 3.", false},
        {At(std::nullopt, std::nullopt), "Пропущено точек без координат: 1 из 3.", false},
        {At(std::nullopt, 91), "Пропущено точек с координатами или временем вне допустимых пределов: 1 из 3.", true},
        {At(std::nullopt, NAN), "Пропущено точек с координатами или временем вне допустимых пределов: 1 из 3.", true},
        {At(std::nullopt), "Пропущено точек без отметки времени: 1 из 3.", false},
        {At(-693594), "Пропущено точек с координатами или временем вне допустимых пределов: 1 из 3.", true},
        {At(0), "", false},  // 1899-12-30T00:00:00Z is a time like any other
        {wrongHeight,
         "Пропущено значений высоты, пульса, каденса, мощности или температуры, которые не являются допустимым "
         "числом: 1; точки сохранены.",
         false},
        {wrongMeasures,
         "Пропущено значений высоты, пульса, каденса, мощности или температуры, которые не являются допустимым "
         "числом: 3; точки сохранены.",
         false},
    };
    for (const Case& c : cases) {
        PointAdmission admission;
        admission.Offer(At(-1));
        const bool kept = admission.Offer(c.point) == Admitted::Kept;
        admission.Offer(At(40000.3));
        std::vector<Message> messages;
        std::optional<Track> track = admission.CheckedTrack({"<trkpt>", "<time>"}, "t.gpx", messages);
        ASSERT_TRUE(track);
        EXPECT_EQ(Texts(messages), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(track->Points.size(), kept ? 3u : 2u);
        EXPECT_EQ(track->Points.back().StartsPiece, c.startsPiece);
        if (kept) {
            EXPECT_FALSE(track->Points[1].Height);
        }
    }
    PointAdmission admission;
    OfferedPoint point = At(40000.2);
    point.Measures = {NAN, 1e39, 90.0, -INFINITY};
    admission.Offer(point);
    std::vector<Message> messages;
    std::optional<Track> track = admission.CheckedTrack({"<trkpt>", "<time>"}, "t.gpx", messages);
    EXPECT_EQ(ColumnOf(track->Measures, Measure::Power), MeasureColumn{90.0f});
    EXPECT_TRUE(ColumnOf(track->Measures, Measure::HeartRate).empty());
}

// Under the track file's rule the pieces stay in the file's order and the
// first time that does not increase ends the track.
TEST(PointAdmission, ATimeNotLaterEndsTheTrackUnderTheTrackFilesRule)
{
    PointAdmission admission(NotLaterRule::EndsTrack);
    admission.StartPiece();
    EXPECT_EQ(admission.Offer(At(40000.5)), Admitted::Kept);
    admission.StartPiece();
    EXPECT_EQ(admission.Offer(At(40000.6)), Admitted::Kept);
    EXPECT_EQ(admission.Offer(At(std::nullopt)), Admitted::EndsTrack);
    EXPECT_EQ(admission.Offer(At(40000.6)), Admitted::EndsTrack);
    std::vector<Message> messages;
    std::optional<Track> track = admission.CheckedTrack({"", ""}, "t.plt", messages);
    ASSERT_TRUE(track);
    EXPECT_EQ(track->Points.size(), 2u);
    EXPECT_TRUE(messages.empty());
}

// A track of more points than any real one holds is refused whole, the
// points past the bound never kept.
TEST(PointAdmission, MoreThanTenMillionPointsAreRefused)
{
    PointAdmission admission;
    for (size_t i = 0; i <= 10000000; ++i) admission.Offer(At(40000 + static_cast<double>(i) / 86400));
    EXPECT_EQ(admission.KeptCount(), 10000000u);
    std::vector<Message> messages;
    EXPECT_FALSE(admission.CheckedTrack({"<trkpt>", "<time>"}, "big.gpx", messages));
    EXPECT_EQ(Texts(messages),
              std::vector<std::string>{"Файл трека big.gpx не читается: в нём больше 10000000 точек."});
}

}  // namespace
}  // namespace qm
