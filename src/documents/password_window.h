#pragma once

#include <string>

#include "core/document_cipher.h"
#include "core/kalamo.h"

namespace kalamo {

// Enciphered .kmt documents: the password window "kmt密码输入", which sets DocumentPassword,
// and the text cipher under FixedPassPhrase followed by the password. The password is
// never checked: a wrong one gives other text.
class PasswordWindow : public DocumentCipher {
  public:
    explicit PasswordWindow(Kalamo& k) : k_(k) {}

    // Opens the window modally over the current password; true when it was confirmed.
    bool askPassword() override;
    std::string encipher(const std::string& text, const std::string& password) override;
    std::string decipher(const std::string& bytes, const std::string& password) override;

    // Events of the window: "确认" clicked, a key pressed in the edit box.
    void OnConfirmClicked();
    void OnEditKey(int virtualKey);

  private:
    void confirm();

    Kalamo& k_;
    bool confirmed_ = false;
};

}  // namespace kalamo
