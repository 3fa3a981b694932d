#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// The folder part of a "/"-separated path: "." for a bare name, "/" for a file at the root.
std::string ParentOf(std::string_view path);
// The part after the last "/".
std::string_view FileNameOf(std::string_view path);
// The text after the last "." of the whole path; the whole path when it holds no ".".
std::string ExtensionOf(std::string_view path);
// The file name cut before its first ".": "/稿/第一章.初稿.txt" gives "第一章", ".txt" gives "".
std::string TitleFromPath(std::string_view path);
// A native file name as GBK text: UTF-8 names are converted; a name in any other bytes
// (a GBK name from an old archive) is taken as it is.
std::string GbkFromNativeName(std::string_view name);
// A UTF-8 text as one file name: "/" and NUL become "_", cut at a character boundary to
// at most `maxBytes`, never "." or ".." or empty (then "_").
std::string SafeFileName(std::string_view utf8, std::size_t maxBytes = 255);

}  // namespace kalamo
