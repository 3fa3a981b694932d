#pragma once

#include <cstdint>
#include <string>

namespace kalamo {

// The per-machine values: the points mirror `fen` and the install folder `dizhi`.
class MachineStore {
  public:
    virtual ~MachineStore() = default;
    virtual std::string readText(const std::string& name) const = 0;  // missing -> ""
    virtual void writeText(const std::string& name, const std::string& value) = 0;
    virtual std::uint32_t readNumber(const std::string& name) const = 0;  // missing -> 0
    virtual void writeNumber(const std::string& name, std::uint32_t value) = 0;
};

}  // namespace kalamo
