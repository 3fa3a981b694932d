#pragma once

#include "core/appearance.h"
#include "core/kalamo.h"

namespace kalamo {

// What the window needs of its looks until themes and the picture background land: the
// chosen colour and the opacity. The picture background and its window do nothing yet.
class AppearanceStandIn : public Appearance {
  public:
    explicit AppearanceStandIn(Kalamo& k) : k_(k) {}

    void ApplyBackgroundColour() override;
    void SetWindowAlpha(int alpha) override;
    void LoadBackgroundPicture() override {}
    void ApplyEditorBackground() override {}
    // "个性背景" in the application centre.
    void OpenBackgroundWindow() {}

  private:
    Kalamo& k_;
};

}  // namespace kalamo
