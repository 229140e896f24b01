#pragma once

#include <cstdint>
#include <string>

namespace qm {

// The four FILES values of the settings file: the track path, the output
// folder type, the sub-folder option and the output directory. They live with
// whoever shows them: the main window keeps them in its controls and applies
// its directory rules as they arrive; a plain holder keeps them as given.
class FilesState {
public:
    virtual ~FilesState() = default;

    virtual std::string TrackFile() const = 0;
    virtual int32_t FolderType() const = 0;
    virtual bool SubFolder() const = 0;
    virtual std::string FolderName() const = 0;

    // The start-up load from the INI form, in this order, values as read.
    virtual void LoadTrackFile(const std::string& path) = 0;
    virtual void LoadFolderType(int32_t type) = 0;
    virtual void LoadSubFolder(bool on) = 0;
    virtual void LoadFolderName(const std::string& directory) = 0;

    // The import of an old-format settings file, line by line. The import has
    // already applied the tests that need no file system: a track path is not
    // empty, a folder type is the one to select, a folder name is given only
    // while the folder type is 2.
    virtual void ImportTrackFile(const std::string& path) = 0;
    virtual void ImportFolderType(int32_t type) = 0;
    virtual void ImportFolderName(const std::string& directory) = 0;
};

// Keeps the four values exactly as they are loaded or set.
class PlainFilesState : public FilesState {
public:
    std::string trackFile;
    int32_t folderType = 0;
    bool subFolder = false;
    std::string folderName;

    std::string TrackFile() const override { return trackFile; }
    int32_t FolderType() const override { return folderType; }
    bool SubFolder() const override { return subFolder; }
    std::string FolderName() const override { return folderName; }

    void LoadTrackFile(const std::string& path) override { trackFile = path; }
    void LoadFolderType(int32_t type) override { folderType = type; }
    void LoadSubFolder(bool on) override { subFolder = on; }
    void LoadFolderName(const std::string& directory) override { folderName = directory; }
    void ImportTrackFile(const std::string& path) override { trackFile = path; }
    void ImportFolderType(int32_t type) override { folderType = type; }
    void ImportFolderName(const std::string& directory) override { folderName = directory; }
};

}  // namespace qm
