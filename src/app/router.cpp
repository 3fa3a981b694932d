#include "app/router.h"

namespace kalamo {

std::string Router::keyOf(const std::string& window, const std::string& control, EventKind kind) {
    return window + '\x1f' + control + '\x1f' + std::to_string(static_cast<int>(kind));
}

void Router::add(Route route) {
    rows_[keyOf(route.window, route.control, route.kind)] = std::move(route.action);
}

void Router::addAll(std::vector<Route> routes) {
    for (Route& r : routes) add(std::move(r));
}

void Router::addHotkey(const int* id, std::function<void()> action) {
    hotkeys_.push_back({id, std::move(action)});
}

void Router::handle(const UiEvent& event) {
    if (event.kind == EventKind::Hotkey) {
        for (const HotkeyRoute& h : hotkeys_)
            if (*h.id != 0 && *h.id == event.hotkeyId) return h.action();
        return;
    }
    auto it = rows_.find(keyOf(event.window, event.control, event.kind));
    if (it != rows_.end()) it->second(event);
}

bool Router::routes(const std::string& window, const std::string& control, EventKind kind) const {
    return rows_.count(keyOf(window, control, kind)) != 0;
}

}  // namespace kalamo
