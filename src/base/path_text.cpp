#include "base/path_text.h"

#include "base/gbk.h"

namespace kalamo {

std::string ParentOf(std::string_view path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos) return ".";
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string_view FileNameOf(std::string_view path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    return std::string(dot == std::string_view::npos ? path : path.substr(dot + 1));
}

std::string TitleFromPath(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    return std::string(name.substr(0, name.find('.')));
}

std::string GbkFromNativeName(std::string_view name) {
    return IsValidUtf8(name) ? Utf8ToGbk(name) : std::string(name);
}

std::string SafeFileName(std::string_view utf8, std::size_t maxBytes) {
    std::string name(utf8);
    for (char& c : name)
        if (c == '/' || c == '\0') c = '_';
    if (name.size() > maxBytes) {
        std::size_t end = maxBytes;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name.resize(end);
    }
    if (name.empty() || name == "." || name == "..") return std::string(1, '_');
    return name;
}

}  // namespace kalamo
