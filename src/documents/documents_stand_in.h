#pragma once

#include "core/document_cipher.h"
#include "core/kalamo.h"

namespace kalamo {

// Until the password window lands: documents are enciphered under the
// fixed pass phrase with an empty password, already in their final format.
class DocumentsStandIn : public DocumentCipher {
  public:
    explicit DocumentsStandIn(Kalamo& k) : k_(k) {}

    bool askPassword() override;
    std::string encipher(const std::string& text, const std::string& password) override;
    std::string decipher(const std::string& bytes, const std::string& password) override;

  private:
    Kalamo& k_;
};

}  // namespace kalamo
