#pragma once

#include <QLineEdit>
#include <QString>

#include <string>
#include <string_view>

namespace qm {

// The core keeps texts as UTF-8 bytes.
inline QString ToQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStd(const QString& text) { return text.toStdString(); }

inline std::string TextOf(const QLineEdit* edit) { return ToStd(edit->text()); }

// Writes the text only when it differs, so that change handlers run only on
// a real change. Text set this way does not count as typed.
inline void SetText(QLineEdit* edit, std::string_view text)
{
    QString value = ToQt(text);
    if (edit->text() != value) edit->setText(value);
}

}  // namespace qm
