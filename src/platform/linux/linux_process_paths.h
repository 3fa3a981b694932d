#pragma once

#include <string>

#include "platform/process_paths.h"

namespace kalamo {

// The running executable as /proc/self/exe names it, and the current directory.
// The root folder is "" so that appending "/name" gives a valid path.
class LinuxProcessPaths : public ProcessPaths {
  public:
    std::string runDirectory() const override;
    std::string workingDirectory() const override;
    std::string executablePath() const override;
};

}  // namespace kalamo
