#pragma once

#include <string>
#include <string_view>

namespace qm {

// A regular file, or anything else that is not a directory, exists at path.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one directory; its parent must exist.
bool CreateDir(const std::string& path);
bool DeleteFile(const std::string& path);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& path);

// Reads the whole file into content. False when it cannot be opened; throws
// Error naming the file and the system's reason when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& content);

// Writes content under a temporary name beside path and renames it over path
// only when complete, so a failure never leaves a half-written file there.
// Throws Error: "Cannot create file "PATH". REASON" when the file cannot be
// created, "Cannot write file "PATH". REASON" when it cannot be completed.
void WriteFileAtomically(const std::string& path, std::string_view content);

// Text files we write end every line with CR LF.
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace qm
