#pragma once

#include <memory>

class QTranslator;

namespace kalamo {

class EditorView;
class TerminationRelay;
class QtUiFacade;
class UiFacade;

// What the program's main needs of the Qt layer: the facade and the editor over the main
// window. Construct after the QApplication; it sets the application's font and Chinese
// texts for Qt's own dialogs.
class QtUi {
  public:
    QtUi();
    ~QtUi();
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    UiFacade& facade();
    EditorView& editor();
    QtUiFacade& qtFacade() { return *facade_; }
    void showMainWindow();

  private:
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QtUiFacade> facade_;
    std::unique_ptr<TerminationRelay> termination_;
};

}  // namespace kalamo
