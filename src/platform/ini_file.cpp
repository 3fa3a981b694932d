#include "platform/ini_file.h"

#include <optional>

#include "base/ini_text.h"
#include "base/path_text.h"

namespace kalamo {

std::string IniFile::read(std::string_view section, std::string_view key) const {
    std::string path = IniText::CleanPath(path_);
    if (path.empty() || IniText::IsBlankName(section) || IniText::IsBlankName(key)) return {};
    std::optional<std::string> content = files_.readAll(path);
    return content ? IniText::Lookup(*content, section, key) : std::string();
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string path = IniText::CleanPath(path_);
    if (path.empty()) return false;
    bool written = false;
    files_.withFolderLock(ParentOf(path), [&] {
        std::optional<std::string> content = files_.readAll(path);
        // Only a file that is not there may be started afresh; one we cannot read is kept.
        if (!content && files_.exists(path)) return;
        std::optional<std::string> updated =
            IniText::Update(content.value_or(""), section, key, value);
        if (!updated) return;
        written = (content && *updated == *content) || files_.writeAtomic(path, *updated);
    });
    return written;
}

}  // namespace kalamo
