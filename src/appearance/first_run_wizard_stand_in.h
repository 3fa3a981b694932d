#pragma once

#include "core/first_run_wizard.h"
#include "core/kalamo.h"

namespace kalamo {

// Until the wizard's window lands: stores silently what its pages store with their
// preselected choices, and the folder the program was installed in.
class FirstRunWizardStandIn : public FirstRunWizard {
  public:
    explicit FirstRunWizardStandIn(Kalamo& k) : k_(k) {}
    bool Run() override;

  private:
    Kalamo& k_;
};

}  // namespace kalamo
