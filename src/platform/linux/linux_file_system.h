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
    // mode bits are checked directly because root would otherwise write anyway. The
    // error text is a short UTF-8 reason.
    bool writeAtomic(const std::string& path, const std::string& bytes,
                     std::string* error = nullptr) override;
    bool isFile(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
};

}  // namespace kalamo
