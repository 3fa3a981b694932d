#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/linux/linux_file_system.h"
#include "platform/machine_store.h"

namespace kalamo {

// The per-machine values in one INI file, section "kalamo": texts as UTF-8 (escaped only
// when a value would not survive a line as it is), numbers as decimal text.
class MachineIniStore : public MachineStore {
  public:
    explicit MachineIniStore(std::string path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/kalamo/machine.ini, else ~/.config/kalamo/machine.ini.
    static std::string DefaultPath();
    // The same rule over given values; a relative XDG_CONFIG_HOME is ignored.
    static std::string DefaultPathFor(std::string_view xdgConfigHome, std::string_view home);

    std::string readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& value) override;
    // 0 for a missing value and for anything that is not a decimal uint32.
    std::uint32_t readNumber(const std::string& name) const override;
    void writeNumber(const std::string& name, std::uint32_t value) override;

  private:
    void write(const std::string& name, const std::string& stored);

    std::string path_;
    mutable LinuxFileSystem files_;
};

}  // namespace kalamo
