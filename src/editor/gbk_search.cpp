#include "editor/gbk_search.h"

#include <algorithm>
#include <cstring>

#include "base/gbk.h"

namespace kalamo {
namespace {

// GbkUnitAt's length, with a one-byte character and a two-byte one answered here.
std::size_t UnitBytes(std::string_view s, std::size_t pos) {
    const auto c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80 && c != '\r') return 1;
    if (c >= 0x81 && c <= 0xFE && pos + 1 < s.size()) {
        const auto d = static_cast<unsigned char>(s[pos + 1]);
        if (d >= 0x40 && d <= 0xFE && d != 0x7F) return 2;
    }
    return GbkUnitAt(s, pos).bytes;
}

// The edges between the units of a text, asked about ever later offsets.
class UnitEdges {
  public:
    explicit UnitEdges(std::string_view text) : text_(text) {}
    bool at(std::size_t pos) {
        while (next_ < pos) next_ += UnitBytes(text_, next_);
        return next_ == pos;
    }

  private:
    std::string_view text_;
    std::size_t next_ = 0;
};

// Bytes [from, end) of `text`, with the letters that stand as characters of their own in
// lower case. Changing the case of letters never changes where units begin, so the folded
// text and search text still agree exactly where the original ones match.
std::string FoldCase(std::string_view text, std::size_t from, std::size_t end) {
    std::string folded(text.substr(from, end - from));
    for (std::size_t pos = 0; pos < end; pos += UnitBytes(text, pos)) {
        const char c = text[pos];
        if (pos >= from && c >= 'A' && c <= 'Z') folded[pos - from] = static_cast<char>(c + 32);
    }
    return folded;
}

// Room for what the `rest` bytes become if all of them are matches, but at most twice the
// rest: one allocation instead of a copy at every doubling; a longer result still grows.
std::size_t ReplacedSizeBound(std::size_t rest, std::size_t needle, std::size_t replacement) {
    const std::size_t growth = replacement > needle ? replacement - needle : 0;
    return std::min(rest + rest / needle * growth, 2 * rest + replacement);
}

}  // namespace

GbkSearch::GbkSearch(std::string_view needle, bool matchCase)
    : needle_(matchCase ? std::string(needle) : FoldCase(needle, 0, needle.size())),
      matchCase_(matchCase),
      border_(needle_.size(), 0) {
    for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
        while (k > 0 && needle_[i] != needle_[k]) k = border_[k - 1];
        if (needle_[i] == needle_[k]) ++k;
        border_[i] = k;
    }
}

// Knuth-Morris-Pratt over bytes [from, end), overlapping hits included, each kept only when
// it begins and ends at a unit edge; memchr skips ahead while nothing is matched. Hits come
// in order, so the edges are walked once.
template <class Visit>
void GbkSearch::scan(std::string_view text, std::size_t from, std::size_t end, Visit visit) const {
    const std::size_t m = needle_.size();
    if (m == 0 || end > text.size() || from > end || end - from < m) return;
    std::string folded;
    std::string_view hay = text.substr(from, end - from);
    if (!matchCase_) hay = folded = FoldCase(text, from, end);
    UnitEdges starts(text), ends(text);
    std::size_t matched = 0;
    for (std::size_t i = 0; i < hay.size(); ++i) {
        if (matched == 0) {
            const void* hit = std::memchr(hay.data() + i, needle_[0], hay.size() - i);
            if (!hit) return;
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data());
        }
        while (matched > 0 && hay[i] != needle_[matched]) matched = border_[matched - 1];
        if (hay[i] == needle_[matched]) ++matched;
        if (matched < m) continue;
        const std::size_t at = from + i + 1 - m;
        if (starts.at(at) && ends.at(at + m) && !visit(at)) return;
        matched = border_[m - 1];
    }
}

std::optional<std::size_t> GbkSearch::findForward(std::string_view text, std::size_t from) const {
    std::optional<std::size_t> found;
    scan(text, from, text.size(), [&](std::size_t at) {
        found = at;
        return false;
    });
    return found;
}

std::optional<std::size_t> GbkSearch::findBackward(std::string_view text, std::size_t end) const {
    std::optional<std::size_t> found;
    scan(text, 0, std::min(end, text.size()), [&](std::size_t at) {
        found = at;
        return true;
    });
    return found;
}

std::optional<GbkSearch::Replaced> GbkSearch::replaceAll(std::string_view text,
                                                         std::string_view replacement) const {
    Replaced r;
    scan(text, 0, text.size(), [&](std::size_t at) {
        if (r.count > 0 && at < r.to) return true;  // overlaps the match just replaced
        if (r.count == 0) {
            r.from = at;
            r.with.reserve(ReplacedSizeBound(text.size() - at, needle_.size(), replacement.size()));
        } else {
            r.with.append(text.substr(r.to, at - r.to));
        }
        r.with.append(replacement);
        r.to = at + needle_.size();
        ++r.count;
        return true;
    });
    if (r.count == 0) return std::nullopt;
    return r;
}

}  // namespace kalamo
