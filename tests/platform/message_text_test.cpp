#include "platform/message_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace qm {
namespace {

struct Rendered {
    MessageId id;
    std::vector<std::string> args;
    std::string russian;
    std::string english;
};

std::string Render(Language language, const Rendered& r)
{
    switch (r.args.size()) {
    case 0: return MessageText(language, r.id);
    case 1: return MessageText(language, r.id, {r.args[0]});
    case 2: return MessageText(language, r.id, {r.args[0], r.args[1]});
    case 3: return MessageText(language, r.id, {r.args[0], r.args[1], r.args[2]});
    default: return MessageText(language, r.id, {r.args[0], r.args[1], r.args[2], r.args[3]});
    }
}

TEST(MessageText, RendersEachLanguageWithItsArguments)
{
    const std::vector<Rendered> cases = {
        {MessageId::PlacedInTrack, {"a.gpx", "3", "x."}, "Файл трека a.gpx, строка 3: x.", "Track file a.gpx, line 3: x."},
        {MessageId::TrackNotFound, {}, "Файл трека не найден!", "Track file not found!"},
        {MessageId::TimeOrder,
         {"5", "01.02.2003 4:05:06", "6", "01.02.2003 4:05:05"},
         "Ошибка в треке! Отметка времени точек: #5 - 01.02.2003 4:05:06; #6 - 01.02.2003 4:05:05. Трек будет "
         "обработан до точки #5.",
         "Error in the track! Times of points: #5 - 01.02.2003 4:05:06; #6 - 01.02.2003 4:05:05. The track will be "
         "processed up to point #5."},
        {MessageId::LeftOutUntimed, {"2", "10"}, "Пропущено точек без отметки времени: 2 из 10.",
         "Points without a time left out: 2 of 10."},
        {MessageId::NotOfFormat, {"GPX", "loc"}, "не является файлом GPX (корневой элемент <loc>).",
         "is not a GPX file (root element <loc>)."},
        {MessageId::ScaleClash, {"0-5 км/ч", "0-5 км/ч", "t_5.plt"},
         "Шкала скоростей не годится: полосы 0-5 км/ч и 0-5 км/ч записали бы один файл t_5.plt. Верхние границы "
         "полос должны возрастать.",
         "The speed scale cannot be used: the bands 0-5 км/ч and 0-5 км/ч would write the same file t_5.plt. The "
         "upper limits of the bands must increase."},
        {MessageId::TrackProcessed, {}, "трек обработан", "track processed"},
        // An argument is put in as it is, never read for "%N" again.
        {MessageId::WrongTime, {"<time>", "%1%2%"}, "неверное время <time> \"%1%2%\".",
         "wrong time <time> \"%1%2%\"."},
        // A name with a line end or a terminal's escape stays on the message's one line, escaped.
        {MessageId::TooManyPoints, {"evil\nFAKE.gpx: x\x1B[31m.gpx", "9"},
         "Файл трека evil\\nFAKE.gpx: x\\x1B[31m.gpx не читается: в нём больше 9 точек.",
         "The track file evil\\nFAKE.gpx: x\\x1B[31m.gpx is not read: it holds more than 9 points."},
    };
    for (const Rendered& r : cases) {
        EXPECT_EQ(Render(Language::Russian, r), r.russian);
        EXPECT_EQ(Render(Language::English, r), r.english);
    }
}

// Each "%N" of a text, in order of N.
std::multiset<std::string> Placeholders(const std::string& text)
{
    std::multiset<std::string> found;
    for (size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size(); at = text.find('%', at + 1))
        found.insert(text.substr(at, 2));
    return found;
}

TEST(MessageText, EveryMessageHasBothTextsWithTheSameArgumentsAndEnglishIsLatin)
{
    for (int n = 0; n <= static_cast<int>(MessageId::TrackProcessed); ++n) {
        const auto id = static_cast<MessageId>(n);
        const std::string russian = MessageText(Language::Russian, id);
        const std::string english = MessageText(Language::English, id);
        SCOPED_TRACE(russian);
        EXPECT_FALSE(english.empty());
        // The conversion errors the Russian interface has always shown in
        // English, and a file's name before its message; every other text
        // is translated.
        const bool shared = id == MessageId::NotInteger || id == MessageId::NotFloat || id == MessageId::InTripFile;
        EXPECT_EQ(russian == english, shared);
        std::multiset<std::string> russianArgs = Placeholders(russian), englishArgs = Placeholders(english);
        // A text may name an argument twice; each is given in both.
        EXPECT_EQ(std::set<std::string>(russianArgs.begin(), russianArgs.end()),
                  std::set<std::string>(englishArgs.begin(), englishArgs.end()));
        EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](char c) { return (c & 0x80) == 0; })) << english;
    }
}

TEST(MessageText, FollowsTheLanguageSetForTheProcess)
{
    EXPECT_EQ(MessageLanguage(), Language::Russian);
    SetMessageLanguage(Language::English);
    EXPECT_EQ(MessageText(MessageId::NoDataToCompute), "No data to compute.");
    SetMessageLanguage(Language::Russian);
    EXPECT_EQ(MessageText(MessageId::NoDataToCompute), "Нет данных для расчета.");
}

}  // namespace
}  // namespace qm
