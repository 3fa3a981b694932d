#include "platform/linux/machine_ini_store.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <charconv>

#include "base/ini_text.h"
#include "base/path_text.h"
#include "platform/ini_file.h"

namespace kalamo {
namespace {

constexpr char kSection[] = "kalamo";

std::string HomeFolder() {
    if (const char* home = getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

}  // namespace

std::string MachineIniStore::DefaultPathFor(std::string_view xdgConfigHome, std::string_view home) {
    std::string base;
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/') {
        base = xdgConfigHome;
    } else {
        base = std::string(home) + "/.config";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    if (base == "/") base.clear();
    return base + "/kalamo/machine.ini";
}

std::string MachineIniStore::DefaultPath() {
    const char* xdg = getenv("XDG_CONFIG_HOME");
    return DefaultPathFor(xdg ? xdg : "", HomeFolder());
}

std::string MachineIniStore::readText(const std::string& name) const {
    return IniText::UnescapeValue(IniFile(files_, path_).read(kSection, name));
}

void MachineIniStore::writeText(const std::string& name, const std::string& value) {
    write(name, IniText::EscapeValue(value));
}

std::uint32_t MachineIniStore::readNumber(const std::string& name) const {
    std::string text = IniFile(files_, path_).read(kSection, name);
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end ? value : 0;
}

void MachineIniStore::writeNumber(const std::string& name, std::uint32_t value) {
    write(name, std::to_string(value));
}

void MachineIniStore::write(const std::string& name, const std::string& stored) {
    files_.makeDirectories(ParentOf(path_));
    IniFile(files_, path_).write(kSection, name, stored);
}

}  // namespace kalamo
