#pragma once

#include <QObject>
#include <functional>

#include "ui/editor_view.h"
#include "ui/qt/gbk_mirror.h"

class QPlainTextEdit;

namespace kalamo {

// A multi-line edit box as the logic sees it: GBK text with "\r\n" line breaks, positions in
// bytes. The GBK text is mirrored from the document's change signal (see GbkMirror).
class QtEditorView : public QObject, public EditorView {
    Q_OBJECT
  public:
    // `changed` runs after every change of the text, the mirror already up to date.
    QtEditorView(QPlainTextEdit& edit, std::function<void()> changed);

    QPlainTextEdit& widget() const { return edit_; }
    // The whole document encoded afresh, to check the mirror against.
    std::string encodeDocument() const;

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
    void resync();
    std::string encodeRange(int from, int to) const;
    void insertAtSelection(const QString& text);

    QPlainTextEdit& edit_;
    std::function<void()> changed_;
    GbkMirror mirror_;
    bool settingText_ = false;
    int fontSize_ = 16;
    Colour textColour_ = 0;
    Colour backColour_ = 0xFFFFFF;
};

}  // namespace kalamo
