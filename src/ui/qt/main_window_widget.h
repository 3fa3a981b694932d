#pragma once

#include "ui/qt/layout_window.h"

namespace kalamo {

class QtEditorView;

// The program's permanent window: frameless, built from the main window's layout, with
// home-made resize grips, a status bar along its bottom edge and the editor 编辑框1.
// Closing it ends the program once the logic has seen it go.
class MainWindowWidget : public LayoutWindow {
    Q_OBJECT
  public:
    explicit MainWindowWidget(const EventRelay& relay);

    QtEditorView& editor() const;
    // Names of the controls the window treats specially, as the layout spells them (GBK).
    static std::string EditorName();
    static std::string StatusBarName();
    static std::string HotkeyReceiverName();
    static std::string DropTargetName();
    static std::string MenuPainterName();

  protected:
    void sizeChanged() override { dockStatusBar(); }
    void closeEvent(QCloseEvent* event) override;

  private:
    void setUpGrips();
    void setUpPictures();
    void setUpStatusBar();
    void dockStatusBar();
};

}  // namespace kalamo
