#include "stats/word_statistics.h"

#include <vector>

#include "base/gbk.h"

namespace kalamo {

namespace {

constexpr int kLeadFirst = 0x81, kTrailFirst = 0x40, kTrails = 0xFF - kTrailFirst;

bool IsTwoByteTrail(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// For every two-byte code (lead 0x81-0xFE, trail 0x40-0xFE): whether it decodes to a
// character in U+4E00..U+9FA5. Built once through the same decoder as the editor's.
std::vector<bool> BuildHanTable() {
    std::string all;
    for (int lead = kLeadFirst; lead <= 0xFE; ++lead)
        for (int trail = kTrailFirst; trail <= 0xFE; ++trail) {
            all.push_back(static_cast<char>(lead));
            all.push_back(static_cast<char>(
                IsTwoByteTrail(static_cast<unsigned char>(trail)) ? trail : 0x40));
        }
    const std::u16string units = Gb18030ToUtf16Units(all, u'\n');
    std::vector<bool> han(static_cast<std::size_t>((0xFE - kLeadFirst + 1) * kTrails), false);
    std::size_t unit = 0;
    for (std::size_t code = 0, pos = 0; pos < all.size(); ++code, pos += 2) {
        const GbkUnit u = GbkUnitAt(all, pos);
        const char16_t c = units[unit];
        unit += u.utf16;
        const auto trail = static_cast<unsigned char>(kTrailFirst + code % kTrails);
        han[code] = IsTwoByteTrail(trail) && u.utf16 == 1 && c >= 0x4E00 && c <= 0x9FA5;
    }
    return han;
}

bool IsHan(unsigned char lead, unsigned char trail) {
    static const std::vector<bool> table = BuildHanTable();
    return table[static_cast<std::size_t>((lead - kLeadFirst) * kTrails + (trail - kTrailFirst))];
}

bool IsAsciiLetter(unsigned char b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

}  // namespace

WordStatistics::WordStatistics(std::string_view gbk) {
    std::int64_t spaces = 0, crLfPairs = 0, lineFeeds = 0;
    for (std::size_t pos = 0; pos < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[pos]);
        if (b >= 0x80) {
            countUnit(gbk, pos);
            continue;
        }
        ++pos;
        if (b == '\r' && pos < gbk.size() && gbk[pos] == '\n') {
            ++pos;
            ++crLfPairs;
            ++lineFeeds;
            symbolBytes_ += 2;
        } else if (b >= '0' && b <= '9') {
            ++digits_;
        } else if (IsAsciiLetter(b)) {
            ++letters_;
        } else {
            ++symbolBytes_;
            if (b == ' ') ++spaces;
            if (b == '\n') ++lineFeeds;
            if (b < 0x20) ++chineseBytes_;
        }
    }
    const auto size = static_cast<std::int64_t>(gbk.size());
    paragraphs_ = lineFeeds + (!gbk.empty() && gbk.back() != '\n' ? 1 : 0);
    characterBytes_ = size - 2 * crLfPairs - spaces;
    taskBytes_ = size - spaces;
}

// A character from 0x80 up: two bytes, four, or one stray byte.
void WordStatistics::countUnit(std::string_view gbk, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(gbk[pos]);
    if (lead != 0x80 && lead != 0xFF && pos + 1 < gbk.size()) {
        const auto trail = static_cast<unsigned char>(gbk[pos + 1]);
        if (IsTwoByteTrail(trail)) {
            pos += 2;
            chineseBytes_ += 2;
            if (!IsHan(lead, trail)) symbolBytes_ += 2;
            return;
        }
    }
    const GbkUnit u = GbkUnitAt(gbk, pos);
    pos += u.bytes;
    chineseBytes_ += u.bytes;
    symbolBytes_ += u.bytes;
}

std::string WordStatistics::chinese() const {
    std::string text = std::to_string(chineseBytes_ / 2);
    if (chineseBytes_ % 2 != 0) text += ".5";
    return text;
}

std::string WordStatistics::statusText() const {
    return "当前字数：  " + std::to_string(characters());
}

std::string WordStatistics::detailText() const {
    return "字数统计\r\n汉字数量：" + chinese() + "\r\n英文数量：" + std::to_string(letters_) +
           "\r\n符号数量：" + std::to_string(symbols()) + "\r\n数字数量：" +
           std::to_string(digits_) + "\r\n段落数：" + std::to_string(paragraphs_) + "\r\n" +
           statusText();
}

}  // namespace kalamo
