#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/machine_store.h"
#include "platform/process_paths.h"
#include "ui/ui_types.h"

namespace kalamo {

// setting.ini beside the executable, the points value in the working directory's
// setting.ini, and the two per-machine values. Every read goes to the file at the
// moment of the call; every write replaces one key. Failures read as "" and write
// nothing, silently.
class SettingsStore {
  public:
    SettingsStore(const ProcessPaths& paths, MachineStore& machine, FileSystem& files);

    std::string readSetting(const std::string& section, const std::string& key) const;
    void writeSetting(const std::string& section, const std::string& key, const std::string& value);
    int readSettingInt(const std::string& section, const std::string& key) const;
    // An integer R + 256 G + 65536 B; bits above the 24 colour bits are dropped.
    Colour readSettingColour(const std::string& section, const std::string& key) const;

    // 运行情况 / 运行 in WorkingDirectory's setting.ini; any bytes come back whole.
    std::string readPointsText() const;
    void writePointsText(const std::string& value);

    std::string readRegistryText() const;  // dizhi
    void writeRegistryText(const std::string& value);
    std::uint32_t readRegistryNumber() const;  // fen
    void writeRegistryNumber(std::uint32_t value);

    // Hidden and system have no counterpart here; read-only clears the write bits.
    void setIniAttributes(bool readOnly);

    std::string runIniPath() const;
    std::string workingIniPath() const;

  private:
    const ProcessPaths& paths_;
    MachineStore& machine_;
    FileSystem& files_;
};

}  // namespace kalamo
