#include "ui/interface_language.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace qm::test {
namespace {

// Every text a user reads in a window without opening anything: its title,
// captions, tooltips, a combo box's choice, and the notes the map paints. The
// language box names each language in its own, whichever is shown.
std::vector<std::string> VisibleTexts(QWidget& window)
{
    std::vector<std::string> texts{window.windowTitle().toStdString()};
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QStringList shown{control->toolTip()};
        if (auto* label = qobject_cast<QLabel*>(control)) shown << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) shown << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(control)) shown << group->title();
        auto* combo = qobject_cast<QComboBox*>(control);
        if (combo && combo->objectName() != "CBLanguage") shown << combo->currentText();
        if (auto* map = qobject_cast<MapView*>(control)) shown << map->Note();
        if (auto* legend = qobject_cast<MapLegend*>(control))
            for (const LegendRow& row : legend->Layout().Rows)
                for (const LegendCell& cell : row.Cells) shown << QString::fromStdString(cell.Text);
        for (const QString& text : shown)
            if (!text.isEmpty()) texts.push_back(text.toStdString());
    }
    return texts;
}

// The language installed and its change delivered, as the event loop delivers it.
void Switch(Language language)
{
    InstallInterfaceLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

std::string Caption(QWidget& window, const char* name)
{
    auto* control = Find<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
    return qobject_cast<QAbstractButton*>(control)->text().toStdString();
}

class InterfaceLanguage : public testing::Test {
protected:
    void SetUp() override
    {
        program.settings.TILEURL.clear();
        program.Start();
        EnterTrack(program, QM_SAMPLE_TRACK);
        Click(program.Main(), "BtnMap");
        Settle();
    }
    void TearDown() override { Switch(Language::Russian); }

    std::map<std::string, std::vector<std::string>> Texts()
    {
        return {{"main", VisibleTexts(program.Main())},
                {"settings", VisibleTexts(*program.windows.settingsDialog)},
                {"scales", VisibleTexts(*program.windows.scaleEditor)},
                {"statistics", VisibleTexts(*program.windows.statisticsWindow)},
                {"map", VisibleTexts(*program.windows.mapWindow)}};
    }

    Program program;
};

TEST_F(InterfaceLanguage, OpenWindowsChangeAtOnceAndBack)
{
    const auto russian = Texts();
    Switch(Language::English);
    const auto english = Texts();
    const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    for (const auto& [window, texts] : english)
        for (const std::string& text : texts)
            EXPECT_FALSE(QString::fromStdString(text).contains(cyrillic)) << window << ": " << text;
    EXPECT_EQ(program.windows.mapWindow->windowTitle().toStdString(), "Map — sample.plt");
    EXPECT_EQ(Caption(program.Main(), "BtnPrFiles"), "&Visualise");
    EXPECT_EQ(program.windows.mapWindow->View()->Legend()->CellText("range0").toStdString(), "0–2 km/h");

    // Back in Russian nothing English is left: every text is as it was.
    Switch(Language::Russian);
    EXPECT_EQ(Texts(), russian);
}

TEST_F(InterfaceLanguage, ChosenInTheSettingsDialogAndKept)
{
    Click(program.Main(), "BtnSettings");
    Settle();
    QWidget& dialog = *program.windows.settingsDialog;
    Find<QComboBox>(dialog, "CBLanguage")->setCurrentIndex(1);
    Click(dialog, "SFOK");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(program.settings.LANGUAGE, Language::English);
    EXPECT_EQ(Caption(program.Main(), "BtnSettings"), "Se&ttings");
    EXPECT_EQ(Caption(dialog, "CBSaveSettings"), "Save settings on exit");

    Click(program.Main(), "BtnSettings");
    Settle();
    EXPECT_EQ(Find<QComboBox>(dialog, "CBLanguage")->currentText().toStdString(), "English");
    Find<QComboBox>(dialog, "CBLanguage")->setCurrentIndex(0);
    Click(dialog, "SFCancel");
    EXPECT_EQ(program.settings.LANGUAGE, Language::English);
    EXPECT_EQ(Caption(program.Main(), "BtnSettings"), "Se&ttings");
}

TEST(InterfaceLanguageAtStart, TheSettingsFilesChoice)
{
    for (auto [file, caption] : {std::pair{"[INTERFACE]\r\nLANGUAGE=en\r\n", "Se&ttings"},
                                 {"[INTERFACE]\r\nLANGUAGE=de\r\n", "&Настройки"}, {"", "&Настройки"}}) {
        Program program(file);
        program.Start();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        EXPECT_EQ(Caption(program.Main(), "BtnSettings"), caption) << file;
        Switch(Language::Russian);
    }
}

// Every message box the windows show, each shown in both languages: the
// program started on a settings file that names the language (and holds
// `settings`), then the user's action. "{dir}" in a text stands for the
// program's directory.
TEST(InterfaceLanguageMessages, EveryBoxInTheLanguageChosen)
{
    struct Box {
        std::string settings;
        std::function<void(Program&)> show;
        std::string english, russian;
    };
    auto leaveWith = [](Program& program, QWidget& window, const char* opener, const char* field, const char* text) {
        Click(program.Main(), opener);
        Settle();
        Type(Find<QLineEdit>(window, field), text);
        Leave(Find<QLineEdit>(window, field));
    };
    auto visualise = [](const std::string& track) {
        return [track](Program& program) {
            EnterTrack(program, track == "sample" ? std::string(QM_SAMPLE_TRACK) : program.dir.File(track));
            Find<RadioGroup>(program.Main(), "RGoutputDir")->SetItemIndex(kTypedFolder);
            Find<QLineEdit>(program.Main(), "EoutputDir")->setText(QString::fromStdString(program.dir.path()));
            Click(program.Main(), "BtnPrFiles");
        };
    };
    const Box boxes[] = {
        {"[SPDSCALE1]\r\nSCALEDATA=0;2;x;\r\n", [](Program&) {},
         "error: The settings file \"{dir}/Quillmarsh.ini\" was not read (line 4): 'x' is not a valid integer value.\n"
         "The settings that could not be read are the defaults. This file will not be overwritten on exit.",
         "error: Файл настроек \"{dir}/Quillmarsh.ini\" не прочитан (строка 4): 'x' is not a valid integer value.\n"
         "Настройки, которые не удалось прочитать, взяты по умолчанию. При выходе этот файл не будет перезаписан."},
        {"", [](Program& program) { Find<RadioGroup>(program.Main(), "RGoutputDir")->SetItemIndex(kTrackFolder); },
         "No track chosen", "Трек не выбран"},
        {"", visualise("sample"), "track processed", "трек обработан"},
        {"", visualise("missing.plt"), "Track file not found!", "Файл трека не найден!"},
        {"",
         [](Program& program) {
             EnterTrack(program, program.dir.Write("untimed.gpx", "<gpx><trk><trkseg><trkpt lat=\"55\" "
                                                                             "lon=\"37\"/></trkseg></trk></gpx>"));
             Click(program.Main(), "BtnGetStat");
         },
         "The track has no times: none of the 1 points of the file {dir}/untimed.gpx has a <time>.",
         "В треке нет данных о времени: ни у одной из 1 точек файла {dir}/untimed.gpx нет отметки <time>."},
        {"",
         [&](Program& program) { leaveWith(program, *program.windows.settingsDialog, "BtnSettings", "EDecDelim", ""); },
         "Enter a delimiter.", "Введите разделитель."},
        {"",
         [&](Program& program) { leaveWith(program, *program.windows.settingsDialog, "BtnSettings", "ENumDigits", "5"); },
         "The value must be from 0 to 2.", "Значение должно быть от 0 до 2."},
        {"", [&](Program& program) { leaveWith(program, *program.windows.scaleEditor, "SwSpdCat", "Edit2", "2"); },
         "The value must be greater than 2 and less than 10.", "Значение должно быть больше 2 и меньше 10."},
        {"",
         [](Program& program) {
             EnterTrack(program, QM_SAMPLE_TRACK);
             Click(program.Main(), "BtnMap");
             Settle();
             program.dialogs.pictureAnswers = {std::string(QM_SAMPLE_TRACK)};
             Click(*program.windows.mapWindow, "savePicture");
         },
         "The picture cannot replace the track file.", "Изображение не может заменить файл трека."},
        {"", [](Program& program) { DragOnto(&program.Main(), UrlData({"https://example.com/a.plt"})); },
         "Dropped: https://example.com/a.plt\nOnly a track file on this computer can be opened.",
         "Перетащено: https://example.com/a.plt\nОткрыть можно только файл трека на этом компьютере."},
    };
    for (const Box& box : boxes)
        for (const auto& [language, expected] : {std::pair{"en", box.english}, {"ru", box.russian}}) {
            SCOPED_TRACE(expected);
            Program program("[INTERFACE]\r\nLANGUAGE=" + std::string(language) + "\r\n" + box.settings);
            program.settings.TILEURL.clear();
            program.Start();
            box.show(program);
            EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{WithDirectory(expected, program.dir.path())});
            Switch(Language::Russian);
        }
}

}  // namespace
}  // namespace qm::test
