#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/layouts/window_layout.h"
#include "ui/qt/event_relay.h"
#include "ui/ui_types.h"

class QAction;
class QMenu;

namespace kalamo {

// The pop-up menus of a window, built from its menu table. Items are known by their ids;
// choosing one sends MenuChosen with the id. Check marks are the logic's to set: choosing a
// checked item does not toggle it. An unknown id is a fault of the caller: it asserts in
// debug builds and is logged, then ignored.
class MenuSet : public QObject {
    Q_OBJECT
  public:
    MenuSet(const std::vector<MenuItemSpec>& items, std::string window, const EventRelay& relay);
    ~MenuSet() override;

    bool has(const std::string& item) const { return actions_.count(item) > 0; }
    bool isEnabled(const std::string& item) const;
    void setEnabled(const std::string& item, bool enabled);
    bool isChecked(const std::string& item) const;
    void setChecked(const std::string& item, bool checked);
    // Enabled, and inside no disabled submenu.
    bool canChoose(const std::string& item) const;
    // Sends MenuChosen for the item when it can be chosen.
    void choose(const std::string& item);

    QMenu* menu(const std::string& id) const;
    QAction* action(const std::string& item) const;
    void popup(const std::string& menu, const QPoint& at);
    void setColours(Colour back);
    // Items with a shortcut key, in menu order.
    std::vector<std::pair<QKeySequence, std::string>> shortcuts() const;

  private:
    QMenu* menuFor(const std::string& id);
    void addItem(const MenuItemSpec& item);
    bool known(bool found, const std::string& id) const;

    std::string window_;
    const EventRelay& relay_;
    std::vector<MenuItemSpec> items_;
    std::vector<std::unique_ptr<QMenu>> topMenus_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, bool> checked_;
};

}  // namespace kalamo
