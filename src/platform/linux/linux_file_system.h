#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace kalamo {

// Whole files over POSIX calls. A write goes to a hidden sibling, is flushed to disk and
// renamed over the target, so readers see the old file or the new one, never a mix.
class LinuxFileSystem : public FileSystem {
  public:
    std::optional<std::string> readAll(const std::string& path) const override;
    // Refuses folders, missing folders and files whose write bits are all cleared; the
    // mode bits are checked directly because root would otherwise write anyway.
    bool writeAtomic(const std::string& path, const std::string& bytes, FileError* error = nullptr,
                     Durability durability = Durability::Flushed) override;
    bool exists(const std::string& path) const override;
    bool isFile(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    bool makeDirectories(const std::string& path) override;
    void setReadOnly(const std::string& path, bool readOnly) override;
    bool withFolderLock(const std::string& folder, const std::function<void()>& body) override;
};

}  // namespace kalamo
