#include "ui/qt/gbk_mirror.h"

#include <algorithm>

#include "base/gbk.h"

namespace kalamo {

GbkMirror::Step GbkMirror::StepAt(std::string_view bytes, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) {
        const bool crlf = lead == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
        return crlf ? Step{2, 1} : Step{1, 1};
    }
    const std::size_t length = GbkCharLength(bytes, pos);
    // Four-byte GB18030 sequences from 0x90 on are the characters beyond the BMP, which
    // UTF-16 holds as a surrogate pair.
    return {length, length == 4 && lead >= 0x90 ? 2u : 1u};
}

std::size_t GbkMirror::UnitsOf(std::string_view bytes) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Step step = StepAt(bytes, pos);
        pos += step.bytes;
        units += step.units;
    }
    return units;
}

void GbkMirror::reset(std::string bytes) {
    bytes_ = std::move(bytes);
    marks_.assign(1, Mark{});
    units_ = UnitsOf(bytes_);
    refill(0);
}

GbkMirror::Mark GbkMirror::seekUnit(std::size_t unit) const {
    auto after = std::upper_bound(marks_.begin(), marks_.end(), unit,
                                  [](std::size_t u, const Mark& m) { return u < m.unit; });
    Mark at = *std::prev(after);
    while (at.unit < unit && at.byte < bytes_.size()) {
        const Step step = StepAt(bytes_, at.byte);
        if (at.unit + step.units > unit) break;
        at.unit += step.units;
        at.byte += step.bytes;
    }
    return at;
}

GbkMirror::Mark GbkMirror::seekByte(std::size_t byte) const {
    auto after = std::upper_bound(marks_.begin(), marks_.end(), byte,
                                  [](std::size_t b, const Mark& m) { return b < m.byte; });
    Mark at = *std::prev(after);
    while (at.byte < byte && at.byte < bytes_.size()) {
        const Step step = StepAt(bytes_, at.byte);
        if (at.byte + step.bytes > byte) break;
        at.unit += step.units;
        at.byte += step.bytes;
    }
    return at;
}

std::size_t GbkMirror::byteOf(std::size_t unit) const {
    return seekUnit(unit).byte;
}

std::size_t GbkMirror::unitOf(std::size_t byte) const {
    return seekByte(byte).unit;
}

bool GbkMirror::replace(std::size_t unit, std::size_t removed, std::string_view added) {
    const Mark from = seekUnit(unit);
    const Mark to = seekUnit(unit + removed);
    if (from.unit != unit || to.unit != unit + removed) return false;
    const std::size_t addedUnits = UnitsOf(added);
    const std::size_t removedBytes = to.byte - from.byte;
    bytes_.replace(from.byte, removedBytes, added);
    units_ = units_ - removed + addedUnits;

    // Marks inside the replaced range go; those after it move with the text.
    auto first = std::upper_bound(marks_.begin(), marks_.end(), unit,
                                  [](std::size_t u, const Mark& m) { return u < m.unit; });
    auto kept = std::lower_bound(first, marks_.end(), unit + removed,
                                 [](const Mark& m, std::size_t u) { return m.unit < u; });
    const auto index = static_cast<std::size_t>(first - marks_.begin());
    marks_.erase(first, kept);
    for (auto it = marks_.begin() + static_cast<std::ptrdiff_t>(index); it != marks_.end(); ++it) {
        it->unit = it->unit - removed + addedUnits;
        it->byte = it->byte - removedBytes + added.size();
    }
    refill(index - 1);
    return true;
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
        const Step step = StepAt(bytes_, at.byte);
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
