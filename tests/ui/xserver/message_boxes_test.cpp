// The message boxes as a user sees them under a window manager: the longest
// message of each kind, with long paths, in each language.
#include "../ui_harness.h"
#include "xserver_harness.h"

#include "platform/file_system.h"
#include "platform/message_text.h"
#include "ui/qt_dialogs.h"
#include "ui/widgets/directory_chooser.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

const QRegularExpression kLineBreaks("[\n\u2028]");

// The whole message of a box: its text, or its tooltip when the text is shortened.
QString WholeMessage(QMessageBox& box)
{
    if (box.toolTip().isEmpty()) return box.text().replace(QChar::LineSeparator, ' ');
    return QTextDocumentFragment::fromHtml(box.toolTip()).toPlainText().replace(QChar::LineSeparator, ' ');
}

// How a box fails to show its whole message: a line wider than its label, a
// label lower than its lines or reaching out of the box, a box wider than
// about 600 pixels or off the screen, a word broken or shortened elsewhere
// than in its middle.
std::vector<std::string> Faults(QMessageBox& box)
{
    std::vector<std::string> faults;
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    const QFontMetricsF metrics(label->font());
    const QStringList lines = label->text().split(kLineBreaks);
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(line) > label->contentsRect().width())
            faults.push_back("wider than its label of " + std::to_string(label->width()) + ": " + line.toStdString());
    if (metrics.height() + (lines.size() - 1) * metrics.lineSpacing() > label->height())
        faults.push_back(std::to_string(lines.size()) + " lines in " + std::to_string(label->height()) + " pixels");
    if (!box.rect().contains(QRect(label->mapTo(&box, QPoint()), label->size()))) faults.push_back("out of the box");
    if (box.width() > 600) faults.push_back("a box " + std::to_string(box.width()) + " wide");
    if (!box.screen()->availableGeometry().contains(box.frameGeometry())) faults.push_back("off the screen");

    const QStringList shown = label->text().split(QRegularExpression("[ \n\u2028]"));
    const QStringList whole = WholeMessage(box).split(QRegularExpression("[ \n]"));
    if (shown.size() != whole.size()) faults.push_back("words missing: " + label->text().toStdString());
    for (qsizetype i = 0; i < std::min(shown.size(), whole.size()); ++i) {
        const qsizetype cut = shown[i].indexOf(QChar(0x2026));
        const bool middleLeftOut = cut > 0 && cut < shown[i].size() - 1 && whole[i].startsWith(shown[i].left(cut)) &&
                                   whole[i].endsWith(shown[i].mid(cut + 1));
        if (shown[i] != whole[i] && !middleLeftOut)
            faults.push_back(shown[i].toStdString() + " for " + whole[i].toStdString());
    }
    return faults;
}

// Checks every message box once the X server has it active, and answers it with Enter.
class BoxChecker : public QObject {
public:
    BoxChecker()
    {
        connect(&poll_, &QTimer::timeout, this, &BoxChecker::Check);
        poll_.start(50);
    }
    // The whole message of each box and how it failed to show it.
    std::vector<std::pair<QString, std::vector<std::string>>> boxes;

private:
    void Check()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_) return;
        answered_ = box;
        ASSERT_TRUE(WaitActive(*box));
        boxes.push_back({WholeMessage(*box), Faults(*box)});
        PressKeys({"Return"});
    }
    QTimer poll_;
    QPointer<QMessageBox> answered_;
};

TEST(MessageBoxesUnderWindowManager, EveryKindShowsItsWholeTextInBothLanguages)
{
    for (const Language language : {Language::Russian, Language::English}) {
        const std::string code = language == Language::English ? "en" : "ru";
        SCOPED_TRACE(code);
        // A settings file that stops the load at its scale, deep in a folder.
        TempDir dir;
        const std::string folder = "tracks-kept-for-many-years-on-an-old-laptop/settings-and-other-files-of-the-logger";
        std::filesystem::create_directories(dir.File(folder));
        const std::string settingsFile = dir.Write(folder + "/Quillmarsh.ini",
                                                   "[INTERFACE]\r\nLANGUAGE=" + code + "\r\n[SPDSCALE0]\r\nSCALEDATA=" +
                                                       std::string(100, 'x') + ";\r\n");
        const std::string startDir = GetCurrentDir();
        ASSERT_TRUE(SetCurrentDir(dir.File(folder)));

        auto message = [language](MessageId id, std::initializer_list<std::string_view> args) {
            return MessageText(language, id, args);
        };
        const std::string track = dir.File(folder + "/2024-07-12-activity-from-the-watch-unexpected-end-of-file.fit");
        const std::string damaged = Dialogs::ErrorBoxText(
            message(MessageId::FitDamagedEmpty, {track, message(MessageId::FitUnknownByteOrder, {"4294967295"})}));
        const std::string leftOut = message(MessageId::LeftOutOutOfRange, {"4294967295", "4294967295"});
        const std::string unplaced = message(MessageId::LeftOutUnplaced, {"9", "10686"});
        const std::string results = dir.File(folder + "/results-of-the-summer-holidays/");
        const std::string notMade = Dialogs::ErrorBoxText(message(MessageId::DirectoryNotCreated, {results}));
        // The longest name the box quotes.
        const std::string unfitName = Dialogs::ErrorBoxText(
            message(MessageId::TripNameUnfit, {"summer holidays in the mountains with the whole family: days 1/14"}));
        // A folder the directory chooser cannot make: a file is in its way.
        const std::string blocked = settingsFile + "/results-of-the-summer-holidays";
        Settings settings;
        QtDialogs dialogs;
        std::optional<AppWindows> windows;
        // Each kind, how it comes, and what each of its boxes must show whole,
        // in its text or in its tooltip: the message, or the path of a
        // message the program puts together.
        const std::tuple<const char*, std::function<void()>, std::vector<std::string>> kinds[] = {
            {"settings not read", [&] { windows = CreateAppWindows(settings, dialogs); }, {settingsFile}},
            {"damaged track", [&] { dialogs.ErrorBox(damaged); }, {damaged}},
            {"points left out", [&] { dialogs.MessageBox(leftOut); }, {leftOut}},
            {"points without coordinates left out", [&] { dialogs.MessageBox(unplaced); }, {unplaced}},
            {"folder not made", [&] { dialogs.ErrorBox(notMade); }, {notMade}},
            {"trip name unfit", [&] { dialogs.ErrorBox(unfitName); }, {unfitName}},
            {"folder to make, then not made, in the directory chooser",
             [&] {
                 DirectoryChooser chooser(nullptr, QString::fromStdString(dir.path()));
                 chooser.show();
                 auto* name = chooser.findChild<QLineEdit*>("fileNameEdit");
                 name->setText(QString::fromStdString(blocked));
                 QTest::keyClick(name, Qt::Key_Return);
             },
             {blocked, blocked}},
            {"settings not saved",
             [&] {
                 windows->main->show();
                 ASSERT_TRUE(WaitActive(*windows->main));
                 PressCloseBox(*windows->main);
                 EXPECT_TRUE(QTest::qWaitFor([&] { return !windows->main->isVisible(); }, 10000));
             },
             {settingsFile}}};
        for (const auto& [kind, show, wholes] : kinds) {
            SCOPED_TRACE(kind);
            BoxChecker checker;
            show();
            ASSERT_EQ(checker.boxes.size(), wholes.size());
            for (size_t i = 0; i < wholes.size(); ++i) {
                const auto& [shown, faults] = checker.boxes[i];
                EXPECT_EQ(faults, std::vector<std::string>{});
                EXPECT_TRUE(shown.contains(QString::fromStdString(wholes[i]))) << shown.toStdString();
            }
        }
        SetCurrentDir(startDir);
    }
}

}  // namespace
}  // namespace qm::test
