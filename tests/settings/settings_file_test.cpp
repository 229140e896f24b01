#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace qm {
namespace {

using test::Texts;
const std::string kData = "0;2;255;2;5;20735;5;10;45055;10;15;65535;15;20;53456;20;25;45184;25;30;49248;30;35;53312;"
                          "35;40;57376;40;1000;61456;";
const std::string kOld = "Quillmarsh V1.1 settings file\r\n";

std::string CrLf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Written by hand from the file's documented layout and defaults.
const std::string kDefaultFile = CrLf(
    {"[VERSION]", "VERSION=Quillmarsh V1.2 settings file", "", "[FILES]", "TRACKFILE=", "FOLDERTYPE=0",
     "SUBFOLDER=0", "FOLDERNAME=", "", "[VISUAL]", "TIMEINTRVL=2", "TRACKWIDTH=5", "DISPERSION=50", "SCALENUM=3",
     "CURRENTSCALE=0", "OUTFORMAT=PLT", "", "[SPDSCALE0]", "SCALENAME=1", "SCALEDATA=" + kData, "", "[SPDSCALE1]",
     "SCALENAME=2", "SCALEDATA=" + kData, "", "[SPDSCALE2]", "SCALENAME=3", "SCALEDATA=" + kData, "",
     "[STATISTICS]", "MINSPD=1", "SPLTDIST=1", "MAXBREAK=5", "SPLTTIME=1", "MAXSTOP=60", "MAXSLOPE=350",
     "HGTSPAN=500", "GMTMOD=4", "", "[STATFORMAT]", "SHOWFIELD=YYYYYYYYYYNN", "SHOWLEVEL=YYN", "DECDELIM=,",
     "FIELDDELIM=;", "HORDELIM=-", "NUMDIGITS=1", "", "[MAP]", "TILEURL=https://tile.openstreetmap.org/{z}/{x}/{y}.png",
     "MAPLEFT=0", "MAPTOP=0", "MAPWIDTH=0", "MAPHEIGHT=0", "PROFILEAXIS=auto", "PROFILEMEASURE=none", "",
     "[INTERFACE]", "LANGUAGE=ru"});

// The FILES lines of an old-format file as they were read.
Texts OldLines(const LoadedSettings& loaded)
{
    static const char* const kNames[] = {"TRACKFILE", "FOLDERTYPE", "FOLDERNAME"};
    Texts lines;
    for (const OldFilesLine& line : loaded.OldFiles)
        lines.push_back(kNames[static_cast<int>(line.Name)] + (" " + line.Value));
    return lines;
}

// The whole record as a save would write it: compares every setting at once.
std::string Saved(const Settings& settings, const FilesSettings& files = FilesSettings())
{
    IniFile ini("unused.ini");
    WriteSettings(ini, settings, files);
    return ini.Text();
}

class SettingsFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetCurrentDir(cwd); }
    bool Load(const std::string& text)
    {
        settings = Settings();
        loaded = LoadSettings(dir.Write("Quillmarsh.ini", text), settings);
        files = loaded.PlainFiles();
        return !loaded.Error;
    }
    bool Save()
    {
        settings.StartDir = dir.path();
        return SaveSettings(settings, files, sink);
    }
    std::string FileText() const { return test::ReadAll(dir.File("Quillmarsh.ini")); }

    const std::string cwd = GetCurrentDir();
    test::TempDir dir;
    test::RecordingSink sink;
    Settings settings;
    LoadedSettings loaded;
    FilesSettings files;
};

TEST_F(SettingsFileTest, SaveAndLoadBack)
{
    loaded = LoadSettings(dir.File("Quillmarsh.ini"), settings);  // no file: the defaults
    EXPECT_FALSE(loaded.Error.has_value());
    EXPECT_EQ(Saved(settings, loaded.Files), Saved(Settings()));
    settings.SettingsChanged = true;
    EXPECT_TRUE(Save());
    EXPECT_EQ(FileText(), kDefaultFile);
    EXPECT_EQ(GetCurrentDir(), cwd);

    Settings& s = settings;
    s.TIMEINTRVL = 0.5, s.TRACKWIDTH = 9, s.DISPERSION = -3, s.CURRENTSCALE = 2, s.MINSPD = 1e-6, s.SPLTDIST = false;
    s.MAXBREAK = 123456789012345, s.SPLTTIME = false, s.MAXSTOP = 1e20, s.MAXSLOPE = -0.25, s.HGTSPAN = 0.1 + 0.2;
    s.GMTMOD = -11, s.DECDELIM = ".", s.FIELDDELIM = "§", s.HORDELIM = "=", s.NUMDIGITS = 2;
    s.OUTFORMAT = OutputFormat::Kml;
    s.Scales[1].Name = "Пешком; a,b";
    s.Scales[2].Categories[9] = {41, 990, 0x00FF8040};
    s.SHOWFIELD = {false, true, false, true, false, true, false, true, false, true, false, true};
    s.SHOWLEVEL = {false, false, true};
    s.TILEURL = "", s.MAPLEFT = -20, s.MAPTOP = 30, s.MAPWIDTH = 900, s.MAPHEIGHT = 700;  // no tiles: a grid
    s.PROFILEAXIS = ProfileAxisChoice::Distance, s.PROFILEMEASURE = Measure::HeartRate;
    s.COLOURBY = ColourMeasure::Grade;
    s.LANGUAGE = Language::English;
    files = {"\"/my tracks/day 1.plt\" \"/b.fit\"", 2, true, "/out/Alps/", "Alps"};
    ASSERT_TRUE(Save());
    EXPECT_NE(FileText().find("FIELDDELIM=§\r\n"), std::string::npos);
    EXPECT_NE(FileText().find("FOLDERNAME=/out/Alps/\r\nTRIPNAME=Alps\r\n"), std::string::npos);

    Settings again;
    again.SettingsChanged = true;
    loaded = LoadSettings(dir.File("Quillmarsh.ini"), again);
    EXPECT_FALSE(loaded.Error.has_value() || again.SettingsChanged);
    EXPECT_TRUE(loaded.OldFiles.empty());
    EXPECT_EQ(Saved(again, loaded.Files), Saved(settings, files));
    EXPECT_TRUE(sink.messages.empty() && sink.errors.empty());
}

TEST_F(SettingsFileTest, ValuesReadLeniently)
{
    const std::pair<std::string, std::function<void(Settings&)>> cases[] = {
        {"[STATFORMAT]\nSHOWFIELD=YYY", [](Settings& s) { s.SHOWFIELD = {true, true, true}; }},
        {"[INTERFACE]\nLANGUAGE=en", [](Settings& s) { s.LANGUAGE = Language::English; }},
        {"[INTERFACE]\nLANGUAGE=EN", [](Settings&) {}},
        {"[INTERFACE]\nLANGUAGE=de", [](Settings&) {}},
        {"[STATFORMAT]\nshowfield=yYnYYYYYYYYYYYY\nSHOWLEVEL=NNNY", [](Settings& s) {
             s.SHOWFIELD = {false, true, false, true, true, true, true, true, true, true, true, true};
             s.SHOWLEVEL = {};
         }},
        {"[STATFORMAT]\nDECDELIM=.;\nFIELDDELIM=\nHORDELIM= *",
         [](Settings& s) { s.DECDELIM = ".", s.HORDELIM = "*"; }},
        // A multi-byte character is taken whole; a control character is no delimiter.
        {"[STATFORMAT]\nDECDELIM=\u2116x\nFIELDDELIM=\x01|\nHORDELIM=\u0085", [](Settings& s) { s.DECDELIM = "\u2116"; }},
        {std::string("[STATFORMAT]\nDECDELIM=\0.\nHORDELIM=\x7f", 35), [](Settings&) {}},
        {"[VISUAL]\nTIMEINTRVL=2.5\nTRACKWIDTH=$A", [](Settings& s) { s.TIMEINTRVL = 2.5, s.TRACKWIDTH = 10; }},
        {"[STATISTICS]\nSPLTDIST=0\nSPLTTIME=-1", [](Settings& s) { s.SPLTDIST = false; }},
        {"[VISUAL]\nCURRENTSCALE=3", [](Settings&) {}},
        {"[VISUAL]\nOUTFORMAT=gpx", [](Settings& s) { s.OUTFORMAT = OutputFormat::Gpx; }},
        {"[VISUAL]\nOUTFORMAT=KML ", [](Settings& s) { s.OUTFORMAT = OutputFormat::Kml; }},
        {"[VISUAL]\nOUTFORMAT=SVG", [](Settings&) {}},
        {"[MAP]\nPROFILEAXIS=Time\nPROFILEMEASURE=power", [](Settings& s) {
             s.PROFILEAXIS = ProfileAxisChoice::Time, s.PROFILEMEASURE = Measure::Power;
         }},
        {"[MAP]\nPROFILEAXIS=1\nPROFILEMEASURE=pulse", [](Settings&) {}},
        {"[MAP]\nCOLOURBY=Heart-Rate", [](Settings& s) { s.COLOURBY = ColourMeasure::HeartRate; }},
        {"[MAP]\nCOLOURBY=slope", [](Settings&) {}},
        {"[VISUAL]\nCURRENTSCALE=-1", [](Settings&) {}},
        {"[SPDSCALE1]\nSCALENAME=\n[SPDSCALE2]\nSCALEDATA= " + kData.substr(0, 8) + "1;1;1;" + kData.substr(18) +
             "\n[spdscale0]\nScaleName= Fast ",
         [](Settings& s) { s.Scales[1].Name = "", s.Scales[0].Name = "Fast", s.Scales[2].Categories[1] = {1, 1, 1}; }},
        {"Quillmarsh V1.1 settings file \n[VISUAL]\nTRACKWIDTH=7", [](Settings& s) { s.TRACKWIDTH = 7; }},
    };
    for (const auto& [text, change] : cases) {
        EXPECT_TRUE(Load(text)) << text;
        Settings expected;
        change(expected);
        EXPECT_EQ(Saved(settings), Saved(expected)) << text;
    }
    EXPECT_TRUE(Load("[FILES]\nFOLDERTYPE=7"));  // passed on as read
    EXPECT_EQ(loaded.Files.FOLDERTYPE, 7);

}

TEST_F(SettingsFileTest, FileOverOneMebibyteIsNotRead)
{
    std::string text = "[VISUAL]\r\nTIMEINTRVL=7\r\n[S]\r\n";
    text.resize(1 << 20, 'k');
    EXPECT_TRUE(Load(text));
    EXPECT_EQ(settings.TIMEINTRVL, 7);

    EXPECT_FALSE(Load(text + "\n"));
    EXPECT_EQ(Saved(settings), Saved(Settings()));
    EXPECT_STREQ(loaded.Error->what(), "Файл больше 1 МиБ");
}

// A settings file that is there but was not read in full is never replaced:
// the save says so and writes nothing, whatever changed. (Unreadable by its
// permissions needs a user other than root: the window tests under X.)
TEST_F(SettingsFileTest, FileNotReadInFullIsKept)
{
    std::string big = "[VISUAL]\r\nTIMEINTRVL=7\r\n";
    big.resize((1 << 20) + 1, 'k');
    const std::string path = dir.File("Quillmarsh.ini");
    // How the file is made, the load's error.
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { dir.Write("Quillmarsh.ini", big); }, "Файл больше 1 МиБ"},
        {[&] { dir.Write("Quillmarsh.ini", "[VISUAL]\nTIMEINTRVL=7\n[SPDSCALE0]\nSCALEDATA=0;2;x;\n[STATISTICS]\nMINSPD=3\n"
                                              "[INTERFACE]\nLANGUAGE=en\n"); },
         "'x' is not a valid integer value"},
        {[&] { std::filesystem::create_directory(path); }, "Это каталог"},
#ifndef _WIN32
        {[&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, "Это не обычный файл"},
#endif
    };
    for (const auto& [make, error] : cases) {
        SCOPED_TRACE(error);
        std::filesystem::remove_all(path);
        make();
        const auto before = std::filesystem::status(path).type();
        const std::string text = std::filesystem::is_regular_file(path) ? FileText() : "";
        settings = Settings();
        loaded = LoadSettings(path, settings);
        ASSERT_TRUE(loaded.Error.has_value());
        EXPECT_EQ(loaded.Error->what(), error);
        EXPECT_TRUE(settings.KeepSettingsFile);
        EXPECT_EQ(settings.TIMEINTRVL, error.starts_with("'x'") ? 7 : 2);
        // The language is read even after the value that stopped the load.
        EXPECT_EQ(settings.LANGUAGE, error.starts_with("'x'") ? Language::English : Language::Russian);

        sink = test::RecordingSink();
        settings.SettingsChanged = true;
        EXPECT_TRUE(Save());
        EXPECT_EQ(sink.messages, Texts{"Настройки не сохранены: файл настроек \"" + path +
                                       "\" не был прочитан и остается без изменений."});
        EXPECT_EQ(std::filesystem::status(path).type(), before);
        if (!text.empty()) {
            EXPECT_EQ(FileText(), text);
        }
    }

    // A file that cannot be read at the save is not replaced either.
    std::filesystem::remove_all(path);
    settings = Settings();
    ASSERT_TRUE(LoadSettings(path, settings).Error == std::nullopt);
    std::filesystem::create_directory(path);
    sink = test::RecordingSink();
    settings.SettingsChanged = true;
    EXPECT_TRUE(Save());
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SettingsFileTest, OldFormatImport)
{
    std::string bands;
    for (int i = 0; i < 10; ++i)
        bands += std::to_string(i) + ".5," + std::to_string(i + 1) + ".5," + std::to_string(i) + "\r\n";
    EXPECT_TRUE(Load(kOld + "# TRACKWIDTH=3\r\nFOLDERNAME=/early\r\nTRACKFILE=/gps/a.plt\r\nFOLDERTYPE=2\r\n"
                            "FOLDERNAME=/out\r\nTIMEINTRVL=3\r\nTRACKWIDTH=10\r\ntrackwidth=4\r\n TIMEINTRVL=9\r\n"
                            "SUBFOLDER=1\r\nMINSPD=9\r\nno equals sign\r\nSCALENUM=2\r\nCURRENTSCALE=1\r\n"
                            "SCALENAME=Walk\r\nSCALEDATA=\r\n" + bands + "SCALEDATA=anything\r\n" + bands +
                     "SCALENAME=Car\r\nSCALEDATA=\r\n" + bands));
    EXPECT_EQ(OldLines(loaded),
              (Texts{"FOLDERNAME /early", "TRACKFILE /gps/a.plt", "FOLDERTYPE 2", "FOLDERNAME /out"}));
    EXPECT_EQ(Saved(Settings(), files), Saved(Settings(), {"/gps/a.plt", 2, false, "/out", ""}));
    Settings expected;
    expected.TIMEINTRVL = 3, expected.TRACKWIDTH = 10, expected.CURRENTSCALE = 1, expected.Scales[0].Name = "Walk";
    for (int k : {0, 1})
        for (int i = 0; i < 10; ++i) expected.Scales[k].Categories[i] = {i + 0.5, i + 1.5, i};
    EXPECT_EQ(Saved(settings, files), Saved(expected, files));
    EXPECT_EQ(settings.Scales[0].Categories[2].Lower, 2.5);  // kept as read until written

    // Lines; the FILES lines kept or the error they give; the folder type and
    // name they leave without a look at the file system.
    const std::tuple<std::string, Texts, std::string> cases[] = {
        {"FOLDERTYPE=1\r\nFOLDERNAME=/out\r\n", {"FOLDERTYPE 1", "FOLDERNAME /out"}, "2 /out"},
        {"TRACKFILE=\r\nFOLDERTYPE=1\r\n", {"FOLDERTYPE 1"}, "2 "},
        {"TRACKFILE=/t.plt\r\nFOLDERTYPE=1\r\nFOLDERNAME=/o\r\n", {"TRACKFILE /t.plt", "FOLDERTYPE 1", "FOLDERNAME /o"},
         "1 "},
        {"FOLDERTYPE=3\r\nFOLDERTYPE=-1\r\nFOLDERTYPE=\r\n", {}, "0 "},
        {"FOLDERTYPE=10\r\n", {"FOLDERTYPE 10"}, "10 "},
        {"SCALENUM=0\r\nSCALENAME=x\r\nSCALEDATA=\r\n0,2,255\r\n", {}, "0 "},
        {"TIMEINTRVL=2.5\r\n", {"'2.5' is not a valid integer value"}, "0 "},
        {"SCALEDATA=\r\n0,2,255\r\n2,5\r\n", {"'' is not a valid floating point value"}, "0 "},
    };
    for (const auto& [lines, effects, folder] : cases) {
        bool fails = !effects.empty() && effects[0][0] == '\'';
        EXPECT_EQ(Load(kOld + lines), !fails) << lines;
        EXPECT_EQ(fails ? Texts{loaded.Error ? loaded.Error->what() : ""} : OldLines(loaded), effects) << lines;
        EXPECT_EQ(std::to_string(files.FOLDERTYPE) + " " + files.FOLDERNAME, folder) << lines;
    }
    // Out-of-range values are not taken.
    Load(kOld + "TRACKWIDTH=0\r\nCURRENTSCALE=5\r\nTIMEINTRVL=0\r\nTRACKWIDTH=95\r\nSCALENAME=A\r\n");
    expected = Settings();
    expected.Scales[0].Name = "A";
    EXPECT_EQ(Saved(settings), Saved(expected));
}

TEST_F(SettingsFileTest, Windows1251FilesAreReadAndSavedAsUtf8)
{
    // "Пешком" and "Свои" in Windows-1251, in both forms of the file.
    EXPECT_TRUE(Load("[SPDSCALE0]\r\nSCALENAME=\xCF\xE5\xF8\xEA\xEE\xEC\r\n[MINE]\r\nkeep=\xD1\xE2\xEE\xE8\r\n"));
    EXPECT_EQ(settings.Scales[0].Name, "Пешком");
    settings.StartDir = dir.path();
    settings.SettingsChanged = true;
    EXPECT_TRUE(Save());
    EXPECT_NE(FileText().find("SCALENAME=Пешком\r\n"), std::string::npos);
    EXPECT_NE(FileText().find("[MINE]\r\nkeep=Свои\r\n"), std::string::npos);

    EXPECT_TRUE(Load(kOld + "SCALENAME=\xCF\xE5\xF8\xEA\xEE\xEC\r\n"));
    EXPECT_EQ(settings.Scales[0].Name, "Пешком");
    EXPECT_TRUE(Load("[SPDSCALE0]\r\nSCALENAME=Пешком\r\n"));
    EXPECT_EQ(settings.Scales[0].Name, "Пешком");
}

TEST_F(SettingsFileTest, SaveWritesOnlyWhenChangedAndReplacesInPlace)
{
    EXPECT_TRUE(Save());
    EXPECT_FALSE(FileExists(dir.File("Quillmarsh.ini")));
    const std::string existing = "[FILES]\r\nTRACKFILE=/old.plt\r\n[MINE]\r\nkeep=1\r\n[VISUAL]\r\nTIMEINTRVL=9\r\n";
    dir.Write("Quillmarsh.ini", existing);
    EXPECT_TRUE(Save());
    EXPECT_EQ(FileText(), existing);

    settings.SettingsChanged = true;
    files.TRACKFILE = "/new.plt";
    EXPECT_TRUE(Save());
    const std::string start = CrLf({"[FILES]", "TRACKFILE=/new.plt", "FOLDERTYPE=0", "SUBFOLDER=0", "FOLDERNAME=",
                                    "[MINE]", "keep=1", "[VISUAL]", "TIMEINTRVL=2", "TRACKWIDTH=5", "DISPERSION=50",
                                    "SCALENUM=3", "CURRENTSCALE=0", "OUTFORMAT=PLT", "", "[VERSION]",
                                    "VERSION=Quillmarsh V1.2 settings file", "", "[SPDSCALE0]"});
    EXPECT_EQ(FileText().substr(0, start.size()), start);

    // An old-format file forces the save and is replaced by the INI form.
    dir.Write("Quillmarsh.ini", kOld + "TRACKWIDTH=7\r\n");
    settings.SettingsChanged = false;
    files.TRACKFILE = "";
    EXPECT_TRUE(Save());
    EXPECT_TRUE(settings.SettingsChanged);
    EXPECT_EQ(FileText(), kDefaultFile);
    EXPECT_TRUE(sink.messages.empty() && sink.errors.empty());

    // Failures that keep the old file are the robustness tests' part.
    settings.StartDir = dir.File("missing");
    EXPECT_FALSE(SaveSettings(settings, files, sink));
    EXPECT_EQ(sink.errors, Texts{"Не удается записать в файл " + dir.File("missing/Quillmarsh.ini")});
}

// The tracks opened last in a section of their own after every other one;
// what a hand may have put there is read by the list's rules.
TEST_F(SettingsFileTest, RecentTracksInASectionOfTheirOwn)
{
    for (const char* path : {"/a.plt", "/дни/день 1.gpx", "/b.plt"}) settings.RECENT.Opened(path);
    settings.SettingsChanged = true;
    ASSERT_TRUE(Save());
    EXPECT_EQ(FileText(), kDefaultFile + CrLf({"", "[RECENT]", "TRACK1=/b.plt", "TRACK2=/дни/день 1.gpx", "TRACK3=/a.plt"}));
    Settings again;
    LoadSettings(dir.File("Quillmarsh.ini"), again);
    EXPECT_EQ(again.RECENT.Paths(), settings.RECENT.Paths());

    const std::string tooLong = "/" + std::string(RecentTracks::kMaxPathLength, 'x');
    ASSERT_TRUE(Load(CrLf({"[RECENT]", "TRACK3=/c.plt", "TRACK1=/a.plt", "TRACK11=/k.plt", "OTHER=/o.plt",
                           "TRACK2=" + tooLong, "TRACK4=", "TRACK5=/a.plt", "TRACK6= /f.plt ", "[VISUAL]",
                           "TRACK7=/v.plt"})));
    EXPECT_EQ(settings.RECENT.Paths(), (Texts{"/a.plt", "/c.plt", "/f.plt"}));
    // A shorter list empties the keys it no longer fills and leaves the rest.
    settings.RECENT.Opened("/c.plt");
    settings.SettingsChanged = true;
    ASSERT_TRUE(Save());
    const std::string text = FileText();
    EXPECT_EQ(text.substr(0, text.find("[VISUAL]")),
              CrLf({"[RECENT]", "TRACK3=/f.plt", "TRACK1=/c.plt", "TRACK11=/k.plt", "OTHER=/o.plt", "TRACK2=/a.plt",
                    "TRACK4=", "TRACK5=", "TRACK6="}));
}

// The colour scales in sections of their own, written only once they differ
// from the defaults or the file has them: a file without them is written
// back as it was but for what changed.
TEST_F(SettingsFileTest, ColourScalesInSectionsOfTheirOwn)
{
    std::string existing = kDefaultFile;
    existing.replace(existing.find("TIMEINTRVL=2"), 12, "TIMEINTRVL=9");
    ASSERT_TRUE(Load(existing));
    settings.SettingsChanged = true;
    ASSERT_TRUE(Save());
    EXPECT_EQ(FileText(), existing);
    settings.TIMEINTRVL = 2;
    ASSERT_TRUE(Save());
    EXPECT_EQ(FileText(), kDefaultFile);

    ScaleOf(settings.ColourScales, ColourMeasure::Grade).Colors = {255, 65280};
    settings.MAXHR = 180.5;
    ScaleOf(settings.ColourScales, ColourMeasure::Temperature).Bounds = {};
    ASSERT_TRUE(Save());
    EXPECT_EQ(FileText(), kDefaultFile + CrLf({"", "[GRADE]", "COLORS=255;65280;", "", "[HEARTRATE]", "MAXHR=180.5", "",
                                        "[TEMPERATURE]", "BOUNDS="}));
    Settings again;
    LoadSettings(dir.File("Quillmarsh.ini"), again);
    EXPECT_EQ(Saved(again), Saved(settings));
    // Back at the defaults, the keys the file has stay.
    settings = Settings(), settings.SettingsChanged = true;
    ASSERT_TRUE(Save());
    EXPECT_NE(FileText().find("MAXHR=190\r\n"), std::string::npos);

    const struct {
        std::string text;
        std::function<void(Settings&)> change;  // what the file gives
        std::string error;                      // or the error that stops the load, at line 2
    } cases[] = {
        {"[POWER]\nFTP=250.5\nBOUNDS=50;100\nCOLORS=1;2;3", [](Settings& s) {
             s.FTP = 250.5, ScaleOf(s.ColourScales, ColourMeasure::Power) = {{50, 100}, {1, 2, 3}};
         }, ""},
        {"[HEARTRATE]\nMAXHR=abc", [](Settings&) {}, ""},
        {"[HEARTRATE]\nMAXHR=0", [](Settings&) {}, ""},
        // What the settings dialog would refuse.
        {"[HEARTRATE]\nMAXHR=260\n[POWER]\nFTP=2500", [](Settings&) {}, ""},
        {"[HEARTRATE]\nMAXHR=250\n[POWER]\nFTP=50", [](Settings& s) { s.MAXHR = 250, s.FTP = 50; }, ""},
        {"[HEIGHT]\nBOUNDS=200;100", nullptr, "Границы полос шкалы: не больше 31 возрастающих чисел от -1000000 до 1000000."},
        {"[GRADE]\nBOUNDS=1;1", nullptr, "Границы полос шкалы: не больше 31 возрастающих чисел от -1000000 до 1000000."},
        {"[GRADE]\nBOUNDS=1;;2", nullptr, "'' is not a valid floating point value"},
        {"[CADENCE]\nBOUNDS=1e7", nullptr, "Границы полос шкалы: не больше 31 возрастающих чисел от -1000000 до 1000000."},
        {"[CADENCE]\nBOUNDS=20;x;", nullptr, "'x' is not a valid floating point value"},
        {"[CADENCE]\nCOLORS=", nullptr, "Цвета полос шкалы: от 1 до 32 целых чисел от 0 до 16777215."},
        {"[CADENCE]\nCOLORS=16777216", nullptr, "Цвета полос шкалы: от 1 до 32 целых чисел от 0 до 16777215."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Load(c.text), c.error.empty());
        if (c.error.empty()) {
            Settings expected;
            c.change(expected);
            EXPECT_EQ(Saved(settings), Saved(expected));
        } else {
            EXPECT_EQ(loaded.Error->what(), c.error);
            EXPECT_EQ(loaded.Error->Line(), 2);
        }
    }
    std::string many = "[TEMPERATURE]\nBOUNDS=";
    for (int bound = 1; bound <= 32; ++bound) many += std::to_string(bound) + ";";
    EXPECT_FALSE(Load(many));
    EXPECT_TRUE(Load(many.substr(0, many.rfind("32;"))));
    EXPECT_EQ(ScaleOf(settings.ColourScales, ColourMeasure::Temperature).Bounds.size(), 31u);
}

}  // namespace
}  // namespace qm
