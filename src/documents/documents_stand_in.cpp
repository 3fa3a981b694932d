#include "documents/documents_stand_in.h"

#include "cipher/text_cipher.h"

namespace kalamo {

bool DocumentsStandIn::askPassword() {
    k_.writing.documentPassword.clear();
    return true;
}

std::string DocumentsStandIn::encipher(const std::string& text, const std::string& password) {
    return TextCipher::encipher(text, std::string(FixedPassPhrase) + password);
}

std::string DocumentsStandIn::decipher(const std::string& bytes, const std::string& password) {
    return TextCipher::decipher(bytes, std::string(FixedPassPhrase) + password);
}

}  // namespace kalamo
