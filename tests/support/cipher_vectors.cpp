#include "support/cipher_vectors.h"

#include <fstream>
#include <sstream>

namespace kalamo::test {
namespace {

std::string FromHex(const std::string& hex) {
    if (hex == "-") return {};
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

}  // namespace

std::vector<Vector> ReadVectors() {
    std::ifstream file(std::string(KALAMO_TEST_DATA) + "/cipher_vectors.txt");
    std::vector<Vector> vectors;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string pass, plain, cipher;
        fields >> pass >> plain >> cipher;
        vectors.push_back({FromHex(pass), FromHex(plain), FromHex(cipher)});
    }
    return vectors;
}

}  // namespace kalamo::test
