#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/editor_view.h"

namespace kalamo::test {

// The editor as a plain byte buffer, with the same selection rules as the real one: a
// position snaps to the start of the unit it falls in (GbkUnitAt: a CR LF pair is one unit).
class FakeEditor : public EditorView {
  public:
    // What the editor asks of the window around it.
    class Host {
      public:
        virtual ~Host() = default;
        virtual std::string clipboardText() const = 0;
        virtual void focusEditor() = 0;
        virtual std::string initialEditorText() const = 0;
    };

    explicit FakeEditor(Host& host);
    std::string text() const override { return text_; }
    void setText(const std::string& t) override;
    std::size_t textLength() const override { return text_.size(); }
    std::size_t selectionStart() const override { return start_; }
    std::size_t selectionLength() const override { return length_; }
    void setSelectionStart(std::size_t s) override;
    void setSelectionLength(std::size_t n) override;
    std::string selectedText() const override { return text_.substr(start_, length_); }
    void replaceSelection(const std::string& t) override;
    void deleteSelection() override { replaceSelection({}); }
    void pasteClipboard() override;
    void selectAll() override { start_ = 0, length_ = text_.size(); }
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool e) override { enabled_ = e; }
    void alignLeft() override { alignedLeft_ = true; }
    void focus() override { host_.focusEditor(); }
    void paintNow() override { painted_.push_back(text_); }
    // The text on screen at each paintNow.
    const std::vector<std::string>& painted() const { return painted_; }
    int fontSize() const override { return fontSize_; }
    void setFontSize(int p) override { fontSize_ = p; }
    Colour textColour() const override { return textColour_; }
    void setTextColour(Colour c) override { textColour_ = c; }
    Colour backColour() const override { return backColour_; }
    void setBackColour(Colour c) override { backColour_ = c; }
    Rect geometry() const override { return place_; }
    void setGeometry(const Rect& r) override { place_ = r; }
    bool alignedLeft() const { return alignedLeft_; }

  private:
    std::size_t unitStart(std::size_t byte) const;

    Host& host_;
    std::string text_;
    std::size_t start_ = 0, length_ = 0;
    bool enabled_ = false, alignedLeft_ = false;
    int fontSize_ = 16;
    Colour textColour_ = 0, backColour_ = 0;
    Rect place_{2, 64, 990, 743};
    std::vector<std::string> painted_;
};

}  // namespace kalamo::test
