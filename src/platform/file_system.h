#pragma once

#include <optional>
#include <string>

namespace kalamo {

// Whole-file access at the moment of use. Paths are native (UTF-8) bytes.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // nullopt when the path is missing, a folder or unreadable.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;
    // Replaces the file through a temporary sibling and a rename, so a failure never
    // leaves a half-written file. Returns false, with a reason, when nothing was written.
    virtual bool writeAtomic(const std::string& path, const std::string& bytes,
                             std::string* error = nullptr) = 0;
    virtual bool isFile(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
};

}  // namespace kalamo
