#include "ui/offscreen_notes.h"

#include <QString>
#include <QtGlobal>

namespace qm {
namespace {

QtMessageHandler standardHandler = nullptr;

void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith("This plugin does not support")) standardHandler(type, context, message);
}

}  // namespace

void DropOffscreenPlatformNotes() { standardHandler = qInstallMessageHandler(DropPlatformNotes); }

}  // namespace qm
