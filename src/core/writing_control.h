#pragma once

namespace kalamo {

// Starting and ending writing, as other subsystems ask for it.
class WritingControl {
  public:
    virtual ~WritingControl() = default;
    // The start button: starts writing (keeping the editor's text when asked) or stops it.
    virtual void ToggleWriting(bool keepEditorText) = 0;
};

}  // namespace kalamo
