#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace qm::test {
namespace {

struct TranslatedText {
    QString context, source, translation, type;
};

std::vector<TranslatedText> TranslationFile()
{
    QFile file(QM_TRANSLATION_FILE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<TranslatedText> texts;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source") texts.push_back({context, xml.readElementText(), {}, {}});
        if (xml.name() == u"translation") {
            texts.back().type = xml.attributes().value("type").toString();
            texts.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

// "%1".."%9" as they occur, and the mnemonic: a single "&" (a doubled one is
// an ampersand shown).
std::multiset<QString> Arguments(const QString& text)
{
    std::multiset<QString> found;
    auto matches = QRegularExpression("%[1-9]|&&|&").globalMatch(text);
    while (matches.hasNext())
        if (const QString match = matches.next().captured(); match != "&&") found.insert(match);
    return found;
}

// Each window text has its English, finished, with the same arguments and one
// mnemonic where the Russian has one, and no Russian letter left; the program
// shows the file's English once English is installed.
TEST(EnglishTranslation, EveryWindowTextTranslatedWithItsArguments)
{
    const std::vector<TranslatedText> texts = TranslationFile();
    ASSERT_GT(texts.size(), 100u);
    InstallInterfaceLanguage(Language::English);
    const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    for (const TranslatedText& text : texts) {
        SCOPED_TRACE(text.source.toStdString());
        EXPECT_TRUE(text.type.isEmpty()) << text.type.toStdString();
        EXPECT_FALSE(text.translation.isEmpty() || text.translation.contains(cyrillic))
            << text.translation.toStdString();
        EXPECT_EQ(Arguments(text.translation), Arguments(text.source)) << text.translation.toStdString();
        EXPECT_EQ(QCoreApplication::translate(text.context.toUtf8(), text.source.toUtf8()), text.translation);
    }
    InstallInterfaceLanguage(Language::Russian);
}

}  // namespace
}  // namespace qm::test
