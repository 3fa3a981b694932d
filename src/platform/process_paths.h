#pragma once

#include <string>
#include <vector>

namespace kalamo {

// Where the program lives and was started from. Paths are native (UTF-8) bytes,
// without a trailing "/".
class ProcessPaths {
  public:
    virtual ~ProcessPaths() = default;
    virtual std::string runDirectory() const = 0;
    // Asked at the moment of use: the working directory may change during a run.
    virtual std::string workingDirectory() const = 0;
    virtual std::string executablePath() const = 0;
};

}  // namespace kalamo
