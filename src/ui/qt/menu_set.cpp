#include "ui/qt/menu_set.h"

#include <QAction>
#include <QMenu>
#include <QtGlobal>
#include <algorithm>

#include "ui/qt/qt_text.h"

namespace kalamo {
namespace {

QString MenuCaption(const std::string& gbk) {
    return QStringFromGbk(gbk).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MenuSet::MenuSet(const std::vector<MenuItemSpec>& items, std::string window,
                 const EventRelay& relay)
    : window_(std::move(window)), relay_(relay), items_(items) {
    for (const MenuItemSpec& item : items_) addItem(item);
}

MenuSet::~MenuSet() = default;

QMenu* MenuSet::menuFor(const std::string& id) {
    if (QMenu* known = menu(id)) return known;
    topMenus_.push_back(std::make_unique<QMenu>());
    menus_[id] = topMenus_.back().get();
    return menus_[id];
}

void MenuSet::addItem(const MenuItemSpec& item) {
    QMenu* holder = menuFor(item.menu);
    if (item.separator) {
        actions_[item.id] = holder->addSeparator();
        return;
    }
    if (item.submenu) {
        QMenu* sub = holder->addMenu(MenuCaption(item.caption));
        menus_[item.id] = sub;
        actions_[item.id] = sub->menuAction();
        return;
    }
    QAction* action = holder->addAction(MenuCaption(item.caption));
    actions_[item.id] = action;
    checked_[item.id] = false;
    const std::string id = item.id;
    connect(action, &QAction::triggered, this, [this, id] {
        // Undo Qt's own toggle: the logic sets the mark itself.
        actions_[id]->setChecked(checked_[id]);
        choose(id);
    });
}

QMenu* MenuSet::menu(const std::string& id) const {
    auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MenuSet::action(const std::string& item) const {
    auto it = actions_.find(item);
    return it == actions_.end() ? nullptr : it->second;
}

// A mistyped id would leave an item quietly dead: debug builds stop, others log it.
bool MenuSet::known(bool found, const std::string& id) const {
    if (found) return true;
    qWarning("MenuSet: no menu item \"%s\"", qUtf8Printable(QStringFromGbk(id)));
    Q_ASSERT_X(false, "MenuSet", "unknown menu item id");
    return false;
}

bool MenuSet::isEnabled(const std::string& item) const {
    QAction* a = action(item);
    return known(a != nullptr, item) && a->isEnabled();
}

void MenuSet::setEnabled(const std::string& item, bool enabled) {
    QAction* a = action(item);
    if (known(a != nullptr, item)) a->setEnabled(enabled);
}

bool MenuSet::isChecked(const std::string& item) const {
    auto it = checked_.find(item);
    return known(has(item), item) && it != checked_.end() && it->second;
}

void MenuSet::setChecked(const std::string& item, bool checked) {
    QAction* a = action(item);
    if (!known(a != nullptr, item) || !checked_.count(item)) return;
    checked_[item] = checked;
    // An item shows a mark only while it has one, as the system's menus do.
    a->setCheckable(checked);
    a->setChecked(checked);
}

bool MenuSet::canChoose(const std::string& item) const {
    if (!known(has(item), item)) return false;
    for (std::string id = item; !id.empty();) {
        if (!isEnabled(id)) return false;
        auto it = std::find_if(items_.begin(), items_.end(),
                               [&](const MenuItemSpec& m) { return m.id == id; });
        id = it == items_.end() || !has(it->menu) ? std::string() : it->menu;
    }
    return true;
}

void MenuSet::choose(const std::string& item) {
    if (canChoose(item)) relay_.send(UiEvent(window_, item, EventKind::MenuChosen));
}

void MenuSet::popup(const std::string& id, const QPoint& at) {
    QMenu* m = menu(id);
    if (known(m != nullptr, id)) m->popup(at);
}

void MenuSet::setColours(Colour back) {
    const QColor fill = QColorOf(back);
    const QColor ink = fill.lightnessF() < 0.5 ? Qt::white : Qt::black;
    for (const auto& [id, m] : menus_) {
        QPalette palette = m->palette();
        palette.setColor(QPalette::Window, fill);
        palette.setColor(QPalette::Base, fill);
        palette.setColor(QPalette::WindowText, ink);
        palette.setColor(QPalette::Text, ink);
        palette.setColor(QPalette::ButtonText, ink);
        m->setPalette(palette);
    }
}

std::vector<std::pair<QKeySequence, std::string>> MenuSet::shortcuts() const {
    std::vector<std::pair<QKeySequence, std::string>> found;
    for (const MenuItemSpec& item : items_) {
        if (item.shortcut.empty()) continue;
        found.emplace_back(QKeySequence::fromString(QString::fromStdString(item.shortcut),
                                                    QKeySequence::PortableText),
                           item.id);
    }
    return found;
}

}  // namespace kalamo
