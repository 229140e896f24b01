#include "ui_harness.h"

#include "ui/interface_language.h"
#include "ui/statistics_window.h"
#include "ui/widgets/elided_label.h"
#include "ui/widgets/radio_group.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The shown lines, each followed by CR LF.
std::string CrLfLines(const std::string& shown)
{
    std::string text;
    for (char c : shown) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text + "\r\n";
}

// The statistics of the sample track, with the output directory "out/".
class StatWindow : public testing::Test {
protected:
    void SetUp() override
    {
        EnterTrack(program, QM_SAMPLE_TRACK);
        Find<RadioGroup>(program.Main(), "RGoutputDir")->SetItemIndex(kTypedFolder);
        Find<QLineEdit>(program.Main(), "EoutputDir")->setText(QString::fromStdString(Out("")));
        program.Start();
        Click(program.Main(), "BtnGetStat");
        Settle();
    }
    std::string Out(const std::string& name) { return program.dir.File("out/" + name); }
    std::string Memo() { return Find<QPlainTextEdit>(stat, "MemoStat")->toPlainText().toStdString(); }
    std::string FileName() { return Find<QLabel>(stat, "LFileName")->text().toStdString(); }
    void SelectFormat(int index) { Find<RadioGroup>(stat, "RGShowFormat")->Item(index)->click(); }

    Program program{"", {"out/"}};
    StatisticsWindow& stat = *program.windows.statisticsWindow;
};

TEST_F(StatWindow, EscClosesIt)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(!stat.isVisible() && program.Main().isActiveWindow());
}

// The reader's message says why there is nothing to compute: one box, as for
// the visualisation.
TEST(StatCommandWindow, TrackWithoutTimesGivesOneBox)
{
    Program program;
    const std::string track =
        program.dir.Write("untimed.gpx", "<gpx><trk><trkseg><trkpt lat=\"55\" lon=\"37\"/></trkseg></trk></gpx>");
    EnterTrack(program, track);
    program.Start();
    Click(program.Main(), "BtnGetStat");
    EXPECT_EQ(program.dialogs.boxes, Texts{"В треке нет данных о времени: ни у одной из 1 точек файла " + track +
                                           " нет отметки <time>."});
    EXPECT_FALSE(program.windows.statisticsWindow->isVisible());
    EXPECT_TRUE(Find<QPushButton>(program.Main(), "BtnGetStat")->isEnabled());
}

TEST_F(StatWindow, OpensOverLockedMainWindowAndClosesBack)
{
    EXPECT_TRUE(stat.isActiveWindow() && !program.Main().isEnabled());
    EXPECT_FALSE(program.Main().close());  // a locked window cannot be closed
    EXPECT_TRUE(Memo().starts_with("File: " QM_SAMPLE_TRACK "\n"));

    stat.close();
    Settle();
    EXPECT_TRUE(!stat.isVisible() && program.Main().isActiveWindow());
    EXPECT_TRUE(Find<QPushButton>(program.Main(), "BtnGetStat")->isEnabled());
}

TEST_F(StatWindow, SwitchesBetweenTxtAndCsv)
{
    const std::string txt = Memo();
    EXPECT_EQ(FileName(), Out("sample_stat.txt"));
    SelectFormat(1);
    EXPECT_EQ(FileName(), Out("sample_stat.csv"));
    EXPECT_EQ(Memo().find(" ; "), std::string::npos);
    SelectFormat(0);
    EXPECT_EQ(Memo(), txt);
}

TEST_F(StatWindow, SavesAndCopiesEveryLineWithCrLf)
{
    Click(stat, "Button2");
    const std::string saved = ReadAll(Out("sample_stat.txt"));
    EXPECT_EQ(saved, CrLfLines(Memo()));
    program.settings.NUMDIGITS = 2;
    stat.Activated();
    Click(stat, "Button2");
    EXPECT_NE(ReadAll(Out("sample_stat.txt")), saved);  // replaced
    SelectFormat(1);
    Click(stat, "Button2");
    EXPECT_TRUE(std::filesystem::exists(Out("sample_stat.csv")));

    auto* memo = Find<QPlainTextEdit>(stat, "MemoStat");
    memo->selectAll();
    Click(stat, "Button1");
    EXPECT_EQ(program.dialogs.clipboard, CrLfLines(Memo()));
    EXPECT_TRUE(!memo->textCursor().hasSelection() && program.dialogs.boxes.empty());

    std::filesystem::remove_all(Out(""));
    Click(stat, "Button2");
    std::filesystem::create_directories(Out("sample_stat.csv"));
    Click(stat, "Button2");
    const std::string cannotCreate = "error: Не удается создать файл \"" + Out("sample_stat.csv") + "\". ";
    EXPECT_EQ(program.dialogs.boxes,
              (Texts{cannotCreate + "Нет такого файла или каталога.", cannotCreate + "Это каталог."}));
    EXPECT_TRUE(stat.isVisible());
}

TEST_F(StatWindow, SettingsDialogLocksBothWindowsAndRebuildsReport)
{
    EXPECT_NE(Memo().find("\nTrack"), std::string::npos);
    QWidget& dialog = *program.windows.settingsDialog;
    Click(stat, "Button3");
    Settle();
    EXPECT_TRUE(dialog.isActiveWindow());
    EXPECT_FALSE(stat.isEnabled() || Find<QPushButton>(stat, "Button2")->isEnabledTo(&stat));
    EXPECT_FALSE(stat.close() || program.Main().isEnabled());

    Find<QCheckBox>(dialog, "CBLevel0")->setChecked(false);  // only the days
    Click(dialog, "SFOK");
    Settle();
    EXPECT_TRUE(stat.isActiveWindow() && Find<QPushButton>(stat, "Button2")->isEnabled());
    EXPECT_FALSE(program.Main().isEnabled());
    EXPECT_EQ(Memo().find("\nTrack"), std::string::npos);
    EXPECT_NE(Memo().find(" Day 2"), std::string::npos);
}

TEST_F(StatWindow, FirstSizeShowsEveryColumnAndThePathFitsBesideTheButtons)
{
    auto* memo = Find<QPlainTextEdit>(stat, "MemoStat");
    const QString header = memo->toPlainText().split('\n').at(1);
    EXPECT_GE(memo->viewport()->width(), memo->fontMetrics().horizontalAdvance(header)) << header.toStdString();

    const std::string longPath = "/" + std::string(300, 'x') + "/";
    Find<QLineEdit>(program.Main(), "EoutputDir")->setText(QString::fromStdString(longPath));
    stat.Activated();
    auto* label = Find<ElidedLabel>(stat, "LFileName");
    EXPECT_EQ(label->toolTip().toStdString(), longPath + "sample_stat.txt");
    EXPECT_TRUE(label->ShownText().startsWith("/xx") && label->ShownText().endsWith("sample_stat.txt") &&
                label->ShownText().contains("…"));
    EXPECT_LE(label->geometry().right(), Find<QWidget>(stat, "Button3")->geometry().left());
}

// The measures of the track shown, under the report and in the interface's
// language; nothing of them for a track without any.
TEST(StatMeasuresWindow, ShownForATrackWithMeasuresOnly)
{
    Program program;
    program.Start();
    StatisticsWindow& stat = *program.windows.statisticsWindow;
    auto* box = Find<QGroupBox>(stat, "GBMeasures");
    auto* memo = Find<QPlainTextEdit>(stat, "MemoMeasures");
    auto shown = [&] { return memo->toPlainText().toStdString(); };
    auto showStatistics = [&](const std::string& track) {
        EnterTrack(program, track);
        Click(program.Main(), "BtnGetStat");
        Settle();
    };

    showStatistics(QM_TEST_DATA "/tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit");
    EXPECT_TRUE(box->isVisible() && box->title() == "Измерения");
    EXPECT_EQ(shown(), "                           Пульс, уд/мин     Температура, °C\n"
                       "                Дата   среднее  максимум   среднее  максимум\n"
                       "Трек                     139,6       151       7,1      15,0\n"
                       "День 1    20.03.2018     139,6       151       7,1      15,0");
    EXPECT_FALSE(memo->verticalScrollBar()->isVisible());  // every line in sight
    EXPECT_TRUE(Find<QLabel>(stat, "LMeasuresNote")->text().startsWith("Среднее взвешено по времени"));
    InstallInterfaceLanguage(Language::English);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(box->title().toStdString(), "Measures");
    EXPECT_NE(shown().find("\nTrack                    139.6       151       7.1      15.0\n"), std::string::npos);
    InstallInterfaceLanguage(Language::Russian);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    stat.close();

    showStatistics(QM_SAMPLE_TRACK);
    EXPECT_TRUE(stat.isVisible() && !box->isVisible());
}

}  // namespace
}  // namespace qm::test
