#pragma once

#include "platform/file_text.h"

#include <QDir>
#include <QLineEdit>
#include <QString>

#include <string>
#include <string_view>

namespace qm {

// The core keeps texts as UTF-8 bytes; bytes that came from a file as they
// are (a path, a track line) may be Windows-1251 instead.
inline QString ToQt(std::string_view text)
{
    const std::string utf8 = FileTextToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToStd(const QString& text) { return text.toStdString(); }
// A path from Qt ("/" on every system) as the user reads and the core writes it.
inline std::string ToStdPath(const QString& path) { return ToStd(QDir::toNativeSeparators(path)); }

inline std::string TextOf(const QLineEdit* edit) { return ToStd(edit->text()); }

// Writes the text only when it differs, so that change handlers run only on
// a real change. Text set this way does not count as typed.
inline void SetText(QLineEdit* edit, std::string_view text)
{
    QString value = ToQt(text);
    if (edit->text() != value) edit->setText(value);
}

}  // namespace qm
