#include "ui/interface_language.h"

#include "platform/message_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qm {
namespace {

// The translators of the language installed last, owned by the application.
QTranslator* programTexts = nullptr;
QTranslator* qtTexts = nullptr;

void Replace(QTranslator*& installed, const QString& file, const QString& directory)
{
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (file.isEmpty()) return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, directory)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

}  // namespace

void InstallInterfaceLanguage(Language language)
{
    // Russian is the source text and English Qt's own.
    const bool english = language == Language::English;
    Replace(programTexts, english ? "quillmarsh_en" : "", ":/i18n");
    Replace(qtTexts, english ? "" : "qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    SetMessageLanguage(language);
}

char InterfaceDecimalSeparator() { return DecimalSeparator(MessageLanguage()); }

}  // namespace qm
