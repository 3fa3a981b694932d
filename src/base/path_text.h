#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// The folder part of a "/"-separated path: "." for a bare name, "/" for a file at the root.
std::string ParentOf(std::string_view path);
// The part after the last "/".
std::string_view FileNameOf(std::string_view path);

}  // namespace kalamo
