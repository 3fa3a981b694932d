#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// The folder part of a "/"-separated path: "." for a bare name, "/" for a file at the root.
std::string ParentOf(std::string_view path);
// The part after the last "/".
std::string_view FileNameOf(std::string_view path);
// A UTF-8 text as one file name: "/" and NUL become "_", cut at a character boundary to
// at most `maxBytes`, never "." or ".." or empty (then "_").
std::string SafeFileName(std::string_view utf8, std::size_t maxBytes = 255);

}  // namespace kalamo
