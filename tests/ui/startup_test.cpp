#include "ui_harness.h"

#include "ui/interface_language.h"
#include "ui/widgets/color_box.h"
#include "ui/widgets/radio_group.h"
#include "version.h"

#include <QGroupBox>
#include <QProcess>
#include <QPushButton>

#include <filesystem>

#include <gtest/gtest.h>

#include <filesystem>

namespace qm::test {
namespace {

int FolderType(Program& program) { return Find<RadioGroup>(program.Main(), "RGoutputDir")->ItemIndex(); }

TEST(Startup, FirstRunShowsDefaultsInFourWindows)
{
    Program program;
    AppWindows& w = program.windows;
    EXPECT_EQ(w.main->windowTitle(), "Quillmarsh " QUILLMARSH_VERSION);
    EXPECT_EQ(w.settingsDialog->windowTitle(), "Настройки расчета и вывода");
    EXPECT_EQ(w.scaleEditor->windowTitle(), "ScaleSelect");
    EXPECT_EQ(w.statisticsWindow->windowTitle(), "Статистика по треку");
    EXPECT_TRUE(w.scaleEditor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.settingsDialog->isHidden() && w.scaleEditor->isHidden() && w.statisticsWindow->isHidden());

    MainWindow& main = program.Main();
    EXPECT_TRUE(program.dialogs.boxes.empty());
    EXPECT_EQ(FolderType(program), kStartFolder);
    auto* output = Find<QLineEdit>(main, "EoutputDir");
    EXPECT_EQ(output->text().toStdString(), program.dir.path() + "/");
    EXPECT_FALSE(output->isEnabled());
    EXPECT_EQ(Find<QGroupBox>(main, "SpdCatBox")->title(), "\"1\"");
    EXPECT_EQ(Find<ColorBox>(main, "SpdCat1")->text(), "2");
    EXPECT_EQ(program.settings.StartDir, program.dir.path());
    // The folder-type rule at the end of start-up marks the settings changed.
    EXPECT_TRUE(program.settings.SettingsChanged);

    program.Start();
    EXPECT_TRUE(Find<QPushButton>(main, "BtnPrFiles")->isEnabled());
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_NE(w.statisticsWindow->minimumSize(), w.statisticsWindow->maximumSize());
}

// The box of the folder rule in the language the file names.
TEST(Startup, ReadsSettingsBeforeTheOtherWindowsExist)
{
    for (const auto& [language, box] : {std::pair{"ru", "Трек не выбран"}, std::pair{"en", "No track chosen"}}) {
        SCOPED_TRACE(language);
        Program program("[FILES]\r\nTRACKFILE={dir}/gone.plt\r\nFOLDERTYPE=1\r\n[INTERFACE]\r\nLANGUAGE=" +
                        std::string(language) + "\r\n");
        EXPECT_EQ(program.dialogs.boxes, Texts{box});
        EXPECT_EQ(program.dialogs.windowsAtBox, std::vector<std::vector<std::string>>{{"Form1"}});
        EXPECT_EQ(Text(program.Main(), "trackPlt"), "");
        EXPECT_EQ(FolderType(program), kTypedFolder);
        EXPECT_TRUE(program.settings.SettingsChanged);
    }
    InstallInterfaceLanguage(Language::Russian);
}

// A settings file that is there but was not read in full: one box at start
// names it and the reason, the program runs on what it read and the defaults,
// and the close leaves the file as it was, saying so.
TEST(Startup, SettingsFileNotReadInFullIsReportedAndKept)
{
    const std::string kept = "\nНастройки, которые не удалось прочитать, взяты по умолчанию. При выходе этот файл не "
                             "будет перезаписан.";
    const std::tuple<std::string, std::vector<std::string>, std::string> cases[] = {  // file, files, reason
        {"[VISUAL]\r\nTIMEINTRVL=7\r\n[SPDSCALE1]\r\nSCALEDATA=0;2;x;\r\n[STATISTICS]\r\nMINSPD=3\r\n", {},
         " (строка 4): 'x' is not a valid integer value."},
        {"", {"Quillmarsh.ini/"}, ": Это каталог."}};
    for (const auto& [file, files, reason] : cases) {
        SCOPED_TRACE(reason);
        Program program(file, files);
        const std::string path = program.dir.File("Quillmarsh.ini");
        const std::string text = file.empty() ? "" : test::ReadAll(path);
        EXPECT_EQ(program.dialogs.boxes, Texts{"error: Файл настроек \"" + path + "\" не прочитан" + reason + kept});
        EXPECT_EQ(program.dialogs.windowsAtBox, std::vector<std::vector<std::string>>{{"Form1"}});
        EXPECT_EQ(program.settings.TIMEINTRVL, file.empty() ? 2 : 7);
        EXPECT_EQ(program.settings.MINSPD, 1);
        EXPECT_EQ(Find<ColorBox>(program.Main(), "SpdCat1")->text(), "2");
        EXPECT_EQ(Find<QGroupBox>(program.Main(), "SpdCatBox")->title(), "\"1\"");
        EXPECT_EQ(Text(program.Main(), "EoutputDir"), program.dir.path() + "/");

        program.dialogs.boxes.clear();
        EXPECT_TRUE(program.Main().close());
        EXPECT_EQ(program.dialogs.boxes,
                  Texts{"Настройки не сохранены: файл настроек \"" + path + "\" не был прочитан и остается без изменений."});
        if (!file.empty()) {
            EXPECT_EQ(test::ReadAll(path), text);
        }
        EXPECT_EQ(std::filesystem::is_directory(path), file.empty());
    }
}

TEST(Startup, StoredFolderFollowsTheDirectoryRules)
{
    // Settings file, selected type, output ("{dir}/" and "{home}/" stand for the start and home directories).
    const std::tuple<const char*, int, const char*> cases[] = {
        {"[FILES]\nFOLDERTYPE=7\nFOLDERNAME={dir}/out\n", kTypedFolder, "{dir}/out"},
        {"[FILES]\nFOLDERTYPE=-1\nFOLDERNAME={dir}/out\n", kNoFolderType, "{dir}/out"},
        {"[FILES]\nFOLDERTYPE=2\nFOLDERNAME={dir}/no\n", kTypedFolder, "{home}/"},
        {"[FILES]\nTRACKFILE={dir}/gps/day.plt\nFOLDERTYPE=2\nSUBFOLDER=1\nFOLDERNAME={dir}/out/day/\n", kTypedFolder,
         "{dir}/out/day/"},
        {"[FILES]\nTRACKFILE={dir}/gps/day.plt\nFOLDERTYPE=2\nSUBFOLDER=1\nFOLDERNAME={dir}/no/day/\n", kTypedFolder,
         "{home}/day/"},
        {"[FILES]\nTRACKFILE={dir}/gps/day.plt\nFOLDERTYPE=1\nSUBFOLDER=1\n", kTrackFolder, "{dir}/gps/day/"},
        {"Quillmarsh V1.1 settings file\nTRACKFILE={dir}/gps/day.plt\nFOLDERTYPE=2\nFOLDERNAME={dir}/out\n",
         kTypedFolder, "{dir}/out"},
        {"Quillmarsh V1.1 settings file\nFOLDERTYPE=2\nFOLDERNAME={dir}/no\n", kTypedFolder, "{home}/"}};
    for (auto [file, selected, output] : cases) {
        SCOPED_TRACE(file);
        Program program(file, {"gps/day.plt", "out/day/"});
        std::string expected = output;
        if (expected.starts_with("{dir}")) expected.replace(0, 5, program.dir.path());
        if (expected.starts_with("{home}/")) expected.replace(0, 7, MainWindow::FallbackDirectory());
        EXPECT_EQ(FolderType(program), selected);
        EXPECT_EQ(Text(program.Main(), "EoutputDir"), expected);
        EXPECT_EQ(Find<QLineEdit>(program.Main(), "EoutputDir")->isEnabled(), selected != kStartFolder && selected != kTrackFolder);
        EXPECT_TRUE(program.dialogs.boxes.empty());
    }
}

}  // namespace
}  // namespace qm::test
