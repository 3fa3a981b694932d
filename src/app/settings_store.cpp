#include "app/settings_store.h"

#include <sys/stat.h>

#include "app/ini_file.h"
#include "base/number_text.h"

namespace kalamo {
namespace {

constexpr char kPointsSection[] = "运行情况";
constexpr char kPointsKey[] = "运行";
constexpr char kInstallFolderName[] = "dizhi";
constexpr char kPointsMirrorName[] = "fen";

}  // namespace

SettingsStore::SettingsStore(const ProcessPaths& paths, MachineStore& machine)
    : paths_(paths), machine_(machine) {}

std::string SettingsStore::runIniPath() const {
    return paths_.runDirectory() + "/setting.ini";
}

std::string SettingsStore::workingIniPath() const {
    return paths_.workingDirectory() + "/setting.ini";
}

std::string SettingsStore::readSetting(const std::string& section, const std::string& key) const {
    return IniFile(runIniPath()).read(section, key);
}

void SettingsStore::writeSetting(const std::string& section, const std::string& key,
                                 const std::string& value) {
    IniFile(runIniPath()).write(section, key, value);
}

int SettingsStore::readSettingInt(const std::string& section, const std::string& key) const {
    return ReadInteger(readSetting(section, key));
}

// The enciphered points may hold any byte; the escape keeps them whole on one line.
std::string SettingsStore::readPointsText() const {
    return IniFile::UnescapeValue(IniFile(workingIniPath()).read(kPointsSection, kPointsKey));
}

void SettingsStore::writePointsText(const std::string& value) {
    IniFile(workingIniPath()).write(kPointsSection, kPointsKey, IniFile::EscapeValue(value));
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
    std::string path = runIniPath();
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    mode_t mode = st.st_mode & 07777;
    chmod(path.c_str(), readOnly ? mode & ~mode_t{0222} : mode | S_IWUSR);
}

}  // namespace kalamo
