#pragma once

namespace kalamo {

// The editor's commands before they land; each menu row already calls its own.
class EditorCommandsStandIn {
  public:
    void InsertCurrentTime() {}
    void InsertDivider() {}
    void OpenFindWindow() {}
    void OpenReplaceWindow() {}
    void ToggleLargeFont() {}
    void OpenPhraseWindow() {}
    void EvaluateExpression() {}
};

}  // namespace kalamo
