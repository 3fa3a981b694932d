#pragma once

namespace kalamo {

// The window's looks as other parts of the program ask for them.
class Appearance {
  public:
    virtual ~Appearance() = default;
    // The colour chosen in the settings panel onto the window, the editor and the panel.
    virtual void ApplyBackgroundColour() = 0;
    // 255 is opaque.
    virtual void SetWindowAlpha(int alpha) = 0;
    virtual void LoadBackgroundPicture() = 0;
    // Repaints the editor's picture background after its text or size changed.
    virtual void ApplyEditorBackground() = 0;
};

}  // namespace kalamo
