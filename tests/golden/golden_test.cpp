// The real files of tests/data/tracks through quillmarsh-cli, as a user runs
// it (all but those of kNotGolden, below): the files each run writes compared byte for byte with the files a
// person checked in tests/data/golden, a mismatch shown as a unified diff;
// for a file that is no track, the exact message and no file.
//
// QM_GOLDEN_UPDATE=1 (make golden-update) writes what the runs give over the
// expected files instead, for a person to review with git diff.
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace qm {
namespace {

namespace fs = std::filesystem;

const std::string kData = QM_TEST_DATA;
const std::string kGolden = kData + "/golden/";

void Replace(std::string& text, const std::string& from, const std::string& to);

// The reader's messages as the tool writes them: each line begins with the
// file, which "{file}" within a line stands for.
std::string OnFile(const std::string& file, std::string lines)
{
    Replace(lines, "{file}", file);
    std::string text;
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find('\n', at) + 1;
        text += file + ": " + lines.substr(at, end - at);
        at = end;
    }
    return text;
}

std::set<std::string> FileNames(const std::string& directory)
{
    std::set<std::string> names;
    if (!fs::is_directory(directory)) return names;
    for (const auto& entry : fs::directory_iterator(directory)) names.insert(test::Utf8(entry.path().filename()));
    return names;
}

// The first differing lines of two files as a unified diff.
std::string UnifiedDiff(const std::string& expected, const std::string& actual)
{
    std::string diff;
#ifdef _WIN32
    return "(no diff on Windows: compare " + expected + " with " + actual + ")";
#endif
    const std::string command = "diff -u '" + expected + "' '" + actual + "' | head -n 40";
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) diff.append(chunk, n);
        ::pclose(pipe);
    }
    return diff;
}

void Replace(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

// One run of the tool. "{out}" in its arguments and in what it prints stands
// for the directory it writes into; "{settings}" for an empty settings file
// (every setting at its default).
struct GoldenCase {
    std::string expected;  // under tests/data/golden: exactly the files the run writes; empty for none
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

struct RealTrack {
    std::string file;  // under tests/data/tracks
    std::string name;  // its directory under tests/data/golden
    std::string message;  // what the reader shows, one line, or nothing
    bool allLevels = false;  // also a report of every field and level
};

const std::string kTimeOrder1970 =
    "Ошибка в треке! Отметка времени точек: #1 - 01.01.1970; #2 - 01.01.1970. Трек будет обработан до точки #1.\n";
const std::string kNotATrack = "Неверный формат трека! Текст файла {file} не является треком ни одного из читаемых "
                                "форматов: OziExplorer .plt, GPX, TCX, KML, KMZ, FIT, IGC, NMEA.\n";

const std::vector<RealTrack> kTracks = {
    {"mapsoft2-programs-ms2conv-test_data-ozi1.plt", "ozi1", ""},
    {"mapsoft2-programs-ms2conv-test_data-ozi1a.plt", "ozi1a", ""},
    {"mapsoft2-programs-ms2xyz-test_data-20040222_full.plt", "full", "", true},
    {"mapsoft2-programs-ms2xyz-test_data-20040222_reduced.plt", "reduced", ""},
    {"mapsoft2-programs-ms2xyz-test_data-test.plt", "mountain", "", true},
    {"mapsoft2-vmap_data-example-brd_n49.plt", "brd_n49", kTimeOrder1970},
    {"gpsbabel-reference-track-20070813_short.plt", "short", ""},
    {"gpsbabel-reference-track-20070813_short~plt.plt", "short-gpsbabel", ""},
    {"gpsbabel-reference-track-ozitracks~gpx.plt", "ozitracks", ""},
    {"gpsbabel-reference-track-ozitracks~gpx-1.plt", "ozitracks-1", ""},
    {"gpsbabel-reference-track-ozitracks~gpx-2.plt", "ozitracks-2", ""},
    {"gpsbabel-derived-reference-track-dg100.plt", "dg100", "", true},
    {"gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt", "mtk", "", true},
    // GPX: two segments and a Cyrillic name; three segments with a +01:00
    // offset; points without time left out; eight tracks, 5 of 296 points
    // timed; two points less than a second apart; no time at all.
    {"wladich-nakarte-test-track_load_data-files-osm_prototype_with_title.gpx", "nakarte", ""},
    {"OpenTracksApp-OpenTracks-src-androidTest-res-raw-legacy_gpx_trackpointextensions_incorrect.gpx", "opentracks",
     ""},
    {"GPSBabel-gpsbabel-reference-track-fitwrite-track.gpx", "fitwrite",
     "Пропущено точек без отметки времени: 12 из 64.\n"},
    {"tkrajina-gpxpy-test_files-cerknicko-without-times.gpx", "cerknicko",
     "Пропущено точек без отметки времени: 291 из 296.\n"},
    {"tkrajina-gpxpy-test_files-track-with-less-sec-time.gpx", "less-sec", ""},
    {"GPSBabel-gpsbabel-reference-basecamp.gpx", "",
     "В треке нет данных о времени: ни у одной из 2 точек файла tracks/GPSBabel-gpsbabel-reference-basecamp.gpx "
     "нет отметки <time>.\n"},
    // 45 points of a ride with heart rate and temperature, one a second:
    // GPSBabel's GPX of a cut of wahoo-element-bolt.fit.
    {"gpsbabel-derived-reference-track-wahoo-element-bolt-cut.gpx", "wahoo-cut", ""},
    // FIT: 64 records of a GPSBabel-written file, altitude without enhanced_altitude.
    {"GPSBabel-gpsbabel-reference-track-fitwrite-track.fit", "fitwrite-fit", ""},
    // TCX with heart rate, cadence and power; a KML track of 23 points, 4 of
    // them timed; a KMZ of a KML 2.3 track.
    {"GPSBabel-gpsbabel-reference-track-kona2013.tcx", "kona2013", ""},
    {"GPSBabel-gpsbabel-reference-track-segmented_tracks-track.kml", "segmented",
     "Пропущено точек без отметки времени: 19 из 23.\n"},
    {"gpsbabel-derived-reference-track-Placemark-Track-1.kmz", "placemark-track", ""},
    // IGC: a fix whose time goes back is on the next day. NMEA: three fixes
    // whose time does not parse; logs without RMC or ZDA have no date.
    {"GPSBabel-gpsbabel-reference-igc2.igc", "igc2", ""},
    {"GPSBabel-gpsbabel-reference-track-nmeadatetime.nmea", "nmeadatetime",
     "Пропущено точек без отметки времени: 3 из 19.\n"},
    {"GPSBabel-gpsbabel-reference-track-adddate.nmea", "",
     "В файле NMEA tracks/GPSBabel-gpsbabel-reference-track-adddate.nmea нет даты: ни одного предложения RMC с "
     "координатами или ZDA.\n"},
    {"GPSBabel-gpsbabel-reference-track-addmultipledaysfwd.nmea", "",
     "В файле NMEA tracks/GPSBabel-gpsbabel-reference-track-addmultipledaysfwd.nmea нет даты: ни одного предложения "
     "RMC с координатами или ZDA.\n"},
    // Waypoint files are no tracks.
    {"gpsbabel-reference-ozi.wpt", "", kNotATrack},
    {"gpsbabel-reference-ozi-color.wpt", "", kNotATrack},
    {"mapsoft2-programs-ms2conv-test_data-ozi1.wpt", "", kNotATrack},
    {"mapsoft2-programs-ms2conv-test_data-ozi1a.wpt", "", kNotATrack},
};

// GPX files that RealGpxTest reads and WrittenFilesTest writes as GPX and KML,
// and the FIT, TCX and KML files their readers' tests read, but that are not
// run here: the files above already hold every reader
// feature they have (segments, offsets, fractions of seconds, extensions), and
// their checked outputs would add megabytes (dg100.gpx holds the points of
// dg100.plt). The same holds for the longer IGC file beside igc2.igc.
const std::set<std::string> kNotGolden = {
    "Freika-dawarich-fixtures-files-gpx-arc_example.gpx",
    "GPSBabel-gpsbabel-reference-track-27GLQKF3.igc",
    "GPSBabel-gpsbabel-reference-track-dg100.gpx",
    "GPSBabel-gpsbabel-reference-track-nmea.gpx",
    "GPSBabel-gpsbabel-reference-track-tcxtest.gpx",
    "GPSBabel-gpsbabel-reference-track-gtrnctr-readcp.tcx",
    "GPSBabel-gpsbabel-reference-track-tcxdata.tcx",
    "GPSBabel-gpsbabel-reference-track-Placemark-Track-1.kml",
    "GPSBabel-gpsbabel-reference-track-opentracks.kml",
    "georust-gpx-tests-fixtures-garmin-activity.gpx",
    "tkrajina-gpxgo-test_files-visnjan.gpx",
    "tkrajina-gpxpy-test_files-around-visnjan-with-car.gpx",
    // An NMEA log that RealNmeaTest reads and compares with GPSBabel's reading.
    "GPSBabel-gpsbabel-reference-track-addmultipledaysmid.nmea",
    // FIT files that RealFitTest reads and compares with GPSBabel's reading.
    "GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit",
    "GPSBabel-gpsbabel-reference-track-garmin-forerunner-10.fit",
    "GPSBabel-gpsbabel-reference-track-lezyne_super_gps-garmin_fit-sample-bad-endian.fit",
    "GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit",
};

std::vector<GoldenCase> Cases()
{
    std::vector<GoldenCase> cases;
    for (const RealTrack& t : kTracks) {
        const std::string track = "tracks/" + t.file;
        const std::string stem = t.file.substr(0, t.file.rfind('.'));
        auto stats = [&](const std::string& format, const std::string& expected, const std::string& settings) {
            if (t.name.empty())
                return GoldenCase{"", {"stats", track, "--format", format, "--save", "{out}", "--settings", settings},
                                  1, "", OnFile(track, t.message)};
            return GoldenCase{t.name + "/" + expected,
                              {"stats", track, "--format", format, "--save", "{out}", "--settings", settings},
                              0, test::Native("{out}/") + stem + "_stat." + format + "\n", OnFile(track, t.message)};
        };
        cases.push_back({t.name.empty() ? "" : t.name + "/visualise",
                         {"visualise", track, "--out", "{out}", "--settings", "{settings}"},
                         t.name.empty() ? 1 : 0, t.name.empty() ? "" : track + ": трек обработан\n",
                         OnFile(track, t.message)});
        cases.push_back(stats("txt", "stats-txt", "{settings}"));
        cases.push_back(stats("csv", "stats-csv", "{settings}"));
        if (t.allLevels) cases.push_back(stats("txt", "stats-all-levels", "golden/all-levels.ini"));
    }
    // A short interval, a narrow line and a nine-field display line.
    cases.push_back({"short/visualise-fine",
                     {"visualise", "tracks/gpsbabel-reference-track-20070813_short.plt", "--out", "{out}", "--settings",
                      "golden/fine.ini"},
                     0, "tracks/gpsbabel-reference-track-20070813_short.plt: трек обработан\n", ""});
    // The visualisation as one GPX or KML file, from an OziExplorer track with
    // a stop and from a GPX track.
    for (const auto& [track, name] :
         {std::pair<std::string, std::string>{"mapsoft2-programs-ms2xyz-test_data-20040222_reduced.plt", "reduced"},
          {"wladich-nakarte-test-track_load_data-files-osm_prototype_with_title.gpx", "nakarte"}})
        for (const std::string format : {"gpx", "kml"})
            cases.push_back({name + "/visualise-" + format,
                             {"visualise", "tracks/" + track, "--out", "{out}", "--format", format, "--settings",
                              "{settings}"},
                             0, "tracks/" + track + ": трек обработан\n", ""});
    // The ride coloured by measures in runs of 4.5 s: two heart rate zones,
    // two bands of grade, no power at all.
    for (const auto& [measure, format] : {std::pair<std::string, std::string>{"heart-rate", "gpx"},
                                          {"heart-rate", "kml"}, {"grade", "kml"}, {"power", "kml"}}) {
        const std::string track = "tracks/gpsbabel-derived-reference-track-wahoo-element-bolt-cut.gpx";
        cases.push_back({"wahoo-cut/visualise-" + measure + "-" + format,
                         {"visualise", track, "--out", "{out}", "--format", format, "--colour-by", measure,
                          "--settings", "golden/colour.ini"},
                         0, track + ": трек обработан\n", ""});
    }
    return cases;
}

// Checks the files of one run against its expected directory, or, with
// QM_GOLDEN_UPDATE set, puts them there.
void CompareFiles(const std::string& out, const std::string& expected)
{
    if (std::getenv("QM_GOLDEN_UPDATE") && !expected.empty()) {
        fs::remove_all(expected);
        fs::create_directories(expected);
        for (const std::string& name : FileNames(out)) fs::copy_file(out + "/" + name, expected + "/" + name);
        return;
    }
    ASSERT_EQ(FileNames(out), expected.empty() ? std::set<std::string>{} : FileNames(expected));
    for (const std::string& name : FileNames(out)) {
        const std::string want = expected + "/" + name, got = out + "/" + name;
        if (test::ReadAll(got) != test::ReadAll(want)) ADD_FAILURE() << name << " differs:\n" << UnifiedDiff(want, got);
    }
}

TEST(Golden, EveryRealFileIsRunOrNamedAsNotRun)
{
    std::set<std::string> run;
    for (const RealTrack& t : kTracks) run.insert(t.file);
    for (const std::string& name : FileNames(std::string(QM_TEST_DATA) + "/tracks"))
        EXPECT_NE(run.count(name), kNotGolden.count(name)) << name;
}

bool HasCyrillic(const std::string& text)
{
    // Every Cyrillic letter is U+0400 to U+04FF, led in UTF-8 by 0xD0 to 0xD3.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

// Every case run, in Russian as by default or in English with --lang en:
// the same files either way, the messages in the language chosen.
void RunCases(bool english)
{
    test::TempDir scratch;
    const std::string settings = scratch.Write("Quillmarsh.ini", "");
    int n = 0;
    for (GoldenCase c : Cases()) {
        const std::string out = scratch.File("out" + std::to_string(++n));
        for (std::string& arg : c.args) {
            Replace(arg, "{out}", out);
            Replace(arg, "{settings}", settings);
        }
        if (english) c.args.insert(c.args.end(), {"--lang", "en"});
        SCOPED_TRACE(c.args[0] + " " + c.args[1] + " -> " + c.expected);
        test::CliRun run = test::RunCli(c.args, QM_TEST_DATA, scratch.path());
        Replace(run.out, out, "{out}");
        EXPECT_EQ(run.status, c.status);
        if (english) {
            EXPECT_FALSE(HasCyrillic(run.out)) << run.out;
            EXPECT_FALSE(HasCyrillic(run.err)) << run.err;
            EXPECT_EQ(run.err.empty(), c.err.empty()) << run.err;
            if (!std::getenv("QM_GOLDEN_UPDATE")) CompareFiles(out, c.expected.empty() ? "" : kGolden + c.expected);
        } else {
            EXPECT_EQ(run.out, c.out);
            EXPECT_EQ(run.err, c.err);
            CompareFiles(out, c.expected.empty() ? "" : kGolden + c.expected);
        }
    }
}

TEST(Golden, EveryRunWritesTheCheckedFiles) { RunCases(false); }

TEST(Golden, EveryRunInEnglishWritesTheSameFilesWithEnglishMessages) { RunCases(true); }

}  // namespace
}  // namespace qm
