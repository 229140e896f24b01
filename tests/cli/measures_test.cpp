// quillmarsh-cli stats --measures: the table of a real file's heart rate and
// temperature, checked by hand and against GPSBabel's reading, and what the
// option says about other tracks and options.
#include "cli/cli_fixture.h"

#include <sstream>

namespace qm {
namespace {

using test::CliTest;

const std::string kWahoo = "tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit";
const std::string kGolden = QM_TEST_DATA "/golden/wahoo-measures/";

// With every setting at its default.
TEST(StatsMeasures, ARealFilesTableIsTheCheckedOneInBothLanguages)
{
    test::TempDir scratch;
    const std::string settings = scratch.Write("Quillmarsh.ini", "");
    for (const std::string language : {"ru", "en"}) {
        SCOPED_TRACE(language);
        const test::CliRun run = test::RunCli(
            {"stats", "--measures", kWahoo, "--settings", settings, "--lang", language}, QM_TEST_DATA, scratch.path());
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, test::ReadAll(kGolden + "measures-" + language + ".txt"));
    }
}

// The words of the line of the English table that starts with label.
std::vector<std::string> TableRow(const std::string& label)
{
    std::istringstream lines(test::ReadAll(kGolden + "measures-en.txt"));
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(label)) continue;
        std::istringstream row(line.substr(label.size()));
        std::vector<std::string> words;
        for (std::string word; row >> word;) words.push_back(word);
        return words;
    }
    return {};
}

// GPSBabel's reading of the file, weighed by awk as the table weighs it: the
// file is one part of one day, so every step whose ends both have a heart
// rate counts, for its seconds, with the mean of its ends.
TEST(StatsMeasures, GpsBabelReadingWeighedByAwkGivesTheTablesHeartRate)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    test::TempDir scratch;
    const std::string figures = scratch.File("figures");
    const std::string command =
        "gpsbabel -t -i garmin_fit -f '" QM_TEST_DATA "/" + kWahoo + "' -o unicsv -F - | awk -F, '"
        "{ sub(/\\r$/, \"\") } "
        "NR == 1 { for (i = 1; i <= NF; ++i) column[$i] = i; next } "
        "{ split($column[\"Time\"], t, \":\"); s = t[1] * 3600 + t[2] * 60 + t[3]; hr = $column[\"Heartrate\"] } "
        "hr != \"\" && (max == \"\" || hr + 0 > max) { max = hr + 0 } "
        "hr != \"\" && last != \"\" { weight += s - at; sum += (s - at) * (hr + last) / 2 } "
        "{ last = hr; at = s } "
        "END { printf \"%.1f %d\\n\", sum / weight, max }' > '" + figures + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(test::ReadAll(figures), "139.6 151\n");
    const std::vector<std::string> track = TableRow("Track"), day = TableRow("Day 1");
    ASSERT_EQ(track.size(), 4u);
    ASSERT_EQ(day.size(), 5u);  // after its date
    EXPECT_EQ(track[0] + " " + track[1] + "\n", test::ReadAll(figures));
    EXPECT_EQ(day[1] + " " + day[2] + "\n", test::ReadAll(figures));
}

TEST_F(CliTest, MeasuresOfTracksWithoutThemOrWithImplausibleValues)
{
    Track("plain.plt");
    auto point = [](int second, const std::string& hr) {
        return "<trkpt lat=\"55\" lon=\"37\"><time>2020-02-14T10:00:0" + std::to_string(second) +
               "Z</time><extensions><t:TrackPointExtension><t:hr>" + hr + "</t:hr></t:TrackPointExtension>"
               "</extensions></trkpt>";
    };
    work.Write("odd.gpx", "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
                          "xmlns:t=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\"><trk><trkseg>" +
                              point(0, "300") + point(1, "20") + point(2, "250") + "</trkseg></trk></gpx>");
    const struct {
        std::vector<std::string> args;
        std::string out, err;
    } cases[] = {
        {{"plain.plt", "--lang", "en"},
         "File: plain.plt\nThe track holds no measures: no heart rate, cadence, power or temperature.\n", ""},
        {{"plain.plt"}, "Файл: plain.plt\nВ треке нет измерений: ни пульса, ни каденса, ни мощности, ни температуры.\n",
         ""},
        {{"odd.gpx", "--lang", "en"},
         "File: odd.gpx\n"
         "Mean weighted by time over the steps of each part (the plain mean where no step has both values); max the "
         "highest value.\n"
         "                         Heart rate, bpm\n"
         "                Date      mean       max\n"
         "Track                    250.0       250\n"
         "Day 1     14.02.2020     250.0       250\n",
         "odd.gpx: Measure values outside the plausible range left out: 2.\n"},
        {{"--trip", "both", "odd.gpx", "plain.plt"}, "",
         "both.trip: Не учтено значений измерений вне правдоподобных пределов: 2.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        std::vector<std::string> args = {"stats", "--measures"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.status, 0);
        if (!c.out.empty()) {
            EXPECT_EQ(run.out, c.out);
        }
        EXPECT_EQ(run.err, c.err);
    }
}

TEST_F(CliTest, MeasuresAreOnlyPrinted)
{
    Track("a.plt");
    for (const std::vector<std::string>& extra : {std::vector<std::string>{"--save", "out"}, {"--format", "txt"}}) {
        std::vector<std::string> args = {"stats", "a.plt", "--measures"};
        args.insert(args.end(), extra.begin(), extra.end());
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "quillmarsh-cli: --measures prints the measures table: it takes neither --save nor "
                           "--format\nTry 'quillmarsh-cli --help'.\n");
    }
    EXPECT_EQ(Run({"stats", "--measures", "a.plt", "--measures"}).err,
              "quillmarsh-cli: option --measures given twice\nTry 'quillmarsh-cli --help'.\n");
    EXPECT_NE(Run({"stats", "--help"}).out.find("With --measures print instead"), std::string::npos);
}

}  // namespace
}  // namespace qm
