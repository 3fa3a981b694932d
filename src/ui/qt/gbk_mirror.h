#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalamo {

// The editor's text as the logic sees it (GBK bytes, "\r\n" line breaks), kept beside the
// widget's document so that an edit costs what it changes instead of a re-encoding of the
// whole text. Document positions count UTF-16 units with one unit per line break; marks a
// few thousand units apart tie them to byte offsets, so a lookup scans only a short run.
class GbkMirror {
  public:
    GbkMirror() { reset({}); }

    void reset(std::string bytes);
    // Replaces the units [unit, unit + removed) by `added`, GBK bytes of whole characters.
    // False, with nothing changed, when an end of the range falls inside a character.
    bool replace(std::size_t unit, std::size_t removed, std::string_view added);

    const std::string& bytes() const { return bytes_; }
    std::size_t units() const { return units_; }

    // A unit position or byte offset inside a character maps to the character's start.
    std::size_t byteOf(std::size_t unit) const;
    std::size_t unitOf(std::size_t byte) const;

    static std::size_t UnitsOf(std::string_view bytes);

  private:
    struct Mark {
        std::size_t unit = 0;
        std::size_t byte = 0;
    };
    struct Step {
        std::size_t bytes = 0;
        std::size_t units = 0;
    };

    static Step StepAt(std::string_view bytes, std::size_t pos);
    Mark seekUnit(std::size_t unit) const;
    Mark seekByte(std::size_t byte) const;
    void refill(std::size_t index);

    static constexpr std::size_t kSpacing = 4096;

    std::string bytes_;
    std::size_t units_ = 0;
    std::vector<Mark> marks_;  // ascending, marks_[0] is {0, 0}
};

}  // namespace kalamo
