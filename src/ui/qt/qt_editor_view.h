#pragma once

#include <QObject>
#include <functional>

#include "ui/editor_view.h"
#include "ui/qt/gbk_mirror.h"

class QPlainTextEdit;

namespace kalamo {

// A multi-line edit box as the logic sees it: GBK bytes, positions in bytes. The bytes given
// to setText come back unchanged until the user edits, and an edit changes only what it
// touches: the bytes are mirrored from the document's change signal (see GbkMirror), stray
// bytes ride through the widget as reserved code units, and each line break keeps its bytes.
class QtEditorView : public QObject, public EditorView {
    Q_OBJECT
  public:
    // `changed` runs after every change of the text, the mirror already up to date.
    QtEditorView(QPlainTextEdit& edit, std::function<void()> changed);

    QPlainTextEdit& widget() const { return edit_; }
    // The whole document encoded afresh (every line break as "\r\n"), to check the mirror
    // against.
    std::string encodeDocument() const;
    // The mirror decoded as the widget should show it, to check it against the widget.
    QString mirrorAsShown() const;

    std::string text() const override { return mirror_.bytes(); }
    void setText(const std::string& gbk) override;
    std::size_t textLength() const override { return mirror_.bytes().size(); }

    std::size_t selectionStart() const override;
    std::size_t selectionLength() const override;
    void setSelectionStart(std::size_t start) override;
    void setSelectionLength(std::size_t length) override;
    std::string selectedText() const override;
    void replaceSelection(const std::string& gbk) override;
    void deleteSelection() override;
    void pasteClipboard() override;
    void selectAll() override;

    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    void alignLeft() override;
    void focus() override;
    void paintNow() override;

    int fontSize() const override { return fontSize_; }
    void setFontSize(int points) override;
    Colour textColour() const override { return textColour_; }
    void setTextColour(Colour c) override;
    Colour backColour() const override { return backColour_; }
    void setBackColour(Colour c) override;

    Rect geometry() const override;
    void setGeometry(const Rect& r) override;

  private:
    void onContentsChange(int position, int removed, int added);
    bool mirrorChange(std::size_t position, std::size_t removed, std::size_t added);
    void resync();
    QString documentUnits(std::size_t from, std::size_t to) const;
    void insertAtSelection(const QString& text);

    QPlainTextEdit& edit_;
    std::function<void()> changed_;
    GbkMirror mirror_;
    bool quiet_ = false;  // the caller updates the mirror itself
    int fontSize_ = 16;
    Colour textColour_ = 0;
    Colour backColour_ = 0xFFFFFF;
};

}  // namespace kalamo
