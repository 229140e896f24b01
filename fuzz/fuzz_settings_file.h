#pragma once

#include <string>

namespace qm::fuzz {

// Loads the text as the settings file, then saves what was read twice, over
// the file and into a new one: both files must load without an error.
void FuzzSettingsFile(const std::string& text);

}  // namespace qm::fuzz
