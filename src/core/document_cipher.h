#pragma once

#include <string>

namespace kalamo {

// Enciphered .kmt documents and their password window.
class DocumentCipher {
  public:
    virtual ~DocumentCipher() = default;
    // Shows the password window, which sets DocumentPassword; false when it was dismissed.
    virtual bool askPassword() = 0;
    // The document bytes of a text under the composed pass phrase, and back.
    virtual std::string encipher(const std::string& text, const std::string& password) = 0;
    virtual std::string decipher(const std::string& bytes, const std::string& password) = 0;
};

}  // namespace kalamo
