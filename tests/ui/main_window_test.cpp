#include "ui_harness.h"

#include "platform/file_system.h"
#include "ui/widgets/color_box.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class MainWindow : public MainWindowTest {
protected:
    MainWindow() : MainWindowTest({"gps/day.plt", "gps/walk.plt", "other/run.plt", "out/"}) {}
    void TypeTrack(const std::string& path)
    {
        Type(Find<QLineEdit>(program.Main(), "trackPlt"), path);
        Leave(Find<QLineEdit>(program.Main(), "trackPlt"));
    }
};

TEST_F(MainWindow, ChoosingTrackMovesTheSubFolder)
{
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput("/base/");
    SubFolder(true);
    program.dialogs.trackAnswers = {{Dir("gps/day.plt")}, {}, {Dir("gps/walk.plt")}, {Dir("gps/walk.plt")}};
    Click(program.Main(), "BitBtn1");
    EXPECT_EQ(Text(program.Main(), "trackPlt"), Dir("gps/day.plt"));
    EXPECT_EQ(OutputText(), "/base/day/");

    program.settings.SettingsChanged = false;
    Click(program.Main(), "BitBtn1");  // cancelled
    EXPECT_FALSE(program.settings.SettingsChanged);
    Click(program.Main(), "BitBtn1");
    EXPECT_EQ(OutputText(), "/base/walk/");
    Click(program.Main(), "BitBtn1");  // the same track again
    EXPECT_EQ(OutputText(), "/base/walk/");
    EXPECT_TRUE(program.settings.SettingsChanged);
    // Home first, then the directory of the track in the edit.
    EXPECT_EQ(program.dialogs.trackDialogDirs,
              (std::vector<std::string>{qm::MainWindow::FallbackDirectory(), Dir("gps/"), Dir("gps/"), Dir("gps/")}));

    // With folder type 1 the base stays in the earlier track's directory.
    FolderType()->SetItemIndex(kTrackFolder);
    program.dialogs.trackAnswers = {{Dir("other/run.plt")}};
    Click(program.Main(), "BitBtn1");
    EXPECT_EQ(OutputText(), Dir("gps/run/"));
}

// A file given to the program at start is opened as one chosen in the dialog.
TEST_F(MainWindow, OpeningAGivenFileAppliesTheRulesOfTheDialog)
{
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput("/base/");
    SubFolder(true);
    program.settings.SettingsChanged = false;
    program.Main().OpenTracks({Dir("gps/day.plt")});
    EXPECT_EQ(Text(program.Main(), "trackPlt"), Dir("gps/day.plt"));
    EXPECT_EQ(OutputText(), "/base/day/");
    EXPECT_TRUE(program.settings.SettingsChanged);
    program.Main().OpenTracks({Dir("other/run.plt")});
    EXPECT_EQ(OutputText(), "/base/run/");
    EXPECT_TRUE(program.dialogs.trackDialogDirs.empty());

    // Several files are one trip, named after the first; the field gives
    // them as a command line would, and the sub-folder follows the trip.
    program.Main().OpenTracks({Dir("other/run.plt"), Dir("gps/day.plt")});
    EXPECT_EQ(Text(program.Main(), "trackPlt"), "\"" + Dir("other/run.plt") + "\" \"" + Dir("gps/day.plt") + "\"");
    EXPECT_EQ(OutputText(), "/base/run_trip/");
    FolderType()->SetItemIndex(kTrackFolder);
    EXPECT_EQ(OutputText(), Dir("other/run_trip/"));
    program.Main().OpenTracks({Dir("gps/walk.plt")});
    EXPECT_EQ(OutputText(), Dir("other/walk/"));
}

// A trip is named in a field of its own, shown only while the track field
// names several files; the outputs and the sub-folder follow the name.
TEST_F(MainWindow, ATripIsNamedInAFieldOfItsOwn)
{
    auto* name = Find<QLineEdit>(program.Main(), "tripName");
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput(Dir("out/"));
    SubFolder(true);
    program.Main().OpenTracks({Dir("gps/day.plt")});
    EXPECT_TRUE(name->isHidden());
    program.Main().OpenTracks({Dir("gps/day.plt"), Dir("other/run.plt")});
    EXPECT_FALSE(name->isHidden());
    EXPECT_EQ(name->placeholderText().toStdString(), "day_trip");
    EXPECT_EQ(OutputText(), Dir("out/day_trip/"));

    Type(name, " Alps 2026.06 ");
    Leave(name);
    EXPECT_EQ(OutputText(), Dir("out/Alps 2026.06/"));
    EXPECT_EQ(program.Main().Files().TRIPNAME, " Alps 2026.06 ");
    Type(name, "a/b");
    Click(program.Main(), "BtnGetStat");
    ASSERT_EQ(program.dialogs.boxes.size(), 1u);
    EXPECT_EQ(program.dialogs.boxes[0].rfind("error: Имя поездки \"a/b\" не годится", 0), 0u) << program.dialogs.boxes[0];

    // Other files are another trip, named after its first file again.
    program.Main().OpenTracks({Dir("other/run.plt"), Dir("gps/walk.plt")});
    EXPECT_EQ(name->text().toStdString(), "");
    EXPECT_EQ(OutputText(), Dir("out/run_trip/"));
    program.Main().OpenTracks({Dir("gps/walk.plt")});
    EXPECT_TRUE(name->isHidden());
    EXPECT_EQ(program.Main().Files().TRIPNAME, "");
}

TEST_F(MainWindow, TypedTrackMovesTheSubFolderOnlyWithTheOptionOn)
{
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput("/base/");
    TypeTrack(Dir("gps/day.plt"));
    EXPECT_EQ(OutputText(), "/base/");

    SubFolder(true);
    EXPECT_EQ(OutputText(), "/base/day/");
    TypeTrack(Dir("nowhere/late.plt"));  // not checked for existence
    EXPECT_EQ(OutputText(), "/base/late/");
    SubFolder(false);
    program.settings.SettingsChanged = false;
    TypeTrack(Dir("gps/day.plt"));
    EXPECT_EQ(OutputText(), "/base/");
    EXPECT_FALSE(program.settings.SettingsChanged);
}

TEST_F(MainWindow, ControlsEnabledGivesOpenButtonTheFolderTypeState)
{
    auto* open = Find<QPushButton>(program.Main(), "BtnOpnDir");
    auto* output = Find<QLineEdit>(program.Main(), "EoutputDir");
    EnterTrack(program, Dir("gps/day.plt"));
    for (auto [type, openEnabled] : {std::pair{0, false}, {1, false}, {2, true}, {-1, true}}) {
        FolderType()->SetItemIndex(type);
        const bool outputEnabled = output->isEnabled();
        program.Main().SetControlsEnabled(false);
        EXPECT_FALSE(open->isEnabled() || Find<QWidget>(program.Main(), "trackPlt")->isEnabled() ||
                     Find<QWidget>(program.Main(), "SpdCat5")->isEnabled());
        EXPECT_EQ(output->isEnabled(), outputEnabled);
        program.Main().SetControlsEnabled(true);
        EXPECT_EQ(open->isEnabled(), openEnabled) << type;
        EXPECT_TRUE(Find<QWidget>(program.Main(), "SpdCat5")->isEnabled());
        EXPECT_EQ(output->isEnabled(), outputEnabled);
    }
}

TEST_F(MainWindow, VisualisesIntoTheOutputDirectory)
{
    EnterTrack(program, QM_SAMPLE_TRACK);
    FolderType()->SetItemIndex(kTypedFolder);
    SetOutput(Dir("out/new"));
    Click(program.Main(), "BtnPrFiles");
    EXPECT_EQ(program.dialogs.boxes, Texts{"трек обработан"});
    EXPECT_TRUE(FileExists(Dir("out/new/sample_2.plt")) && FileExists(Dir("out/new/sample_stop.wpt")));
    EXPECT_TRUE(Find<QPushButton>(program.Main(), "BtnPrFiles")->isEnabled());
}

TEST(MainWindowBands, UnreadableBandBoxStopsTheVisualisation)
{
    Program program;
    Find<ColorBox>(program.Main(), "SpdCat1")->setText("SC1");
    Click(program.Main(), "BtnPrFiles");
    EXPECT_EQ(program.dialogs.boxes, Texts{"error: 'SC1' is not a valid floating point value."});
}

TEST_F(MainWindow, TabPassesTheBandBoxesAndEntersTheFolderTypeAtItsSelection)
{
    FolderType()->SetItemIndex(kTypedFolder);
    Find<QWidget>(program.Main(), "trackPlt")->setFocus();
    Texts visited;
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited.push_back(focus == FolderType()->Item(2) ? "item 2" : focus->objectName().toStdString());
    }
    EXPECT_EQ(visited, (Texts{"BitBtn1", "EoutputDir", "BtnOpnDir", "item 2", "CBSubFolder", "BtnPrFiles", "BtnGetStat",
                              "BtnMap", "BtnSettings", "SwSpdCat", "trackPlt"}));
}

// The window cannot be resized, and each of its controls lies whole inside it.
void ExpectFixedFrameHoldingEveryControl(QWidget& window)
{
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.maximumSize(), window.size());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) continue;
        const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window.rect().contains(inWindow)) << control->objectName().toStdString();
    }
}

TEST(MainWindowFrame, FixedSizesThatNoTextChanges)
{
    Program plain;
    plain.Start();
    qm::MainWindow& main = plain.Main();
    const QSize size = main.size();
    ExpectFixedFrameHoldingEveryControl(main);
    // Nothing is cut.
    for (QWidget* control : main.findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(control); (button && !button->text().trimmed().isEmpty()) ||
                                                                    qobject_cast<QLabel*>(control)) {
            EXPECT_GE(control->width(), control->minimumSizeHint().width()) << control->objectName().toStdString();
        }
    }

    const std::string name = "Вело & пешком по лесным дорогам вдоль реки до самой деревни и назад";
    Program named("[SPDSCALE0]\nSCALENAME=" + name + "\n");
    auto* box = Find<QGroupBox>(named.Main(), "SpdCatBox");
    EXPECT_TRUE(box->title().startsWith("\"Вело && ") && box->title().endsWith("…"))
        << box->title().toStdString();
    EXPECT_EQ(box->toolTip().toStdString(), "\"" + name + "\"");
    EXPECT_EQ(named.Main().size(), size);
    Program failed("[SPDSCALE1]\nSCALEDATA=0;2;x;\n");
    EXPECT_EQ(failed.Main().size(), size);

    ExpectFixedFrameHoldingEveryControl(*plain.windows.settingsDialog);
}

TEST(MainWindowBands, ScaleWhoseBandsShareAFileIsRefusedInABox)
{
    Program program("[SPDSCALE0]\nSCALEDATA=0;10;255;10;5;1;5;10;2;10;15;3;15;20;4;20;25;5;25;30;6;30;35;7;35;40;8;"
                    "40;1000;9;\n");
    EnterTrack(program, QM_SAMPLE_TRACK);
    program.dialogs.boxes.clear();
    Click(program.Main(), "BtnPrFiles");
    EXPECT_EQ(program.dialogs.boxes, Texts{"Шкала скоростей не годится: полосы 0-10 км/ч и 5-10 км/ч записали бы "
                                           "один файл sample_10.plt. Верхние границы полос должны возрастать."});
    EXPECT_FALSE(FileExists(program.dir.File("sample_10.plt")));
}

TEST_F(MainWindow, ClosingSavesTheSettingsWhenTicked)
{
    program.settings.StartDir = Dir("gone");  // cannot be written into
    EXPECT_FALSE(program.Main().close());
    EXPECT_TRUE(program.Main().isVisible());
    EXPECT_EQ(program.dialogs.boxes, Texts{"error: Не удается записать в файл " + Dir("gone/Quillmarsh.ini") + "."});

    program.settings.StartDir = program.dir.path();
    EnterTrack(program, Dir("gps/day.plt"));
    EXPECT_TRUE(program.Main().close());
    EXPECT_NE(ReadAll(Dir("Quillmarsh.ini")).find("TRACKFILE=" + Dir("gps/day.plt") + "\r\n"), std::string::npos);

    std::filesystem::remove(Dir("Quillmarsh.ini"));
    Find<QCheckBox>(*program.windows.settingsDialog, "CBSaveSettings")->setChecked(false);
    program.Main().show();
    EXPECT_TRUE(program.Main().close());
    EXPECT_FALSE(std::filesystem::exists(Dir("Quillmarsh.ini")));
}

// Captions with an Alt letter, in a window: each letter once.
Texts CaptionsWithAltLetters(QWidget& window)
{
    Texts captions;
    std::set<int> letters;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (letter.isEmpty()) continue;
        EXPECT_TRUE(letters.insert(letter[0].toCombined()).second) << text.toStdString();
        captions.push_back(text.toStdString());
    }
    std::sort(captions.begin(), captions.end());
    return captions;
}

void PressAlt(QWidget& window, char16_t letter)
{
    QTest::sendKeyEvent(QTest::Click, &window, static_cast<Qt::Key>(QChar(letter).toUpper().unicode()),
                        QString(QChar(letter)), Qt::AltModifier);
    // A button's letter clicks it after showing it pressed for a moment.
    QTest::qWait(300);
}

TEST(AltLetters, MainWindowButtonsAndSettingsFields)
{
    Program program;
    program.Start();
    QWidget& dialog = *program.windows.settingsDialog;
    EXPECT_EQ(CaptionsWithAltLetters(program.Main()),
              (Texts{"&Визуализация", "&Изменить", "&Карта", "&Настройки", "&Статистика", "Имя &поездки"}));
    EXPECT_EQ(CaptionsWithAltLetters(dialog),
              (Texts{"&Границы сл. разброса", "&Дробной части", "&Интервал расчета", "&Мин. скорость",
                     "&Предельный уклон", "&Разрыв по дистанции", "&Точность чисел", "&Формат результата",
                     "&Ширина трека в OZI", "&Язык интерфейса", "Гори&зонтальный", "Гра&ницы полос", "Изм&ерение",
                     "Ма&кс. пульс", "П&оправка к GMT", "По&лей данных", "Порог. мо&щность", "Разрыв по &времени",
                     "Ш&аг расчета высоты", "Шкала по &умолчанию"}));

    PressAlt(program.Main(), u'н');
    ASSERT_TRUE(dialog.isActiveWindow());
    for (auto [letter, field] : {std::pair{u'ш', "ETrWidth"}, {u'о', "EGMTmod"}, {u'т', "ENumDigits"},
                                 {u'к', "EMaxHR"}, {u'н', "EColourBounds"}}) {
        PressAlt(dialog, letter);
        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(dialog, field)) << field;
    }
}

}  // namespace
}  // namespace qm::test
