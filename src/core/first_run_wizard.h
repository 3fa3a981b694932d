#pragma once

namespace kalamo {

// The first-run wizard and its agreement window.
class FirstRunWizard {
  public:
    virtual ~FirstRunWizard() = default;
    // False when the user ended the program from the wizard.
    virtual bool Run() = 0;
};

}  // namespace kalamo
