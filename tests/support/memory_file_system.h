#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kalamo::test {

// Files in memory. Records which folder was locked around each write, so a test can see
// that read-modify-write runs as one locked step.
class MemoryFileSystem : public FileSystem {
  public:
    struct File {
        std::string bytes;
        bool readOnly = false;
        bool unreadable = false;
    };
    std::map<std::string, File> files;
    std::set<std::string> folders{"/", "."};
    std::vector<std::string> writesOutsideLock;
    int writes = 0;
    // Every write fails with this reason while it is not None (a full disk, say).
    FileError failWrites = FileError::None;
    Durability lastDurability = Durability::Flushed;

    std::optional<std::string> readAll(const std::string& path) const override;
    bool writeAtomic(const std::string& path, const std::string& bytes, FileError* error = nullptr,
                     Durability durability = Durability::Flushed) override;
    bool exists(const std::string& path) const override;
    bool isFile(const std::string& path) const override { return files.count(path) > 0; }
    bool isDirectory(const std::string& path) const override { return folders.count(path) > 0; }
    bool makeDirectories(const std::string& path) override;
    void setReadOnly(const std::string& path, bool readOnly) override;
    bool withFolderLock(const std::string& folder, const std::function<void()>& body) override;

  private:
    std::string locked_;
};

}  // namespace kalamo::test
