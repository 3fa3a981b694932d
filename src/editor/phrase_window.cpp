#include "editor/phrase_window.h"

#include "core/messages.h"
#include "editor/phrase_store.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {

std::string In(const char* control) {
    return std::string(kPhraseWindow) + "." + control;
}

}  // namespace

void PhraseWindow::Open() {
    UiFacade& ui = k_.s.ui;
    if (!ui.isWindowVisible(kPhraseWindow)) {
        ui.setListIndex(In("快捷键"), 0);
        loadSelected();
        ui.centreWindow(kPhraseWindow);
    }
    ui.showWindow(kPhraseWindow);
}

void PhraseWindow::OnListChosen() {
    loadSelected();
}

// A phrase too long to be stored whole is refused rather than cut.
void PhraseWindow::OnSaveClicked() {
    UiFacade& ui = k_.s.ui;
    const std::string key = std::to_string(ui.listIndex(In("快捷键")));
    if (!PhraseStore(k_.s.settings).write(key, ui.text(In("编辑框1")))) {
        Say(ui, "这条常用语太长，没有保存。");
        return;
    }
    Say(ui, "保存成功");
}

void PhraseWindow::loadSelected() {
    UiFacade& ui = k_.s.ui;
    const std::string key = std::to_string(ui.listIndex(In("快捷键")));
    ui.setText(In("编辑框1"), PhraseStore(k_.s.settings).read(key));
}

}  // namespace kalamo
