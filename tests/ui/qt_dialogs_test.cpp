#include "ui_harness.h"

#include "platform/file_system.h"
#include "ui/widgets/directory_chooser.h"
#include "ui/qt_dialogs.h"
#include "ui/widgets/track_file_dialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// The names the dialog lists, once its directory has been read.
QStringList Listed(QFileDialog& dialog)
{
    auto* list = dialog.findChild<QListView*>("listView");
    QStringList names;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        names.clear();
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        return names.contains("sub");
    }));
    names.sort();
    return names;
}

void Enter(QFileDialog& dialog, const QString& name)
{
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(TrackFileDialog, ListsWhatMatchesThePatternInItsNameField)
{
    TempDir dir;
    for (const char* name : {"a.plt", "B.PLT", "c.txt", "d.GPX"}) dir.Write(name, "");
    std::filesystem::create_directory(dir.File("sub"));
    TrackFileDialog dialog(nullptr, "Select track file", QString::fromStdString(dir.path()), "*.plt *.gpx");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select track file");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), "*.plt *.gpx");
    // No list of file types; Qt's own texts in Russian.
    EXPECT_FALSE(dialog.findChild<QWidget*>("fileTypeCombo")->isVisible());
    EXPECT_EQ(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(), "Отмена");
    EXPECT_EQ(Listed(dialog), (QStringList{"B.PLT", "a.plt", "d.GPX", "sub"}));

    Enter(dialog, "*.txt");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Listed(dialog), (QStringList{"c.txt", "sub"}));

    Enter(dialog, "a.plt");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFiles(), QStringList{QString::fromStdString(dir.File("a.plt"))});
}

TEST(QtDialogs, TheTrackDialogListsEveryReadableType)
{
    TempDir dir;
    const QStringList tracks = {"a.plt", "b.gpx", "c.FIT", "d.tcx", "e.igc", "f.nmea", "g.nma", "h.kml", "i.kmz"};
    for (const QString& name : tracks + QStringList{"j.txt", "k.xml"}) dir.Write(name.toStdString(), "");
    std::filesystem::create_directory(dir.File("sub"));
    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        listed = Listed(*dialog);
        dialog->reject();
    });
    EXPECT_TRUE(QtDialogs().OpenTrackFiles(dir.path()).empty());
    EXPECT_EQ(listed, tracks + QStringList{"sub"});
}

TEST(QtDialogs, MessageBoxLeavesRoomForItsWholeTitle)
{
    int width = 0;
    QTimer::singleShot(0, [&width] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        width = box->width();
        box->close();
    });
    QtDialogs().MessageBox("трек обработан");
    // The title and, beside it, a window menu and the close box.
    EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance("Quillmarsh") + 120);
}

// A path in a message is never broken inside a name: the box is wide enough
// for it, or its middle is left out. Texts like <time> are shown as they are.
TEST(QtDialogs, MessageBoxKeepsEveryPathWhole)
{
    const QString path = "/home/user/tracks/2024-summer/a-rather-long-track-name-from-a-gps-logger.gpx";
    const QString longPath = "/" + QString("very-long-folder-name/").repeated(20) + "track.gpx";
    for (const QString& shownPath : {path, longPath}) {
        SCOPED_TRACE(shownPath.toStdString());
        QString text, label;
        int labelWidth = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            auto* shown = box->findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(shown, nullptr);
            // Without the line breaks the box adds.
            text = shown->textFormat() == Qt::PlainText ? shown->text().replace(QChar::LineSeparator, ' ')
                                                         : "rich text";
            labelWidth = shown->width();
            box->close();
        });
        QtDialogs().MessageBox(("В треке нет данных о времени: ни у одной из 2 точек файла " + shownPath +
                                " нет отметки <time>.").toStdString());
        EXPECT_TRUE(text.endsWith(" нет отметки <time>.")) << text.toStdString();
        const QString word = text.split(' ')[13];
        EXPECT_GE(labelWidth, QFontMetrics(QApplication::font()).horizontalAdvance(word) - 2);
        if (shownPath == path) {
            EXPECT_EQ(word, path);
        } else {
            EXPECT_TRUE(word.startsWith("/very-long-folder-name/") && word.endsWith("/track.gpx") &&
                        word.contains(QChar(0x2026)))
                << word.toStdString();
        }
    }
}

TEST(DirectoryChooser, CreatesAMissingDirectoryOnceConfirmed)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("sub"));
    DirectoryChooser chooser(nullptr, QString::fromStdString(dir.path()));
    chooser.show();
    EXPECT_EQ(chooser.directory().absolutePath().toStdString(), dir.path());

    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(answer)->click();
        });
        Enter(chooser, "new/deeper");
        EXPECT_EQ(std::filesystem::exists(dir.File("new/deeper")), answer == QMessageBox::Yes);
    }
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.ChosenDirectory().toStdString(), dir.File("new/deeper"));
}

}  // namespace
}  // namespace qm::test
