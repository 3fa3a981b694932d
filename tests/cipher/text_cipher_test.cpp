#include "cipher/text_cipher.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "support/cipher_vectors.h"

namespace kalamo {
namespace {

using test::ReadVectors;
using test::Vector;

std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 15]);
    }
    return hex;
}

std::string RandomBytes(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(length, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(rng));
    return bytes;
}

TEST(TextCipher, MatchesTheIndependentVectorsBothWays) {
    const std::vector<Vector> vectors = ReadVectors();
    ASSERT_FALSE(vectors.empty()) << "tests/data/cipher_vectors.txt missing or empty";
    for (const Vector& v : vectors) {
        SCOPED_TRACE("pass phrase " + ToHex(v.passPhrase) + ", text " + ToHex(v.plain));
        ASSERT_EQ(v.plain.size(), v.cipher.size());
        EXPECT_EQ(ToHex(TextCipher::encipher(v.plain, v.passPhrase)), ToHex(v.cipher));
        EXPECT_EQ(ToHex(TextCipher::decipher(v.cipher, v.passPhrase)), ToHex(v.plain));
    }
}

TEST(TextCipher, PointsValueUnderTheFixedPassPhrase) {
    // The stored form of 1234 points; also in the vectors, kept here so the constant is checked.
    EXPECT_EQ(ToHex(TextCipher::encipher("1234", FixedPassPhrase)), "cf0ce95f");
    EXPECT_EQ(TextCipher::decipher(std::string("\xcf\x0c\xe9\x5f"), FixedPassPhrase), "1234");
    EXPECT_EQ(std::string(TransferPassPhrase), std::string(FixedPassPhrase) + "#");
}

TEST(TextCipher, RandomTextsRoundTripKeepLengthAndRepeat) {
    std::mt19937 rng(20160131);
    std::uniform_int_distribution<std::size_t> textLength(1, 700);
    std::uniform_int_distribution<std::size_t> passLength(0, 24);
    for (int round = 0; round < 200; ++round) {
        const std::string text = RandomBytes(rng, textLength(rng));
        const std::string pass = RandomBytes(rng, passLength(rng));
        const std::string enciphered = TextCipher::encipher(text, pass);
        SCOPED_TRACE("text " + ToHex(text) + ", pass phrase " + ToHex(pass));
        ASSERT_EQ(enciphered.size(), text.size());
        EXPECT_NE(enciphered, text);
        EXPECT_EQ(TextCipher::decipher(enciphered, pass), text);
        // One transformation in both directions, and no state carried between calls.
        EXPECT_EQ(TextCipher::decipher(text, pass), enciphered);
        EXPECT_EQ(TextCipher::encipher(text, pass), enciphered);
    }
}

TEST(TextCipher, DecipheringAPrefixGivesThePrefix) {
    std::mt19937 rng(7);
    const std::string text = RandomBytes(rng, 300);
    const std::string enciphered = TextCipher::encipher(text, TransferPassPhrase);
    for (std::size_t k = 0; k <= text.size(); ++k) {
        ASSERT_EQ(TextCipher::decipher(enciphered.substr(0, k), TransferPassPhrase),
                  text.substr(0, k))
            << "k = " << k;
    }
}

TEST(TextCipher, OneCharacterOffInThePassPhraseGivesOtherBytes) {
    const std::string text = "第一章 真的写作。\r\n天色渐晚，他合上了书。";
    const std::string enciphered = TextCipher::encipher(text, FixedPassPhrase);
    for (const std::string wrong :
         {"kpv531877027", "Kpv531877026", "kpv53187702", TransferPassPhrase}) {
        const std::string result = TextCipher::decipher(enciphered, wrong);
        ASSERT_EQ(result.size(), text.size()) << wrong;
        std::size_t same = 0;
        for (std::size_t i = 0; i < text.size(); ++i) same += result[i] == text[i];
        EXPECT_LT(same, text.size() / 4) << wrong << " gave " << ToHex(result);
    }
}

TEST(TextCipher, EmptyTextStaysEmptyBothWays) {
    for (const std::string pass : {"", FixedPassPhrase, "kpv531877026密码"}) {
        EXPECT_EQ(TextCipher::encipher("", pass), "");
        EXPECT_EQ(TextCipher::decipher("", pass), "");
    }
}

}  // namespace
}  // namespace kalamo
