#include "base/path_text.h"

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

}  // namespace kalamo
