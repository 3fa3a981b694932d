#include "documents/password_window.h"

#include "cipher/text_cipher.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {

constexpr int kVkEnter = 13;

std::string In(const char* control) {
    return std::string(kPasswordWindow) + "." + control;
}

}  // namespace

// The window takes the main window's ground and title colour, so it follows the theme.
bool PasswordWindow::askPassword() {
    UiFacade& ui = k_.s.ui;
    ui.setText(In("编辑框1"), k_.writing.documentPassword);
    ui.setWindowBackground(kPasswordWindow, ui.windowBackground(kMainWindow));
    const Colour text = ui.textColour("标题栏");
    for (const char* label : {"透明标签1", "透明标签2", "透明标签3"})
        ui.setTextColour(In(label), text);
    ui.centreWindow(kPasswordWindow);
    ui.focus(In("编辑框1"));
    confirmed_ = false;
    ui.runModal(kPasswordWindow);
    return confirmed_;
}

void PasswordWindow::OnConfirmClicked() {
    confirm();
}

void PasswordWindow::OnEditKey(int virtualKey) {
    if (virtualKey == kVkEnter) confirm();
}

// The box's text as it stands: an empty password is a password, and spaces count.
void PasswordWindow::confirm() {
    k_.writing.documentPassword = k_.s.ui.text(In("编辑框1"));
    confirmed_ = true;
    k_.s.ui.closeWindow(kPasswordWindow);
}

std::string PasswordWindow::encipher(const std::string& text, const std::string& password) {
    return TextCipher::encipher(text, std::string(FixedPassPhrase) + password);
}

std::string PasswordWindow::decipher(const std::string& bytes, const std::string& password) {
    return TextCipher::decipher(bytes, std::string(FixedPassPhrase) + password);
}

}  // namespace kalamo
