#include "ui/qt/qt_editor_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/qt/qt_text.h"

namespace kalamo {
namespace {

// Document text as the logic sees it: every kind of line break becomes "\r\n".
std::string EncodeUnits(QString units) {
    units.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    units.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return GbkLinesFromQString(units);
}

int DocumentLength(const QTextDocument& document) {
    return document.characterCount() - 1;
}

QColor Blend(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                            static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                            static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
}

}  // namespace

QtEditorView::QtEditorView(QPlainTextEdit& edit, std::function<void()> changed)
    : edit_(edit), changed_(std::move(changed)) {
    textColour_ = ColourOf(edit_.palette().color(QPalette::Text));
    backColour_ = ColourOf(edit_.palette().color(QPalette::Base));
    setFontSize(fontSize_);
    connect(edit_.document(), &QTextDocument::contentsChange, this,
            &QtEditorView::onContentsChange);
    resync();
}

std::string QtEditorView::encodeRange(int from, int to) const {
    if (to <= from) return {};
    QTextCursor cursor(edit_.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return EncodeUnits(cursor.selectedText());
}

std::string QtEditorView::encodeDocument() const {
    return encodeRange(0, DocumentLength(*edit_.document()));
}

void QtEditorView::resync() {
    mirror_.reset(encodeDocument());
}

void QtEditorView::onContentsChange(int position, int removed, int added) {
    if (settingText_) return;
    const int length = DocumentLength(*edit_.document());
    // The document may count its final, invisible block end in both the removed and the
    // added run; the text the logic sees has no such character.
    if (position + added > length) {
        const int beyond = position + added - length;
        added -= beyond;
        removed -= beyond;
    }
    const bool consistent = position >= 0 && removed >= 0 && added >= 0 &&
                            static_cast<long long>(mirror_.units()) - removed + added == length;
    if (!consistent) {
        resync();
    } else {
        // A surrogate half next to the change may have found or lost its partner.
        const QTextDocument& document = *edit_.document();
        if (position > 0 && document.characterAt(position - 1).isHighSurrogate()) {
            --position;
            ++removed;
            ++added;
        }
        if (document.characterAt(position + added).isLowSurrogate()) {
            ++removed;
            ++added;
        }
        const auto from = static_cast<std::size_t>(position);
        const std::string bytes = encodeRange(position, position + added);
        if (removed == added) {
            const std::size_t start = mirror_.byteOf(from);
            const std::size_t end = mirror_.byteOf(from + static_cast<std::size_t>(removed));
            if (mirror_.bytes().compare(start, end - start, bytes) == 0) return;  // format only
        }
        if (!mirror_.replace(from, static_cast<std::size_t>(removed), bytes) ||
            mirror_.units() != static_cast<std::size_t>(length))
            resync();
    }
    if (changed_) changed_();
}

void QtEditorView::setText(const std::string& gbk) {
    settingText_ = true;
    edit_.setPlainText(QStringFromGbkLines(gbk));
    settingText_ = false;
    resync();
    if (changed_) changed_();
}

std::size_t QtEditorView::selectionStart() const {
    return mirror_.byteOf(static_cast<std::size_t>(edit_.textCursor().selectionStart()));
}

std::size_t QtEditorView::selectionLength() const {
    const QTextCursor cursor = edit_.textCursor();
    return mirror_.byteOf(static_cast<std::size_t>(cursor.selectionEnd())) -
           mirror_.byteOf(static_cast<std::size_t>(cursor.selectionStart()));
}

void QtEditorView::setSelectionStart(std::size_t start) {
    QTextCursor cursor = edit_.textCursor();
    cursor.setPosition(static_cast<int>(mirror_.unitOf(start)));
    edit_.setTextCursor(cursor);
}

void QtEditorView::setSelectionLength(std::size_t length) {
    QTextCursor cursor = edit_.textCursor();
    const int startUnit = cursor.selectionStart();
    const std::size_t startByte = mirror_.byteOf(static_cast<std::size_t>(startUnit));
    const std::size_t endByte = startByte + std::min(length, textLength() - startByte);
    cursor.setPosition(startUnit);
    cursor.setPosition(static_cast<int>(mirror_.unitOf(endByte)), QTextCursor::KeepAnchor);
    edit_.setTextCursor(cursor);
}

std::string QtEditorView::selectedText() const {
    return mirror_.bytes().substr(selectionStart(), selectionLength());
}

void QtEditorView::insertAtSelection(const QString& text) {
    QTextCursor cursor = edit_.textCursor();
    cursor.insertText(text);
    edit_.setTextCursor(cursor);
}

void QtEditorView::replaceSelection(const std::string& gbk) {
    insertAtSelection(QStringFromGbkLines(gbk));
}

void QtEditorView::deleteSelection() {
    QTextCursor cursor = edit_.textCursor();
    cursor.removeSelectedText();
    edit_.setTextCursor(cursor);
}

void QtEditorView::pasteClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) insertAtSelection(text);
}

void QtEditorView::selectAll() {
    edit_.selectAll();
}

bool QtEditorView::isEnabled() const {
    return edit_.isEnabledTo(edit_.parentWidget());
}

void QtEditorView::setEnabled(bool enabled) {
    edit_.setEnabled(enabled);
}

void QtEditorView::alignLeft() {
    QTextOption option = edit_.document()->defaultTextOption();
    option.setAlignment(Qt::AlignLeft);
    edit_.document()->setDefaultTextOption(option);
}

void QtEditorView::focus() {
    edit_.setFocus(Qt::OtherFocusReason);
}

void QtEditorView::setFontSize(int points) {
    if (points <= 0) return;
    fontSize_ = points;
    QFont font = edit_.font();
    font.setPointSize(points);
    edit_.setFont(font);
}

void QtEditorView::setTextColour(Colour c) {
    textColour_ = c;
    QPalette palette = edit_.palette();
    palette.setColor(QPalette::Active, QPalette::Text, QColorOf(c));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColorOf(c));
    // A disabled editor still shows its text, only dimmed toward the background.
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     Blend(QColorOf(c), QColorOf(backColour_), 0.6));
    edit_.setPalette(palette);
}

void QtEditorView::setBackColour(Colour c) {
    backColour_ = c;
    QPalette palette = edit_.palette();
    palette.setColor(QPalette::Base, QColorOf(c));
    edit_.setPalette(palette);
    setTextColour(textColour_);
}

Rect QtEditorView::geometry() const {
    const QRect r = edit_.geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtEditorView::setGeometry(const Rect& r) {
    edit_.setGeometry(r.x, r.y, r.width, r.height);
}

}  // namespace kalamo
