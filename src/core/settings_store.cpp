#include "core/settings_store.h"

#include "base/ini_text.h"
#include "base/number_text.h"
#include "platform/ini_file.h"

namespace kalamo {
namespace {

constexpr char kPointsSection[] = "运行情况";
constexpr char kPointsKey[] = "运行";
constexpr char kInstallFolderName[] = "dizhi";
constexpr char kPointsMirrorName[] = "fen";

}  // namespace

SettingsStore::SettingsStore(const ProcessPaths& paths, MachineStore& machine, FileSystem& files)
    : paths_(paths), machine_(machine), files_(files) {}

std::string SettingsStore::runIniPath() const {
    return paths_.runDirectory() + "/setting.ini";
}

std::string SettingsStore::workingIniPath() const {
    return paths_.workingDirectory() + "/setting.ini";
}

std::string SettingsStore::readSetting(const std::string& section, const std::string& key) const {
    return IniFile(files_, runIniPath()).read(section, key);
}

void SettingsStore::writeSetting(const std::string& section, const std::string& key,
                                 const std::string& value) {
    IniFile(files_, runIniPath()).write(section, key, value);
}

int SettingsStore::readSettingInt(const std::string& section, const std::string& key) const {
    return ReadInteger(readSetting(section, key));
}

Colour SettingsStore::readSettingColour(const std::string& section, const std::string& key) const {
    return static_cast<Colour>(readSettingInt(section, key)) & 0xFFFFFFu;
}

// The enciphered points may hold any byte; the escape keeps them whole on one line.
std::string SettingsStore::readPointsText() const {
    return IniText::UnescapeValue(
        IniFile(files_, workingIniPath()).read(kPointsSection, kPointsKey));
}

void SettingsStore::writePointsText(const std::string& value) {
    IniFile(files_, workingIniPath())
        .write(kPointsSection, kPointsKey, IniText::EscapeValue(value));
}

std::string SettingsStore::readRegistryText() const {
    return machine_.readText(kInstallFolderName);
}

void SettingsStore::writeRegistryText(const std::string& value) {
    machine_.writeText(kInstallFolderName, value);
}

std::uint32_t SettingsStore::readRegistryNumber() const {
    return machine_.readNumber(kPointsMirrorName);
}

void SettingsStore::writeRegistryNumber(std::uint32_t value) {
    machine_.writeNumber(kPointsMirrorName, value);
}

void SettingsStore::setIniAttributes(bool readOnly) {
    files_.setReadOnly(runIniPath(), readOnly);
}

}  // namespace kalamo
