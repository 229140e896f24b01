#include "ui/qt_translations.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform tells about every raise() it cannot do.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith("This plugin does not support")) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    // Also when ctest lists the tests, which it does without their environment;
    // the suite under a real X server sets the platform itself.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(DropPlatformNotes);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmarsh");
    qm::UseRussianQtTexts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
