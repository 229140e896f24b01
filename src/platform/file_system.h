#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A regular file, or anything else that is not a directory, exists at path.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// What tells one existing file from every other, however its path is
// spelled or linked: the device (volume) and the file's number on it.
struct FileId {
    uint64_t Device = 0;
    uint64_t Number = 0;
    auto operator<=>(const FileId&) const = default;
};
std::optional<FileId> FileIdOf(const std::string& path);
// Both paths name one existing file.
bool SameFile(const std::string& a, const std::string& b);
// Two paths spelled alike as the system compares names, whether or not the
// file exists: byte for byte on Linux; on Windows in any case, "/" as "\\".
bool SamePathSpelling(const std::string& a, const std::string& b);
// The size in bytes of an open file; 0 when it cannot be told.
uint64_t OpenFileSize(int fd);
// One state of one file: a file written again, or replaced by another, has
// another version (short of a rewrite of the same size within the clock's tick).
struct FileVersion {
    FileId Id;
    uint64_t Size = 0;
    int64_t Modified = 0;  // in the system's own ticks
    auto operator<=>(const FileVersion&) const = default;
};
// The version of an open file; nothing when it cannot be told.
std::optional<FileVersion> OpenFileVersion(int fd);
// Creates one directory; its parent must exist.
bool CreateDir(const std::string& path);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& path);
// The path made absolute against the current directory.
std::string AbsolutePath(const std::string& path);

// Opens a regular file for reading; -1 when it cannot be opened or is no
// regular file. A FIFO would block the open and a device such as /dev/zero
// never ends, so neither is read as a file. `why`, when given, receives the
// reason of a -1 ("is a directory", "is not a regular file" or the system's).
int OpenRegularFile(const std::string& path, std::string* why = nullptr);

// Nothing by that name exists at path.
bool NothingAt(const std::string& path);

// Creates a new file for reading and writing, failing when anything exists
// at path. Returns the descriptor, or -1 with errno set.
int CreateNewFile(const std::string& path);
// Removes a file; false (errno set) when it cannot.
bool RemoveFile(const std::string& path);
// Renames from over to, replacing a file there; false (errno set) when it
// cannot (a directory at to, for one). SyncDirectory makes it durable.
bool RenameOver(const std::string& from, const std::string& to);
// Writes what is written to fd so far to the disk; false (errno set) on an error.
bool SyncFile(int fd);
// Starts writing [offset, offset + bytes) of fd to the disk without waiting
// for it, where the system can; the sync that follows then finds less to do.
void StartWriteBack(int fd, uint64_t offset, uint64_t bytes);
// Syncs a directory (empty: the current one), so that the renames into it
// survive a crash.
void SyncDirectory(const std::string& directory);

// A CreateTemporaryFile pattern for the unfinished file of path, in the same
// directory: ".~", the start of the name, ".XXXXXX". The name is cut so that
// the pattern stays a valid name wherever the name itself is one.
std::string TemporaryPathBeside(const std::string& path);

// Text files we write end every line with CR LF.
inline constexpr std::string_view kLineEnd = "\r\n";

// The lines joined, each followed by kLineEnd.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace qm
