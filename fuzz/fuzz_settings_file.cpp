#include "fuzz_settings_file.h"

#include "fuzz_support.h"

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

    settings.StartDir = WorkDir();
    settings.SettingsChanged = true;
    QM_FUZZ_CHECK(SaveSettings(settings, files, sink));
    // A file whose load stopped is kept as it was.
    if (!settings.KeepSettingsFile) ExpectCleanLoad(path);
}

}  // namespace qm::fuzz
