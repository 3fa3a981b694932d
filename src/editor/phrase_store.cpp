#include "editor/phrase_store.h"

#include "base/ini_text.h"

namespace kalamo {
namespace {
constexpr const char* kSection = "快捷设置";
}  // namespace

std::string PhraseStore::read(const std::string& key) const {
    return IniText::UnescapeValue(settings_.readSetting(kSection, key));
}

bool PhraseStore::write(const std::string& key, const std::string& phrase) {
    const std::string stored = IniText::EscapeValue(phrase);
    if (stored.size() > IniText::kMaxValueBytes) return false;
    settings_.writeSetting(kSection, key, stored);
    return true;
}

}  // namespace kalamo
