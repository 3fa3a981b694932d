#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalamo {

// The editor's text as the logic sees it (GBK bytes, line breaks as they came), kept beside
// the widget's document so that an edit costs what it changes instead of a re-encoding of
// the whole text. Document positions count UTF-16 units: one per line break and stray byte,
// two for a character beyond the BMP (see GbkUnitAt). Marks a thousand or two units apart tie
// them to byte offsets, so a lookup scans only a short run.
//
// Bytes are cut into units by GbkUnitAt, except where an edit put two units side by side
// whose bytes the rule would read as one (a stray lead byte before a typed letter, a lone CR
// before a lone LF): there a cut keeps the boundary the widget shows, and the rule reads each
// piece between cuts on its own.
class GbkMirror {
  public:
    GbkMirror() { reset({}); }

    void reset(std::string bytes);
    // Replaces the units [unit, unit + removed) by `added`: bytes cut by the rule, except
    // that each offset listed in `strays` (ascending) is a unit of its own byte. False, with
    // nothing changed, when an end of the range falls inside a unit or beyond the text.
    bool replace(std::size_t unit, std::size_t removed, std::string_view added,
                 const std::vector<std::size_t>& strays = {});

    const std::string& bytes() const { return bytes_; }
    std::size_t units() const { return units_; }

    // A unit position or byte offset inside a unit maps to the unit's start.
    std::size_t byteOf(std::size_t unit) const;
    std::size_t unitOf(std::size_t byte) const;

    struct Span {
        std::size_t from = 0;
        std::size_t to = 0;
    };
    // The smallest run of whole units that holds the units [from, to).
    Span wholeUnits(std::size_t from, std::size_t to) const;
    // The whole units [from, to) as the widget shows them, a line break as `lineBreak`.
    std::u16string utf16(std::size_t from, std::size_t to, char16_t lineBreak) const;

  private:
    struct Mark {
        std::size_t unit = 0;
        std::size_t byte = 0;
    };
    struct Step {
        std::size_t bytes = 0;
        std::size_t units = 0;
    };

    Step stepAt(std::size_t byte) const;
    std::size_t nextCut(std::size_t byte) const;
    Mark walk(Mark from, std::size_t unit, std::size_t byte, Mark* window = nullptr) const;
    Mark seekUnit(std::size_t unit, Mark* window = nullptr) const;
    Mark seekByte(std::size_t byte) const;
    Mark reach(Mark from, std::size_t unit) const;
    std::vector<Step> stepsBetween(Mark from, std::size_t byte) const;
    void spliceCuts(std::size_t from, std::size_t oldTo, std::size_t newTo);
    void moveMarks(std::size_t unit, std::size_t removed, std::size_t addedUnits,
                   std::size_t removedBytes, std::size_t addedBytes);
    void refill(std::size_t index);

    static constexpr std::size_t kSpacing = 1024;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::string bytes_;
    std::size_t units_ = 0;
    std::vector<Mark> marks_;        // ascending, marks_[0] is {0, 0}
    std::vector<std::size_t> cuts_;  // ascending byte offsets of kept boundaries
};

}  // namespace kalamo
