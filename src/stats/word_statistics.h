#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalamo {

// The word counts of one GBK text, taken in one pass. Counts are GBK bytes divided by two,
// so a Chinese character counts 1 and an ASCII character one half.
//
// Characters are cut as the editor cuts them (GbkUnitAt): a four-byte GB18030 character
// counts its four bytes, as two Chinese characters; a stray byte that starts no character
// counts one byte, like half a character that is neither a letter, a digit nor Chinese.
// Removing CR LF pairs and spaces never joins the bytes around them into a new character.
class WordStatistics {
  public:
    explicit WordStatistics(std::string_view gbk);

    // Everything but ASCII letters, digits and U+4E00..U+9FA5, spaces and line ends included.
    std::int64_t symbols() const { return symbolBytes_ / 2; }
    // Characters outside U+0020..U+007F once CR LF pairs and spaces are gone: "3", "0.5".
    std::string chinese() const;
    std::int64_t letters() const { return letters_; }
    std::int64_t digits() const { return digits_; }
    // Line feeds, plus one for a last line that does not end in one.
    std::int64_t paragraphs() const { return paragraphs_; }
    // The text without CR LF pairs and spaces.
    std::int64_t characters() const { return characterBytes_ / 2; }
    // The text without spaces, CR LF kept: what the daily word-count tasks measure.
    std::int64_t taskCount() const { return taskBytes_ / 2; }

    // "当前字数：  " and the characters, for the status bar.
    std::string statusText() const;
    // The lines of the statistics window, joined with CR LF.
    std::string detailText() const;

  private:
    void countUnit(std::string_view gbk, std::size_t& pos);

    std::int64_t symbolBytes_ = 0;
    std::int64_t chineseBytes_ = 0;
    std::int64_t letters_ = 0;
    std::int64_t digits_ = 0;
    std::int64_t paragraphs_ = 0;
    std::int64_t characterBytes_ = 0;
    std::int64_t taskBytes_ = 0;
};

}  // namespace kalamo
