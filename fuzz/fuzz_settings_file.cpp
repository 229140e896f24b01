#include "fuzz_settings_file.h"

#include "fuzz_support.h"

#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"

namespace qm::fuzz {
namespace {

void ExpectCleanLoad(const std::string& path)
{
    Settings settings;
    QM_FUZZ_CHECK(!LoadSettings(path, settings).Error);
}

}  // namespace

void FuzzSettingsFile(const std::string& text)
{
    const std::string path = SettingsFilePath(WorkDir());
    WriteInput(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());

    Settings settings;
    const FilesSettings files = LoadSettings(path, settings).PlainFiles();
    NullSink sink;
    QM_FUZZ_CHECK(settings.CURRENTSCALE >= 0 && settings.CURRENTSCALE < kScaleCount);

    const std::string fresh = WorkDir() + "/fresh.ini";
    IniFile ini(fresh);
    WriteSettings(ini, settings, files);
    ini.UpdateFile();
    ExpectCleanLoad(fresh);

    // The save makes StartDir the current directory; libFuzzer reads its
    // inputs by the paths it was given.
    const std::string cwd = GetCurrentDir();
    settings.StartDir = WorkDir();
    settings.SettingsChanged = true;
    QM_FUZZ_CHECK(SaveSettings(settings, files, sink));
    SetCurrentDir(cwd);
    ExpectCleanLoad(path);
}

}  // namespace qm::fuzz
