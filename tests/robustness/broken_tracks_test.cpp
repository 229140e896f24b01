// The broken-track corpus (tests/data/broken, outcomes.txt) and the broken
// tracks too big or too special to keep as files: each gives its message or
// error, the commands report no success and write nothing, and the track file
// stays as it was.
#include "robustness/robustness_support.h"

#include "platform/date_time_text.h"
#include "platform/error.h"
#include "platform/path_text.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "commands/statistics.h"
#include "support/test_support.h"
#include "formats/track_reader.h"
#include "commands/command_test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#ifndef _WIN32
#include "robustness/system_limits.h"

#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qm {
namespace {

using Texts = std::vector<std::string>;
using Names = std::set<std::string>;

const std::string kHeader = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                            "Reserved 3\r\n0,2,255,Broken,0,0,2,8421376\r\n3\r\n";
const std::string kPoint1 = "55.750000,37.610000,0,500,40000.5000000,,\r\n";
const std::string kPoint2 = "55.751000,37.612000,0,505,40000.5010000,,\r\n";

// One line of outcomes.txt.
struct Outcome {
    std::string file;
    int32_t points = 0;
    std::string kind;  // "message", "error" or empty
    std::string text;
};

std::string Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char c = text[++i];
        out += c == '0' ? '\0' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return out;
}

std::vector<Outcome> ReadOutcomes()
{
    std::ifstream in(QM_TEST_DATA "/broken/outcomes.txt");
    std::vector<Outcome> outcomes;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> columns;
        std::istringstream split(line);
        for (std::string column; std::getline(split, column, '\t');) columns.push_back(column);
        Outcome o{columns.at(0), std::stoi(columns.at(1)), "", ""};
        if (columns.size() > 2) {
            o.kind = columns.at(2);
            o.text = Unescape(columns.at(3));
        }
        outcomes.push_back(o);
    }
    return outcomes;
}

// What the reader made of a file: its points and what it showed.
struct ReadResult {
    int32_t points = 0;
    Texts messages;
    std::string error;
};

ReadResult Read(const std::string& path)
{
    ReadResult result;
    TrackReading reading = LoadTrack(path);
    if (reading.Track) result.points = static_cast<int32_t>(reading.Track->Points.size());
    for (const Message& message : reading.Messages) {
        if (message.IsError)
            result.error = message.Text;
        else
            result.messages.push_back(message.Text);
    }
    return result;
}

// The outcome's text with "{file}" standing for the path the file was read from.
std::string TextOf(const Outcome& expected, const std::string& path)
{
    std::string text = expected.text;
    if (const size_t at = text.find("{file}"); at != std::string::npos) text.replace(at, 6, path);
    return text;
}

void ExpectOutcome(const ReadResult& result, const Outcome& expected, const std::string& path)
{
    EXPECT_EQ(result.points, expected.points);
    EXPECT_EQ(result.messages, expected.kind == "message" ? Texts{TextOf(expected, path)} : Texts{});
    EXPECT_EQ(result.error, expected.kind == "error" ? TextOf(expected, path) : "");
}

TEST(BrokenTracks, EveryFileOfTheCorpusGivesItsOutcome)
{
    UseFixedDateTimeFormats();
    const std::vector<Outcome> outcomes = ReadOutcomes();
    ASSERT_GE(outcomes.size(), 60u);
    for (const Outcome& expected : outcomes) {
        SCOPED_TRACE(expected.file);
        const std::string path = QM_TEST_DATA "/broken/" + expected.file;
        ExpectOutcome(Read(path), expected, path);
    }
}

// Both commands on every file: a track that cannot be used is never reported
// as processed and leaves the output directory empty; the input is never touched.
TEST(BrokenTracks, CommandsReportTheFailureWriteNothingAndLeaveTheTrack)
{
    UseFixedDateTimeFormats();
    for (const Outcome& expected : ReadOutcomes()) {
        SCOPED_TRACE(expected.file);
        test::TempDir dir;
        const std::string track = dir.Write(expected.file, test::ReadAll(QM_TEST_DATA "/broken/" + expected.file));
        const test::FileState before = test::StateOf(track);
        const std::string out = dir.File("out");

        test::RecordingSink sink;
        Settings settings;
        bool processed =
            test::VisualiseAndShow(track, out, settings, sink);
        EXPECT_EQ(processed, expected.points > 0);
        if (processed) {
            EXPECT_EQ(sink.messages.back(), "трек обработан");
            EXPECT_TRUE(test::FileNames(out).count(OutputName(expected.file, "_stop.wpt")));
        } else {
            EXPECT_EQ(test::FileNames(out), Names{});
            EXPECT_FALSE(test::HasTemporaryFiles(out));
            EXPECT_EQ(sink.messages, expected.kind == "message" ? Texts{TextOf(expected, track)} : Texts{});
            EXPECT_EQ(sink.errors, expected.kind == "error" ? Texts{TextOf(expected, track)} : Texts{});
        }

        test::RecordingSink statSink;
        std::optional<StatTable> computed = TrackStatistics(track, settings, statSink);
        EXPECT_EQ(computed.has_value(), expected.points > 0);
        const StatTable table = computed.value_or(StatTable());
        EXPECT_EQ(table.empty(), expected.points == 0);
        // Every line of the TXT table as long as its header.
        Report report = BuildReport(table, settings, track, out, ReportFormat::Txt);
        for (size_t i = 2; i < report.Lines.size(); ++i) EXPECT_EQ(report.Lines[i].size(), report.Lines[1].size());
        EXPECT_EQ(test::StateOf(track), before);
    }
}

TEST(BrokenTracks, ByteOrderMarkStaysInTheHeaderOfTheBandFiles)
{
    test::TempDir dir;
    const std::string track = QM_TEST_DATA "/broken/utf8-bom.plt";
    test::RecordingSink sink;
    Settings settings;
    ASSERT_TRUE(test::VisualiseAndShow(track, dir.path(), settings, sink));
    EXPECT_EQ(test::ReadAll(dir.File("utf8-bom_10.plt")).substr(0, 45),
              "\xef\xbb\xbfOziExplorer Track Point File Version 2.1\r\n");
}

TEST(BrokenTracks, FiftyMegabyteLines)
{
    const std::string big(50 << 20, 'x');
    test::TempDir dir;
    test::RecordingSink sink;

    // Kept byte for byte when it is the first line and holds the marker.
    const std::string header = big + "OziExplorer Track Point File";
    const std::string rest = kHeader.substr(kHeader.find('\r')) + kPoint1 + kPoint2;
    const std::string path = dir.Write("long-first-line.plt", header + rest);
    TrackReading reading = LoadTrack(path);
    ASSERT_TRUE(reading.Track.has_value());
    EXPECT_EQ(reading.Track->Points.size(), 2u);
    EXPECT_TRUE(reading.Plt->Header[0] == header);

    // Ignored behind the fifth comma of a point line.
    const std::string longPoint = "55.751,37.612,0,505,40000.501," + big;
    EXPECT_EQ(Read(dir.Write("long-point-line.plt", kHeader + kPoint1 + longPoint)).points, 2);

    const std::string noMarker = dir.Write("no-marker.plt", big + "\r\n" + kHeader);
    EXPECT_EQ(Read(noMarker).messages,
              Texts{"Неверный формат трека! Текст файла " + noMarker +
                    " не является треком ни одного из читаемых форматов: OziExplorer .plt, GPX, TCX, KML, KMZ, FIT, IGC, "
                    "NMEA."});
    const std::string longField = std::string(50 << 20, '7') + ",37.61,0,500,40000.5,,\r\n";
    EXPECT_EQ(Read(dir.Write("long-field.plt", kHeader + longField)).error,
              "'" + std::string(80, '7') + "…' is not a valid floating point value");
}

TEST(BrokenTracks, AMillionBlankLines)
{
    std::string blank;
    for (int i = 0; i < 1'000'000; ++i) blank += "\r\n";
    test::TempDir dir;
    EXPECT_EQ(Read(dir.Write("between.plt", kHeader + kPoint1 + blank + kPoint2 + blank)).points, 2);
    // Right after line 6 the first blank line is the first point line.
    EXPECT_EQ(Read(dir.Write("before.plt", kHeader + blank + kPoint1 + kPoint2)).messages,
              Texts{"В треке нет данных о времени."});
}

TEST(BrokenTracks, AFileBeyondAGigabyteIsAReadError)
{
    test::TempDir dir;
    const std::string path = dir.File("image.plt");
    // A sparse file: 2 GB of zero bytes that take no disk space.
    std::ofstream(path).close();
    std::filesystem::resize_file(path, uintmax_t{2} << 30);
    EXPECT_EQ(Read(path).error, "Не удалось прочитать файл \"" + path + "\". Файл слишком велик");
}

TEST(BrokenTracks, WhatIsNoRegularFileIsNeverRead)
{
    test::TempDir dir;
#ifdef _WIN32
    // Devices Windows names like files, in any folder.
    for (const std::string device : {"NUL", "CON", "nul.plt", "COM1"})
        EXPECT_EQ(Read(dir.File(device)).messages, Texts{"Не удалось открыть файл трека."}) << device;
#else
    const std::string fifo = dir.File("fifo.plt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    // Opening a FIFO for reading waits for a writer: end the test instead of hanging.
    ::alarm(20);
    EXPECT_EQ(Read(fifo).messages, Texts{"Не удалось открыть файл трека."});
    // An endless stream of zero bytes, and nothing at all.
    EXPECT_EQ(Read("/dev/zero").messages, Texts{"Не удалось открыть файл трека."});
    EXPECT_EQ(Read("/dev/null").messages, Texts{"Не удалось открыть файл трека."});
    ::alarm(0);
#endif
    EXPECT_EQ(Read(dir.path()).messages, Texts{"Файл трека не найден!"});
    EXPECT_EQ(Read(dir.File("missing.plt")).messages, Texts{"Файл трека не найден!"});
}

#ifndef _WIN32
TEST(BrokenTracksDeathTest, AFileWithoutReadPermission)
{
    test::TempDir dir;
    const std::string path = dir.Write("locked.plt", kHeader + kPoint1 + kPoint2);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    // Root reads every file: the reader runs in a child process without root's rights.
    EXPECT_EXIT(
        {
            test::DropRootRights();
            ReadResult result = Read(path);
            std::cerr << (result.messages.empty() ? "no message" : result.messages[0]);
            std::exit(result.points);
        },
        ::testing::ExitedWithCode(0), "^Не удалось открыть файл трека\\.$");
}

// Names on Windows are UTF-16: a byte that is no UTF-8 cannot be in one.
TEST(BrokenTracks, APathWithNonAsciiBytes)
{
    UseFixedDateTimeFormats();
    test::TempDir dir;
    // UTF-8 Cyrillic, and a Latin-1 byte that is no UTF-8 at all.
    const std::string name = "трек-\xe9";
    ASSERT_EQ(::mkdir(dir.File(name).c_str(), 0755), 0);
    const std::string track = dir.Write(name + "/" + name + ".plt", kHeader + kPoint1 + kPoint2);
    const std::string out = dir.File(name + "/выход");
    test::RecordingSink sink;
    Settings settings;
    ASSERT_TRUE(test::VisualiseAndShow(track, out, settings, sink));
    EXPECT_EQ(test::FileNames(out), (Names{name + "_10.plt", name + "_stop.wpt"}));

    std::optional<StatTable> table = TrackStatistics(track, settings, sink);
    ASSERT_TRUE(table.has_value());
    Report report = BuildReport(*table, settings, track, out, ReportFormat::Csv);
    EXPECT_EQ(report.Lines[0], "File: " + track);
    EXPECT_EQ(report.FileName, out + "/" + name + "_stat.csv");
}
#endif

// The longest names a directory takes: the files are first written under a
// temporary name, which must fit as well.
TEST(BrokenTracks, ATrackNameOfMaximumLength)
{
    test::TempDir dir;
    const std::string name(255 - std::string("_stat.txt").size(), 'n');
    const std::string track = dir.Write(name + ".plt", kHeader + kPoint1 + kPoint2);
    test::RecordingSink sink;
    Settings settings;
    ASSERT_TRUE(test::VisualiseAndShow(track, dir.path(), settings, sink));
    EXPECT_EQ(test::FileNames(dir.path()), (Names{name + ".plt", name + "_10.plt", name + "_stop.wpt"}));

    std::optional<StatTable> table = TrackStatistics(track, settings, sink);
    ASSERT_TRUE(table.has_value());
    SaveReport(BuildReport(*table, settings, track, dir.path(), ReportFormat::Txt));
    EXPECT_TRUE(test::FileNames(dir.path()).count(name + "_stat.txt"));
    EXPECT_EQ(sink.errors, Texts{});
}

}  // namespace
}  // namespace qm
