#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/ui_event.h"

namespace kalamo {

// One row of the routing table: an event of a control (or menu item, timer, the window
// itself when `control` is empty) and the operation it runs.
struct Route {
    std::string window;
    std::string control;
    EventKind kind;
    std::function<void(const UiEvent&)> action;
};

// Delivers each event to the operation its row names; events without a row are dropped.
// A global hotkey is matched by the identifier its registration returned.
class Router : public EventSink {
  public:
    void add(Route route);
    void addAll(std::vector<Route> routes);
    void addHotkey(const int* id, std::function<void()> action);
    void handle(const UiEvent& event) override;
    bool routes(const std::string& window, const std::string& control, EventKind kind) const;

  private:
    static std::string keyOf(const std::string& window, const std::string& control, EventKind kind);

    struct HotkeyRoute {
        const int* id;  // filled in when the key is registered, which may be after routing
        std::function<void()> action;
    };
    std::unordered_map<std::string, std::function<void(const UiEvent&)>> rows_;
    std::vector<HotkeyRoute> hotkeys_;
};

}  // namespace kalamo
