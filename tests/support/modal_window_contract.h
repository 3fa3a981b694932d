#pragma once

#include <functional>
#include <string>

#include "ui/ui_facade.h"

namespace kalamo::test {

// What a person does to the program's windows, through the toolkit's own event path.
class Person {
  public:
    virtual ~Person() = default;
    // Runs `act` once `window` stands open; the act must leave it closed.
    virtual void whenOpen(const std::string& window, std::function<void()> act) = 0;
    // Typing and keys go to the control that has the focus.
    virtual void type(const std::string& text) = 0;
    virtual void pressKey(int virtualKey) = 0;
    virtual void click(const std::string& control) = 0;  // "window.control"
    virtual void closeBox(const std::string& window) = 0;
    virtual bool isModal(const std::string& window) const = 0;
};

// The checks every UiFacade passes for a tool window run modally, the fake and the Qt one
// alike. Leaves the facade's event sink unset.
void CheckModalWindowContract(UiFacade& ui, Person& person);

}  // namespace kalamo::test
