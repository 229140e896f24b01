#include "platform/locale_formats.h"
#include "ui/offscreen_notes.h"
#include "ui/interface_language.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Also when ctest lists the tests, which it does without their environment;
    // the suite under a real X server sets the platform itself.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qm::DropOffscreenPlatformNotes();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmarsh");
    qm::UseCNumberFormat();
    qm::InstallInterfaceLanguage(qm::Language::Russian);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
