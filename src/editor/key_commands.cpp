#include "editor/key_commands.h"

#include "editor/insert_at_caret.h"
#include "editor/phrase_store.h"
#include "ui/layouts/main_menus.h"
#include "ui/ui_event.h"

namespace kalamo {
namespace {

constexpr int kVkA = 65, kVkM = 77, kVk0 = 48, kVk1 = 49, kVk9 = 57, kVkF2 = 113, kVkF5 = 116;
constexpr int kFontNormal = 16, kFontLarge = 25;
constexpr const char* kLargeFontBox = "大字体";
constexpr const char* kSoundList = "键盘音";

// The phrase key of a digit key: Ctrl+1 is the first phrase "0", Ctrl+0 the tenth "9".
std::string PhraseKeyOfDigit(int key) {
    return std::to_string(key == kVk0 ? 9 : key - kVk1);
}

}  // namespace

KeyCommands::KeyCommands(Kalamo& k, std::function<void()> evaluate,
                         std::function<void()> insertTimeKeyVariant)
    : k_(k),
      evaluate_(std::move(evaluate)),
      insertTimeKeyVariant_(std::move(insertTimeKeyVariant)) {}

void KeyCommands::onEditorKey(int key, int modifiers) {
    PlayKeySound();
    const bool ctrlAlone = modifiers == kModCtrl;
    if (ctrlAlone && key == kVkA) {
        k_.s.editor.focus();
        k_.s.editor.selectAll();
    }
    if (ctrlAlone && key == kVkM) evaluate_();
    if (ctrlAlone && key >= kVk0 && key <= kVk9) InsertPhrase(PhraseKeyOfDigit(key));
    if (key == kVkF2) ToggleLargeFont(LargeFontVariant::Key);
    if (key == kVkF5) insertTimeKeyVariant_();
}

void KeyCommands::PlayKeySound() {
    static constexpr BuiltInSound kSounds[] = {BuiltInSound::KeyClassic, BuiltInSound::KeyApple,
                                               BuiltInSound::KeyDrop};
    const int entry = k_.s.ui.listIndex(kSoundList);
    if (entry >= 1 && entry <= 3) k_.s.ui.playSound(kSounds[entry - 1]);
}

// The newcomer task is done by switching large fonts off from the menu, or on by key.
void KeyCommands::ToggleLargeFont(LargeFontVariant variant) {
    UiFacade& ui = k_.s.ui;
    const bool large = !ui.isChecked(kLargeFontBox);
    if (large == (variant == LargeFontVariant::Key))
        k_.s.settings.writeSetting("软件设置", "新手2", "真");
    ui.setChecked(kLargeFontBox, large);
    ui.setMenuChecked(kMenuLargeFont, large);
    k_.s.editor.setFontSize(large ? kFontLarge : kFontNormal);
}

void KeyCommands::InsertPhrase(const std::string& key) {
    InsertAtCaret(k_.s.editor, PhraseStore(k_.s.settings).read(key));
}

}  // namespace kalamo
