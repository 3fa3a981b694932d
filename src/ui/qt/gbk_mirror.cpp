#include "ui/qt/gbk_mirror.h"

#include <algorithm>

#include "base/gbk.h"

namespace kalamo {

std::size_t GbkMirror::nextCut(std::size_t byte) const {
    auto after = std::upper_bound(cuts_.begin(), cuts_.end(), byte);
    return after == cuts_.end() ? bytes_.size() : *after;
}

// The unit at `byte`, read by the rule within its piece.
GbkMirror::Step GbkMirror::stepAt(std::size_t byte) const {
    const GbkUnit unit = GbkUnitAt(std::string_view(bytes_).substr(0, nextCut(byte)), byte);
    return {unit.bytes, unit.utf16};
}

void GbkMirror::reset(std::string bytes) {
    bytes_ = std::move(bytes);
    cuts_.clear();
    marks_.assign(1, Mark{});
    Mark at;
    while (at.byte < bytes_.size()) {
        const GbkUnit unit = GbkUnitAt(bytes_, at.byte);
        at.unit += unit.utf16;
        at.byte += unit.bytes;
        if (at.unit - marks_.back().unit >= kSpacing) marks_.push_back(at);
    }
    units_ = at.unit;
}

// Walks from a unit boundary up to the last boundary at or before both `unit` and `byte`.
// `window`, when given, receives a boundary at least three bytes before that one if the
// walk passed one, else a mark of kNone.
GbkMirror::Mark GbkMirror::walk(Mark at, std::size_t unit, std::size_t byte, Mark* window) const {
    Mark recent[4] = {at, at, at, at};
    std::size_t steps = 0;
    std::size_t limit = nextCut(at.byte);
    while (at.unit < unit && at.byte < byte && at.byte < bytes_.size()) {
        if (at.byte >= limit) limit = nextCut(at.byte);
        const GbkUnit step = GbkUnitAt(std::string_view(bytes_.data(), limit), at.byte);
        if (at.unit + step.utf16 > unit || at.byte + step.bytes > byte) break;
        at.unit += step.utf16;
        at.byte += step.bytes;
        recent[steps++ % 4] = at;
    }
    if (window) {
        *window = {kNone, kNone};
        for (const Mark& m : recent)
            if (m.byte + 3 <= at.byte && (window->byte == kNone || m.byte > window->byte))
                *window = m;
    }
    return at;
}

GbkMirror::Mark GbkMirror::seekUnit(std::size_t unit, Mark* window) const {
    auto after = std::upper_bound(marks_.begin(), marks_.end(), unit,
                                  [](std::size_t u, const Mark& m) { return u < m.unit; });
    return walk(*std::prev(after), unit, bytes_.size(), window);
}

GbkMirror::Mark GbkMirror::seekByte(std::size_t byte) const {
    auto after = std::upper_bound(marks_.begin(), marks_.end(), byte,
                                  [](std::size_t b, const Mark& m) { return b < m.byte; });
    return walk(*std::prev(after), units_, byte);
}

// Seeks `unit` from a boundary before it: by walking when it is near, else from the marks.
GbkMirror::Mark GbkMirror::reach(Mark from, std::size_t unit) const {
    return unit - std::min(unit, from.unit) > 2 * kSpacing ? seekUnit(unit)
                                                           : walk(from, unit, bytes_.size());
}

std::size_t GbkMirror::byteOf(std::size_t unit) const {
    return seekUnit(unit).byte;
}

std::size_t GbkMirror::unitOf(std::size_t byte) const {
    return seekByte(byte).unit;
}

GbkMirror::Span GbkMirror::wholeUnits(std::size_t from, std::size_t to) const {
    const Mark start = seekUnit(from);
    const Mark end = reach(start, to);
    const bool inside = end.unit < to && end.byte < bytes_.size();
    return {start.unit, inside ? end.unit + stepAt(end.byte).units : end.unit};
}

std::u16string GbkMirror::utf16(std::size_t from, std::size_t to, char16_t lineBreak) const {
    std::u16string out;
    if (to <= from) return out;
    const Mark start = seekUnit(from);
    const std::size_t last = reach(start, to).byte;
    std::size_t pos = start.byte;
    for (auto cut = std::upper_bound(cuts_.begin(), cuts_.end(), pos);; ++cut) {
        const std::size_t end = cut == cuts_.end() || *cut >= last ? last : *cut;
        out += Gb18030ToUtf16Units(std::string_view(bytes_).substr(pos, end - pos), lineBreak);
        if (end == last) return out;
        pos = end;
    }
}

std::vector<GbkMirror::Step> GbkMirror::stepsBetween(Mark from, std::size_t byte) const {
    std::vector<Step> steps;
    for (std::size_t pos = from.byte; pos < byte;) {
        steps.push_back(stepAt(pos));
        pos += steps.back().bytes;
    }
    return steps;
}

bool GbkMirror::replace(std::size_t unit, std::size_t removed, std::string_view added,
                        const std::vector<std::size_t>& strays) {
    if (unit + removed > units_) return false;
    Mark start;
    const Mark from = seekUnit(unit, &start);
    const Mark to = reach(from, unit + removed);
    if (from.unit != unit || to.unit != unit + removed) return false;
    if (removed == 0 && added.empty()) return true;

    // A unit reads at most four bytes, so only the units from three bytes before the edit
    // on can read differently now.
    if (from.byte < 3)
        start = Mark{};
    else if (start.byte == kNone)
        start = seekByte(from.byte - 3);
    const std::vector<Step> before = stepsBetween(start, from.byte);
    const std::size_t removedBytes = to.byte - from.byte;
    bytes_.replace(from.byte, removedBytes, added);
    spliceCuts(from.byte, to.byte, from.byte + added.size());

    std::size_t addedUnits = 0;
    std::vector<std::size_t> fresh;
    // Each unit the widget shows must be the unit the rule reads there; where the rule would
    // read on across its end, a cut keeps the end.
    auto keep = [&](std::size_t at, std::size_t bytes) {
        if (stepAt(at).bytes != bytes) fresh.push_back(at + bytes);
    };
    std::size_t pos = start.byte;
    for (const Step& step : before) {
        keep(pos, step.bytes);
        pos += step.bytes;
    }
    const std::string_view piece = std::string_view(bytes_).substr(0, pos + added.size());
    auto stray = strays.begin();
    while (pos < piece.size()) {
        while (stray != strays.end() && from.byte + *stray < pos) ++stray;
        const GbkUnit unit = GbkUnitAt(piece, pos);
        const bool alone = unit.kind == GbkUnit::Kind::Stray ||
                           (stray != strays.end() && from.byte + *stray == pos);
        const Step step = alone ? Step{1, 1} : Step{unit.bytes, unit.utf16};
        keep(pos, step.bytes);
        addedUnits += step.units;
        pos += step.bytes;
    }
    cuts_.insert(cuts_.end(), fresh.begin(), fresh.end());
    std::inplace_merge(cuts_.begin(), cuts_.end() - static_cast<std::ptrdiff_t>(fresh.size()),
                       cuts_.end());

    units_ = units_ - removed + addedUnits;
    moveMarks(unit, removed, addedUnits, removedBytes, added.size());
    return true;
}

// Cuts inside the replaced bytes (and at their old end) go; those after them move.
void GbkMirror::spliceCuts(std::size_t from, std::size_t oldTo, std::size_t newTo) {
    auto first = std::upper_bound(cuts_.begin(), cuts_.end(), from);
    auto kept = std::upper_bound(first, cuts_.end(), oldTo);
    first = cuts_.erase(first, kept);
    for (auto it = first; it != cuts_.end(); ++it) *it = *it - oldTo + newTo;
}

// Marks inside the replaced range go; those after it move with the text.
void GbkMirror::moveMarks(std::size_t unit, std::size_t removed, std::size_t addedUnits,
                          std::size_t removedBytes, std::size_t addedBytes) {
    auto first = std::upper_bound(marks_.begin(), marks_.end(), unit,
                                  [](std::size_t u, const Mark& m) { return u < m.unit; });
    auto kept = std::lower_bound(first, marks_.end(), unit + removed,
                                 [](const Mark& m, std::size_t u) { return m.unit < u; });
    const auto index = static_cast<std::size_t>(first - marks_.begin());
    marks_.erase(first, kept);
    for (auto it = marks_.begin() + static_cast<std::ptrdiff_t>(index); it != marks_.end(); ++it) {
        it->unit = it->unit - removed + addedUnits;
        it->byte = it->byte - removedBytes + addedBytes;
    }
    refill(index - 1);
}

// Puts marks into the gap after marks_[index] when it has grown too wide.
void GbkMirror::refill(std::size_t index) {
    const bool last = index + 1 >= marks_.size();
    const Mark next = last ? Mark{units_, bytes_.size()} : marks_[index + 1];
    if (next.unit - marks_[index].unit <= 2 * kSpacing) return;
    std::vector<Mark> added;
    Mark at = marks_[index];
    Mark lastMark = at;
    while (at.byte < next.byte) {
        const Step step = stepAt(at.byte);
        at.unit += step.units;
        at.byte += step.bytes;
        if (at.unit - lastMark.unit >= kSpacing && next.unit - at.unit >= kSpacing) {
            added.push_back(at);
            lastMark = at;
        }
    }
    marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(index) + 1, added.begin(),
                  added.end());
}

}  // namespace kalamo
