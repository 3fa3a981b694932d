#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kalamo {

// One INI file (see IniText), read and written one key at a time at the moment of use.
// Writes run under a lock on the file's folder and replace the file atomically, so
// concurrent programs never lose each other's keys.
class IniFile {
  public:
    IniFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    // "" for a missing file, section or key, and for a blank path, section or key.
    std::string read(std::string_view section, std::string_view key) const;
    // False when nothing was written: a read-only file, a missing folder, a folder in the
    // file's place, an unreadable file, or a name that cannot be written as one line.
    bool write(std::string_view section, std::string_view key, std::string_view value);

  private:
    FileSystem& files_;
    std::string path_;
};

}  // namespace kalamo
