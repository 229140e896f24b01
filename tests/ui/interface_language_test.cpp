#include "ui/interface_language.h"
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
        program.Main().LoadTrackFile(QM_SAMPLE_TRACK);
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
    EXPECT_EQ(Caption(*program.windows.mapWindow->View(), "range0"), "0–2 km/h");

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

TEST(InterfaceLanguageMessages, TheWindowsOwnInEnglish)
{
    Program program;
    program.Start();
    Switch(Language::English);
    QTest::mouseClick(Find<RadioGroup>(program.Main(), "RGoutputDir")->Item(1), Qt::LeftButton);
    EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{"No track chosen"});

    Click(program.Main(), "BtnSettings");
    Settle();
    QWidget& dialog = *program.windows.settingsDialog;
    ExpectCheckOnLeaving(program, dialog, Find<QLineEdit>(dialog, "EDecDelim"), "", "Enter a delimiter.");
    Switch(Language::Russian);
}

}  // namespace
}  // namespace qm::test
