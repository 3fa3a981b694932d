#pragma once

#include <QKeySequence>
#include <QObject>
#include <map>
#include <string>

#include "ui/qt/event_relay.h"

class QKeyEvent;
class QShortcut;
class QWidget;

namespace kalamo {

class MenuSet;

// The keys a window takes before its controls see them: the menu items' shortcuts, and
// hotkeys the system would not grab for us, which then work while the window has the focus.
// A key matches only with exactly its modifiers. When a key is both, the menu item wins
// while it can be chosen.
class WindowShortcuts : public QObject {
    Q_OBJECT
  public:
    WindowShortcuts(QWidget& window, MenuSet& menus, std::string windowName,
                    std::string hotkeyReceiver, const EventRelay& relay);

    void addHotkey(const QKeySequence& key, int id);
    bool takes(const QKeyEvent& event) const;

  private:
    struct Binding {
        QShortcut* shortcut = nullptr;
        std::string menuItem;
        int hotkeyId = 0;
    };

    Binding& bind(const QKeySequence& key);
    void activate(const Binding& binding) const;

    QWidget& window_;
    MenuSet& menus_;
    std::string windowName_;
    std::string hotkeyReceiver_;
    const EventRelay& relay_;
    std::map<QKeySequence, Binding> bindings_;
};

}  // namespace kalamo
