#include "platform/message_text.h"
#include "platform/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace qm {
namespace {

TEST(SystemErrorText, CommonReasonsInEachLanguageAndTheRestByNumber)
{
    const struct {
        int error;
        std::string russian;
        std::string english;
    } cases[] = {
        {ENOENT, "Нет такого файла или каталога", "No such file or directory"},
        {EACCES, "Отказано в доступе", "Permission denied"},
        {EPERM, "Отказано в доступе", "Permission denied"},
        {EISDIR, "Это каталог", "Is a directory"},
        {ENOSPC, "На устройстве не осталось свободного места", "No space left on device"},
        {EFBIG, "Файл слишком велик", "File too large"},
        {EROFS, "Файловая система доступна только для чтения", "Read-only file system"},
        {ENFILE, "Слишком много открытых файлов", "Too many open files"},
        {EDOM, "Системная ошибка " + std::to_string(EDOM), "System error " + std::to_string(EDOM)},
    };
    for (const auto& c : cases) {
        SetMessageLanguage(Language::English);
        EXPECT_EQ(SystemErrorText(c.error), c.english);
        SetMessageLanguage(Language::Russian);
        EXPECT_EQ(SystemErrorText(c.error), c.russian);
    }
}

}  // namespace
}  // namespace qm
