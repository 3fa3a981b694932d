#pragma once

#include <functional>
#include <optional>
#include <string>

namespace kalamo {

// Why a write did not happen. The logic turns these into what the user reads.
enum class FileError {
    None,
    EmptyPath,
    MissingFolder,
    IsFolder,
    NotRegularFile,
    ReadOnlyFile,
    NoPermission,
    NoSpace,
    ReadOnlyDisk,
    NameTooLong,
    Other,
};

// Flushed waits until the bytes are on the disk before the rename: the file survives a power
// cut. NoFlush only survives a killed process, and costs no disk wait: for copies rewritten
// on every keystroke.
enum class Durability { Flushed, NoFlush };

// Whole-file access at the moment of use. Paths are native (UTF-8) bytes.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // nullopt when the path is missing, a folder or unreadable.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;
    // Replaces the file through a temporary sibling and a rename, so a failure never
    // leaves a half-written file. Refuses a file whose write bits are all cleared.
    virtual bool writeAtomic(const std::string& path, const std::string& bytes,
                             FileError* error = nullptr,
                             Durability durability = Durability::Flushed) = 0;
    // Anything at all at the path, a dangling link included.
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isFile(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    // The folder and its missing parents; true when it is there afterwards.
    virtual bool makeDirectories(const std::string& path) = 0;
    // Read-only clears every write bit; writable gives the owner one back.
    virtual void setReadOnly(const std::string& path, bool readOnly) = 0;
    // Runs `body` under an exclusive lock of the folder shared with other processes;
    // false, without running it, when the folder cannot be locked.
    virtual bool withFolderLock(const std::string& folder, const std::function<void()>& body) = 0;
};

}  // namespace kalamo
