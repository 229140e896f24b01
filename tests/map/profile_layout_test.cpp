#include "map/profile_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qm {
namespace {

// 7 pixels a byte.
double FakeWidth(const std::string& text, bool) { return 7.0 * double(text.size()); }

// 800 × 300 pixels, controls down to 30, lines 16 high, 60 for a value axis's labels.
const ProfileTextRoom kRoom{30, 16, 60};

TrackPoints At(std::vector<double> times)
{
    TrackPoints points;
    for (double time : times) points.push_back({50, 30, time, 0, false});
    return points;
}

TEST(ProfileLayout, TimeUnlessTheGapsOrNoTimeSayDistance)
{
    const struct {
        const char* what;
        TrackPoints points;
        std::vector<TrackPart> parts;
        ProfileScale scale;
    } cases[] = {
        {"one part", At({40000, 40000.1, 40000.2}), {{0, 2}}, ProfileScale::Time},
        {"a short gap", At({40000, 40000.1, 40000.15, 40000.3}), {{0, 1}, {2, 3}}, ProfileScale::Time},
        {"a night between two walks", At({40000, 40000.1, 40001, 40001.1}), {{0, 1}, {2, 3}}, ProfileScale::Distance},
        {"no time", At({40000, 40000, 40000}), {{0, 2}}, ProfileScale::Distance},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultProfileScale(c.points, c.parts), c.scale) << c.what;
}

TEST(ProfileLayout, RoundValueAxes)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        std::vector<ValueRange> columns;
        double low, high;  // of the extent
        ValueAxis axis;    // 140 pixels high: about 5 labels
    } cases[] = {
        {"heights", {{123, 150}, {kNaN, kNaN}, {140, 187}}, 123, 187, {20, 120, 200}},
        {"nothing", {}, 0, 1, {0.2, 0, 1}},
        {"flat", {{5, 5}}, 5, 6, {0.2, 5, 6}},
        {"large and flat", {{1e9, 1e9}}, 1e9, 1e9 + 1000, {200, 1e9, 1e9 + 1000}},
        {"below zero", {{-12.5, 3}}, -12.5, 3, {5, -15, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto [low, high] = ValueExtent(c.columns);
        EXPECT_DOUBLE_EQ(low, c.low);
        EXPECT_DOUBLE_EQ(high, c.high);
        const ValueAxis axis = RoundValueAxis(low, high, 140);
        EXPECT_DOUBLE_EQ(axis.Step, c.axis.Step);
        EXPECT_DOUBLE_EQ(axis.Low, c.axis.Low);
        EXPECT_DOUBLE_EQ(axis.High, c.axis.High);
    }
    const ValueAxis speed = SpeedAxis(37, 140);
    EXPECT_EQ(speed.Step, 10);
    EXPECT_EQ(speed.Low, 0);
    EXPECT_EQ(speed.High, 40);
    const PixelBox plot{60, 70, 680, 140};
    EXPECT_DOUBLE_EQ(speed.Y(0, plot), 210);
    EXPECT_DOUBLE_EQ(speed.Y(30, plot), 105);
}

// Two parts of 10 with a gap of 0.5 between them, then one of 0.1.
ProfileAxis TwoGaps()
{
    ProfileAxis axis;
    axis.Parts = {{0, 10, 0}, {10.5, 20.5, 30}, {20.6, 30.6, 50}};
    axis.At = {0, 5, 10, 10.5, 20.5, 20.6, 30.6};
    axis.Length = 30.6;
    return axis;
}

TEST(ProfileLayout, PlacesAndPointsOfThePlot)
{
    const ProfileAxis axis = TwoGaps();
    const ProfilePlot plot(axis, 800, 300, kRoom, false);
    EXPECT_EQ(plot.Area(), (PixelBox{60, 54, 680, 300 - 42 - 54}));
    EXPECT_EQ(ProfilePlot(axis, 800, 300, kRoom, true).Area().Width, 620);
    EXPECT_DOUBLE_EQ(plot.X(0), 60);
    EXPECT_DOUBLE_EQ(plot.X(30.6), 740);
    EXPECT_DOUBLE_EQ(plot.PointX(1), 60 + 5 / 30.6 * 680);
    const struct {
        double x;
        int point;
    } hits[] = {{59, -1}, {60, 0}, {plot.X(7.4), 1}, {plot.X(7.6), 2}, {plot.X(10.3), 3}, {740, 6}, {741, -1}};
    for (const auto& h : hits) EXPECT_EQ(plot.PointAt(h.x), h.point) << h.x;

    const std::vector<ProfilePlot::Gap> gaps = plot.Gaps();
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_DOUBLE_EQ(gaps[0].Left, plot.X(10));
    EXPECT_DOUBLE_EQ(gaps[0].Right, plot.X(10.5));
    EXPECT_TRUE(gaps[0].Marked());    // 11 pixels
    EXPECT_FALSE(gaps[1].Marked());   // 2 pixels
    EXPECT_EQ(plot.PartColumns(axis.Parts[1], 340), (std::pair<int, int>{116, 227}));
}

TEST(ProfileLayout, BottomLabelsReadAloneAndKeepApart)
{
    // 2009-07-06 is day 40000.
    auto oneDay = [](double first, double length) {
        ProfileAxis axis;
        axis.Parts = {{0, length, first}};
        axis.At = {0, length};
        axis.Length = length;
        return axis;
    };
    const struct {
        const char* what;
        ProfileAxis axis;
        ProfileScale scale;
        std::vector<std::string> labels;
    } cases[] = {
        {"a night: the date where it changes", oneDay(40000.75, 0.5), ProfileScale::Time,
         {"06.07 18:00", "20:00", "22:00", "07.07 00:00", "02:00", "04:00", "06:00"}},
        {"a quarter of an hour: minutes", oneDay(40000.5, 0.25 / 24), ProfileScale::Time,
         {"06.07 12:00", "12:02", "12:04", "12:06", "12:08", "12:10", "12:12", "12:14"}},
        {"two minutes: seconds", oneDay(40000.5, 2.2 / 1440), ProfileScale::Time,
         {"06.07 12:00:00", "12:00:30", "12:01:00", "12:01:30", "12:02:00"}},
        {"days", oneDay(40000.5, 5), ProfileScale::Time, {"06.07", "07.07", "08.07", "09.07", "10.07", "11.07"}},
        {"kilometres", oneDay(0, 317.4), ProfileScale::Distance, {"0", "50", "100", "150", "200", "250", "300"}},
        {"parts of kilometres", oneDay(2, 0.6), ProfileScale::Distance,
         {"2,0", "2,1", "2,2", "2,3", "2,4", "2,5", "2,6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProfilePlot plot(c.axis, 800, 300, kRoom, false);
        const ProfilePlot::BottomAxis bottom = plot.Bottom(c.scale, FakeWidth, ',');
        std::vector<std::string> texts;
        double taken = -1e9;
        for (const ProfilePlot::Label& label : bottom.Labels) {
            texts.push_back(label.Text);
            EXPECT_GE(label.Left, taken + 8) << label.Text;
            EXPECT_GE(label.Left, 0);
            EXPECT_LE(label.Left + FakeWidth(label.Text, false), 800);
            taken = label.Left + FakeWidth(label.Text, false);
        }
        EXPECT_EQ(texts, c.labels);
        EXPECT_GE(bottom.Ticks.size(), bottom.Labels.size());
    }
}

TEST(ProfileLayout, TextsElidedToTheirRoom)
{
    const struct {
        std::string text;
        double room;
        std::string shown;
    } cases[] = {
        {"day1.gpx", 100, "day1.gpx"},
        {"day1.gpx", 56, "day1.gpx"},
        {"day1.gpx", 55, "day1…"},
        {"day1.gpx", 28, "d…"},
        {"day1.gpx", 27, ""},
        {"ab", 14, "ab"},
        // Whole characters: "т" is two bytes, "…" three.
        {"третий.gpx", 52, "тр…"},
        {"третий.gpx", 48, "т…"},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ElidedText(c.text, c.room, FakeWidth), c.shown) << c.text << " " << c.room;
}

// A line where the trip goes on in another file, the file's name at the top
// of the plot, in the room up to the next one.
TEST(ProfileLayout, FileBreaksNamedInTheirRoom)
{
    const ProfileAxis axis = TwoGaps();
    const std::vector<std::string> names{"day1.gpx", "day2.gpx", "третий.gpx"};
    const struct {
        const char* what;
        double width;
        PointSources files;
        std::vector<double> at;  // on the axis
        std::vector<uint32_t> of;
        std::vector<std::string> shown;
    } cases[] = {
        {"room for every name", 800, {0, 0, 0, 1, 1, 2, 2}, {0, 10.5, 20.6}, {0, 1, 2}, {"day1.gpx", "day2.gpx", "третий.gpx"}},
        {"narrow", 300, {0, 0, 0, 1, 1, 2, 2}, {0, 10.5, 20.6}, {0, 1, 2}, {"day1…", "day2…", "тр…"}},
        {"a file of one point at the end of a part", 800, {0, 0, 0, 0, 1, 2, 2}, {0, 20.5, 20.6}, {0, 1, 2},
         {"day1.gpx", "", "третий.gpx"}},
        {"back to a file", 800, {0, 1, 1, 0, 0, 0, 0}, {0, 5, 10.5}, {0, 1, 0}, {"day1.gpx", "day2.gpx", "day1.gpx"}},
        {"one file", 800, {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProfilePlot plot(axis, c.width, 300, kRoom, false);
        const std::vector<ProfilePlot::FileMark> marks = plot.FileMarks(c.files, names, FakeWidth);
        ASSERT_EQ(marks.size(), c.at.size());
        for (size_t k = 0; k < marks.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_DOUBLE_EQ(marks[k].X, plot.X(c.at[k]));
            EXPECT_EQ(marks[k].Break, k > 0);
            EXPECT_EQ(marks[k].Name, c.shown[k]);
            if (marks[k].Name.empty()) continue;
            // Right of its line, inside the plot's top, clear of the next line.
            const PixelBox& box = marks[k].NameBox;
            EXPECT_GT(box.Left, marks[k].X);
            EXPECT_GE(box.Width, FakeWidth(marks[k].Name, false));
            EXPECT_LE(box.Right(), k + 1 < marks.size() ? marks[k + 1].X : plot.Area().Right());
            EXPECT_GE(box.Top, plot.Area().Top);
            EXPECT_EQ(box.Height, kRoom.LineHeight);
        }
    }
}

TEST(ProfileLayout, CaptionNoteKeepsClearOfTheCaption)
{
    const ProfileAxis axis = TwoGaps();
    const ProfilePlot plot(axis, 800, 300, kRoom, false);  // 680 wide from 60
    const std::string note = "Hidden files: 1 of 3";      // 140 pixels
    const struct {
        double caption;
        std::string shown;
    } cases[] = {{400, note}, {524, note}, {560, "Hidden file…"}, {660, ""}};
    for (const auto& c : cases) {
        const ProfilePlot::Label label = plot.CaptionNote(note, c.caption, FakeWidth);
        EXPECT_EQ(label.Text, c.shown) << c.caption;
        EXPECT_EQ(label.Left, 60);
        EXPECT_LE(label.Left + FakeWidth(label.Text, false) + 8, plot.Area().Right() - c.caption) << c.caption;
    }
}

}  // namespace
}  // namespace qm
