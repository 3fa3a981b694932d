#pragma once

#include <string>

#include "core/settings_store.h"

namespace kalamo {

// The phrases of the hotkeys Ctrl+1 to Ctrl+0: setting.ini, section 快捷设置, keys "0" to
// "9". A phrase one INI line cannot hold as it is (a line break, blanks at its ends,
// enclosing quotes) is stored escaped, so that it comes back whole; any other phrase is
// stored as it is, readable in the file.
class PhraseStore {
  public:
    explicit PhraseStore(SettingsStore& settings) : settings_(settings) {}

    // The empty text for a missing key.
    std::string read(const std::string& key) const;
    // False, with nothing written, for a phrase too long to come back whole.
    bool write(const std::string& key, const std::string& phrase);

  private:
    SettingsStore& settings_;
};

}  // namespace kalamo
