#pragma once

#include <string>
#include <vector>

namespace kalamo::test {

struct Vector {
    std::string passPhrase;
    std::string plain;
    std::string cipher;
};

// Made by scripts/make_cipher_vectors.sh with the openssl command line, not with nettle.
std::vector<Vector> ReadVectors();

}  // namespace kalamo::test
