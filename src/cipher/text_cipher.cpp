#include "cipher/text_cipher.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace kalamo {
namespace {

constexpr std::size_t RC4KeySize = 16;
constexpr std::size_t DerivedKeyBytes = 5;

// The base provider derives a 40-bit key from the digest and pads it with eleven zero bytes of
// salt; the key schedule runs over all sixteen bytes.
std::array<std::uint8_t, RC4KeySize> DeriveKey(const std::string& passPhrase) {
    md5_ctx md5;
    md5_init(&md5);
    md5_update(&md5, passPhrase.size(), reinterpret_cast<const std::uint8_t*>(passPhrase.data()));
    std::array<std::uint8_t, MD5_DIGEST_SIZE> digest{};
    md5_digest(&md5, digest.size(), digest.data());
    std::array<std::uint8_t, RC4KeySize> key{};
    std::copy_n(digest.begin(), DerivedKeyBytes, key.begin());
    return key;
}

std::string Transform(const std::string& input, const std::string& passPhrase) {
    const auto key = DeriveKey(passPhrase);
    arcfour_ctx rc4;
    arcfour_set_key(&rc4, key.size(), key.data());
    std::string output(input.size(), '\0');
    arcfour_crypt(&rc4, input.size(), reinterpret_cast<std::uint8_t*>(output.data()),
                  reinterpret_cast<const std::uint8_t*>(input.data()));
    return output;
}

}  // namespace

std::string TextCipher::encipher(const std::string& text, const std::string& passPhrase) {
    return Transform(text, passPhrase);
}

std::string TextCipher::decipher(const std::string& bytes, const std::string& passPhrase) {
    if (bytes.empty()) return {};
    return Transform(bytes, passPhrase);
}

}  // namespace kalamo
