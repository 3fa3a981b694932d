#include "ui/qt/window_shortcuts.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

#include "ui/qt/menu_set.h"

namespace kalamo {

WindowShortcuts::WindowShortcuts(QWidget& window, MenuSet& menus, std::string windowName,
                                 std::string hotkeyReceiver, const EventRelay& relay)
    : QObject(&window),
      window_(window),
      menus_(menus),
      windowName_(std::move(windowName)),
      hotkeyReceiver_(std::move(hotkeyReceiver)),
      relay_(relay) {
    for (const auto& [key, item] : menus_.shortcuts()) bind(key).menuItem = item;
}

WindowShortcuts::Binding& WindowShortcuts::bind(const QKeySequence& key) {
    Binding& binding = bindings_[key];
    if (!binding.shortcut) {
        binding.shortcut = new QShortcut(key, &window_);
        binding.shortcut->setContext(Qt::WindowShortcut);
        connect(binding.shortcut, &QShortcut::activated, this,
                [this, key] { activate(bindings_.at(key)); });
    }
    return binding;
}

void WindowShortcuts::addHotkey(const QKeySequence& key, int id) {
    bind(key).hotkeyId = id;
}

void WindowShortcuts::activate(const Binding& binding) const {
    if (!binding.menuItem.empty() && (menus_.canChoose(binding.menuItem) || !binding.hotkeyId)) {
        menus_.choose(binding.menuItem);
        return;
    }
    if (binding.hotkeyId) {
        UiEvent e(windowName_, hotkeyReceiver_, EventKind::Hotkey);
        e.hotkeyId = binding.hotkeyId;
        relay_.send(e);
    }
}

bool WindowShortcuts::takes(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    return bindings_.count(pressed) > 0;
}

}  // namespace kalamo
