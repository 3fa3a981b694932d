#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kalamo {

// 24-bit colour as the settings store it: R + 256 * G + 65536 * B.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r) + 256u * static_cast<Colour>(g) + 65536u * static_cast<Colour>(b);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};
struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Texts are GBK. An empty caption is never passed: the logic always names one.
struct MessageBoxSpec {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct FileFilter {
    std::string description;  // GBK
    std::string pattern;      // "*.txt;*.kmt"
};

struct FileDialogSpec {
    std::vector<FileFilter> filters;
    int selectedFilter = 0;
    std::string initialFolder;  // native path
    std::string fileName;       // native (UTF-8) name
    std::string defaultExtension;
};

enum class WindowState { Normal, Minimised, Maximised };

// The short sounds carried inside the program.
enum class BuiltInSound { KeyClassic, KeyApple, KeyDrop };

// Where a system resize starts from.
enum class ResizeEdge { Left, Right, Top, TopLeft, TopRight, Bottom, BottomLeft, BottomRight };

}  // namespace kalamo
