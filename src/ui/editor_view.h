#pragma once

#include <cstddef>
#include <string>

#include "ui/ui_types.h"

namespace kalamo {

// The editor 编辑框1 as the logic sees it: GBK text with "\r\n" line breaks;
// every position and length counts bytes of that text.
class EditorView {
  public:
    virtual ~EditorView() = default;

    virtual std::string text() const = 0;
    virtual void setText(const std::string& gbk) = 0;
    virtual std::size_t textLength() const = 0;

    virtual std::size_t selectionStart() const = 0;
    virtual std::size_t selectionLength() const = 0;
    // Setting the start alone puts the caret there with nothing selected.
    virtual void setSelectionStart(std::size_t start) = 0;
    virtual void setSelectionLength(std::size_t length) = 0;
    virtual std::string selectedText() const = 0;
    virtual void replaceSelection(const std::string& gbk) = 0;
    virtual void deleteSelection() = 0;
    virtual void pasteClipboard() = 0;
    virtual void selectAll() = 0;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void alignLeft() = 0;
    virtual void focus() = 0;
    // Paints the editor now, before a long task keeps the event loop from doing it.
    virtual void paintNow() = 0;

    virtual int fontSize() const = 0;
    virtual void setFontSize(int points) = 0;
    virtual Colour textColour() const = 0;
    virtual void setTextColour(Colour c) = 0;
    virtual Colour backColour() const = 0;
    virtual void setBackColour(Colour c) = 0;

    virtual Rect geometry() const = 0;
    virtual void setGeometry(const Rect& r) = 0;
};

}  // namespace kalamo
