#include "formats/track_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

// Elements nested deeper than any track format nests them refuse the file
// at the line of the first one too deep, whatever the format; a document
// just within the bound is read.
TEST(XmlDepth, ElementsNestedTooDeepRefuseTheFile)
{
    const std::string point = "<trkpt lat=\"55\" lon=\"37\"><time>2020-02-14T06:00:00Z</time></trkpt>";
    const struct {
        std::string start, end;
        int open;  // the elements the start leaves open
    } roots[] = {
        {"<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>" + point, "</trkseg></trk></gpx>", 3},
        {"<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">",
         "</TrainingCenterDatabase>", 1},
        {"<kml xmlns=\"http://www.opengis.net/kml/2.2\">", "</kml>", 1},
    };
    for (const auto& root : roots) {
        for (int nested : {256 - root.open, 257 - root.open, 100000}) {
            std::string text = root.start + "\n";
            for (int i = 0; i < nested; ++i) text += "<a>\n";
            if (nested < 100000)
                for (int i = 0; i < nested; ++i) text += "</a>";
            const TrackReading reading = ReadTrack(text + root.end, "deep.xml");
            const bool tooDeep = nested > 256 - root.open;
            SCOPED_TRACE(root.start + " " + std::to_string(nested));
            ASSERT_EQ(!reading.Messages.empty() && reading.Messages.back().Text == "элементы вложены глубже 256 уровней.",
                      tooDeep);
            if (tooDeep) {
                // The first element too deep stands on line 1 + (257 - open).
                EXPECT_EQ(reading.Messages.back().Line, 258 - root.open);
                EXPECT_EQ(reading.Messages.back().File, "deep.xml");
            }
        }
    }
}

}  // namespace
}  // namespace qm
