// Every message on standard error begins with the file it is about; settings
// that cannot be read whole stop the run.
#include "cli/cli_fixture.h"
#include "visual/visual_test_support.h"

#include <filesystem>
#include <sys/stat.h>

namespace qm {
namespace {

using test::CliTest;

struct Case {
    std::vector<std::string> args;
    std::string err;
};

TEST_F(CliTest, MessagesNameTheirFileAndBadSettingsStopTheRun)
{
    Track("good.plt");
    // Line 9 is the third point; its time does not convert.
    std::string lines = track;
    size_t at = 0;
    for (int i = 0; i < 8; ++i) at = lines.find('\n', at) + 1;
    lines.replace(at, lines.find('\n', at) - at, "55.1,37.2,0,100,nan,,\r");
    work.Write("bad.plt", lines);
    work.Write("bad.ini", "[VISUAL]\r\nTIMEINTRVL=3\r\n[SPDSCALE0]\r\nSCALEDATA=0;4x055;1\r\n");
    std::filesystem::create_directories(work.File("dir"));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(work.File("fifo").c_str(), 0644), 0);
#endif

    const Case cases[] = {
        {{"visualise", "good.plt", "bad.plt", "--out", "out"},
         "bad.plt:9: 'nan' is not a valid floating point value\n"},
        {{"stats", "bad.plt", "dir"}, "bad.plt:9: 'nan' is not a valid floating point value\ndir: Это каталог, а не файл трека\n"},
        {{"visualise", "good.plt", "--settings", "bad.ini"}, "bad.ini:4: '4x055' is not a valid integer value\n"},
        {{"stats", "good.plt", "--settings", test::kDevice}, test::kDevice + ": Это не обычный файл\n"},
#ifndef _WIN32
        {{"stats", "good.plt", "--settings", "fifo"}, "fifo: Это не обычный файл\n"},
        // A name with a line end and a terminal's escape stays on its one line.
        {{"stats", "evil\nFAKE.plt: x\x1B[31m.plt", "dir"},
         "evil\\nFAKE.plt: x\\x1B[31m.plt: Файл трека не найден!\ndir: Это каталог, а не файл трека\n"},
#endif
        {{"stats", "good.plt", "--settings", "dir"}, "dir: Это каталог\n"},
        {{"settings", "--settings", "missing.ini"}, "missing.ini: Нет такого файла или каталога\n"},
        // --lang holds for what is said about the settings file itself.
        {{"settings", "--settings", "missing.ini", "--lang", "en"}, "missing.ini: No such file or directory\n"},
        {{"stats", "good.plt", "dir", "--lang", "en"}, "dir: Is a directory, not a track file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        test::CliRun run = Run(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.err);
    }
    // The first run processed good.plt only; no other run processed anything.
    std::set<std::string> files{"bad.ini", "bad.plt", "dir", "good.plt", "out"};
#ifndef _WIN32
    files.insert("fifo");
#endif
    EXPECT_EQ(test::FileNames(work.path()), files);
}

TEST_F(CliTest, UnreadableSettingsInTheCurrentDirectoryStopTheRun)
{
    Track("good.plt");
    std::filesystem::create_directories(work.File("Quillmarsh.ini"));
    test::CliRun run = Run({"visualise", "good.plt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Quillmarsh.ini: Это каталог\n");
    EXPECT_EQ(run.out, "");
}

// --lang chooses the language of the messages, over LANGUAGE of the
// settings file; Russian without either.
TEST_F(CliTest, LangChoosesTheLanguageOfTheMessages)
{
    work.Write("empty.plt", "");
    work.Write("en.ini", "[INTERFACE]\r\nLANGUAGE=en\r\n");
    struct LangCase {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const LangCase cases[] = {
        {{"stats", "empty.plt"}, 1, "empty.plt: Неверный формат трека! Файл empty.plt пуст.\n"},
        {{"stats", "empty.plt", "--lang", "en"}, 1, "empty.plt: Wrong track format! The file empty.plt is empty.\n"},
        {{"stats", "empty.plt", "--settings", "en.ini"}, 1, "empty.plt: Wrong track format! The file empty.plt is empty.\n"},
        {{"stats", "empty.plt", "--settings", "en.ini", "--lang", "ru"}, 1,
         "empty.plt: Неверный формат трека! Файл empty.plt пуст.\n"},
        {{"visualise", "missing.plt", "--lang", "en"}, 1, "missing.plt: Track file not found!\n"},
        {{"stats", "empty.plt", "--lang", "EN"}, 2, "quillmarsh-cli: --lang takes ru or en\nTry 'quillmarsh-cli --help'.\n"},
        {{"settings", "--lang", ""}, 2, "quillmarsh-cli: --lang takes ru or en\nTry 'quillmarsh-cli --help'.\n"},
        {{"stats", "empty.plt", "--lang"}, 2, "quillmarsh-cli: option --lang needs a value\nTry 'quillmarsh-cli --help'.\n"},
    };
    for (const LangCase& c : cases) {
        test::CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
    }
    // The files written and the line on standard output are the same.
    Track("good.plt");
    test::CliRun russian = Run({"visualise", "good.plt", "--out", "ru"});
    test::CliRun english = Run({"visualise", "good.plt", "--out", "en", "--lang", "en"});
    EXPECT_EQ(russian.out, "good.plt: трек обработан\n");
    EXPECT_EQ(english.out, "good.plt: track processed\n");
    for (const std::string& name : test::FileNames(work.File("ru")))
        EXPECT_EQ(test::ReadAll(work.File("en/" + name)), test::ReadAll(work.File("ru/" + name))) << name;
    EXPECT_EQ(test::FileNames(work.File("en")), test::FileNames(work.File("ru")));
}

}  // namespace
}  // namespace qm
