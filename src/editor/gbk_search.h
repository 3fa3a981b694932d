#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalamo {

// A search text looked for in GBK text as the editor cuts it into units (GbkUnitAt): a
// match starts and ends at the edge of a unit, so a one-byte text never matches half of a
// Chinese character, nor the CR of a CR LF. Without matching case, an ASCII letter that is
// a character of its own compares without regard to case; a letter byte that is part of a
// longer character always compares exactly. Every search costs time linear in the text.
class GbkSearch {
  public:
    GbkSearch(std::string_view needle, bool matchCase);

    std::size_t length() const { return needle_.size(); }

    // The first match that starts at `from` or later.
    std::optional<std::size_t> findForward(std::string_view text, std::size_t from) const;
    // The last match that ends at `end` or before.
    std::optional<std::size_t> findBackward(std::string_view text, std::size_t end) const;

    // What replacing every match makes of `text`: the scan starts at the beginning and
    // goes on behind each match, so replacement text is never searched again. Only the
    // range [from, to) changes, from the first match to the end of the last one.
    struct Replaced {
        std::size_t from = 0, to = 0;
        std::string with;
        std::size_t count = 0;
    };
    std::optional<Replaced> replaceAll(std::string_view text, std::string_view replacement) const;

  private:
    template <class Visit>
    void scan(std::string_view text, std::size_t from, std::size_t end, Visit visit) const;

    std::string needle_;  // folded unless case matters
    bool matchCase_;
    std::vector<std::size_t> border_;  // longest proper border of each prefix of needle_
};

}  // namespace kalamo
