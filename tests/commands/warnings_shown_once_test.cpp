#include "commands/statistics.h"
#include "commands/visualise.h"
#include "platform/warnings_shown_once.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace qm::test {
namespace {

// Three timed points and one without a time, which is left out with a warning.
std::string Gpx(const std::string& name)
{
    return "<gpx><trk><name>" + name +
           "</name><trkseg><trkpt lat=\"50\" lon=\"30\"><time>2020-05-01T10:00:00Z</time></trkpt>"
           "<trkpt lat=\"50.001\" lon=\"30\"/>"
           "<trkpt lat=\"50.002\" lon=\"30\"><time>2020-05-01T10:01:00Z</time></trkpt>"
           "<trkpt lat=\"50.003\" lon=\"30\"><time>2020-05-01T10:02:00Z</time></trkpt></trkseg></trk></gpx>";
}

// The warnings of one version of a file are shown once, whichever command
// reads it; a file written again warns again, and what ends a reading is
// shown every time.
TEST(WarningsShownOnce, OncePerVersionOfAFile)
{
    TempDir dir;
    const std::string track = dir.Write("ride.gpx", Gpx("a"));
    const std::string other = dir.Write("other.gpx", Gpx("b"));
    const std::string broken = dir.Write("broken.gpx", "<gpx><trk>");
    const Settings settings;
    RecordingSink shown;
    WarningsShownOnce once(shown);
    auto statistics = [&](const std::string& path) { TrackStatistics(path, settings, once); };
    auto map = [&](const std::string& path) {
        ComputeVisualisation(path, ScaleBandBoxes(settings.CurrentScale()), settings, once);
    };
    const std::string warning = MessageText(MessageId::LeftOutUntimed, {"1", "4"});
    const struct {
        const char* what;
        std::function<void()> act;
        Texts shown;
    } steps[] = {
        {"the first reading warns", [&] { map(track); }, {warning}},
        {"the same file again, by another command", [&] { statistics(track); }, {}},
        {"and again", [&] { map(track); }, {}},
        {"another file warns of its own", [&] { statistics(other); }, {warning}},
        {"the file written again, one byte longer", [&] { dir.Write("ride.gpx", Gpx("ab")); map(track); },
         {warning}},
        {"a file that cannot be read says so each time", [&] { map(broken); map(broken); },
         Texts(2, MessageText(MessageId::PlacedInTrack,
                              {broken, "1", MessageText(MessageId::NotXml, {"no element found"})}))},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        shown.messages.clear();
        step.act();
        EXPECT_EQ(shown.messages, step.shown);
        EXPECT_TRUE(shown.errors.empty());
    }
}

// The visualisation keeps the warnings of the track it read for a view to repeat.
TEST(WarningsShownOnce, VisualisationKeepsTheReadersWarnings)
{
    TempDir dir;
    const Settings settings;
    RecordingSink sink;
    const VisualiseResult result = ComputeVisualisation(dir.Write("ride.gpx", Gpx("a")),
                                                        ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    const std::vector<Message> warnings = TripWarnings(result.Files);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].Text, MessageText(MessageId::LeftOutUntimed, {"1", "4"}));
    EXPECT_EQ(sink.messages, Texts{warnings[0].Text});
}

}  // namespace
}  // namespace qm::test
