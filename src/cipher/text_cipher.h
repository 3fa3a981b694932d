#pragma once

#include <string>

namespace kalamo {

// ASCII only, so the literals are the same bytes in the GBK logic and the UTF-8 Qt layer.
inline constexpr char FixedPassPhrase[] = "kpv531877026";
inline constexpr char TransferPassPhrase[] = "kpv531877026#";

// RC4 keyed from the MD5 of the pass phrase, giving the same bytes as the Windows base
// cryptographic provider did, so points values, .kmt documents and transfers stay readable.
// No integrity check: a wrong pass phrase just yields other bytes. Stateless; every call starts
// the keystream afresh.
class TextCipher {
  public:
    static std::string encipher(const std::string& text, const std::string& passPhrase);
    static std::string decipher(const std::string& bytes, const std::string& passPhrase);
};

}  // namespace kalamo
