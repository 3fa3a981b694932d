#include "ui/qt/qt_editor_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "ui/qt/qt_text.h"

namespace kalamo {
namespace {

int DocumentLength(const QTextDocument& document) {
    return document.characterCount() - 1;
}

// The mirror's units as QTextCursor::selectedText shows them: the document turns the frame
// marks it reserves into paragraph breaks too.
QString AsSelectedText(const std::u16string& units) {
    QString text(reinterpret_cast<const QChar*>(units.data()),
                 static_cast<qsizetype>(units.size()));
    for (QChar& c : text)
        if (c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1) c = QChar::ParagraphSeparator;
    return text;
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

QString QtEditorView::documentUnits(std::size_t from, std::size_t to) const {
    if (to <= from) return {};
    QTextCursor cursor(edit_.document());
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

std::string QtEditorView::encodeDocument() const {
    return EditorBytesFromQString(
               documentUnits(0, static_cast<std::size_t>(DocumentLength(*edit_.document()))))
        .bytes;
}

QString QtEditorView::mirrorAsShown() const {
    return AsSelectedText(mirror_.utf16(0, mirror_.units(), QChar::ParagraphSeparator));
}

// The last resort, when the widget and the mirror disagree on the length: the widget's text
// encoded afresh. Stray bytes survive through their code units; every line break becomes
// "\r\n".
void QtEditorView::resync() {
    const EditorBytes all = EditorBytesFromQString(
        documentUnits(0, static_cast<std::size_t>(DocumentLength(*edit_.document()))));
    mirror_.reset({});
    mirror_.replace(0, 0, all.bytes, all.strays);
}

void QtEditorView::onContentsChange(int position, int removed, int added) {
    if (quiet_) return;
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
    } else if (!mirrorChange(static_cast<std::size_t>(position), static_cast<std::size_t>(removed),
                             static_cast<std::size_t>(added))) {
        return;  // the format changed, not the text
    }
    if (changed_) changed_();
}

// Qt may report a wider range than the edit (a format change, an input-method commit, a
// merge of blocks): only the units that differ are encoded and replaced. False when none do.
bool QtEditorView::mirrorChange(std::size_t position, std::size_t removed, std::size_t added) {
    // Whole units of the mirror; the text around the reported range is the same before and
    // after, so widening both sides alike keeps them comparable. A surrogate half next to the
    // range may have found or lost its partner: it joins the range too.
    const QTextDocument& document = *edit_.document();
    GbkMirror::Span span = mirror_.wholeUnits(position, position + removed);
    const auto pairsAt = [&document](std::size_t at) {
        return at > 0 && document.characterAt(static_cast<int>(at) - 1).isHighSurrogate() &&
               document.characterAt(static_cast<int>(at)).isLowSurrogate();
    };
    if (pairsAt(span.from)) span = mirror_.wholeUnits(span.from - 1, span.to);
    if (pairsAt(span.to - removed + added)) span = mirror_.wholeUnits(span.from, span.to + 1);
    const QString before =
        AsSelectedText(mirror_.utf16(span.from, span.to, QChar::ParagraphSeparator));
    const QString after = documentUnits(span.from, span.to - removed + added);

    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    if (head > 0 && before[head - 1].isHighSurrogate()) --head;  // keep a pair whole
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const auto splitsPair = [tail](const QString& text, qsizetype head) {
        const qsizetype first = text.size() - tail;
        return first > head && text[first].isLowSurrogate() && text[first - 1].isHighSurrogate();
    };
    if (tail > 0 && (splitsPair(before, head) || splitsPair(after, head))) --tail;
    if (head == before.size() && head == after.size()) return false;

    const EditorBytes bytes = EditorBytesFromQString(after.mid(head, after.size() - head - tail));
    const std::size_t length = static_cast<std::size_t>(DocumentLength(*edit_.document()));
    if (!mirror_.replace(span.from + static_cast<std::size_t>(head),
                         static_cast<std::size_t>(before.size() - head - tail), bytes.bytes,
                         bytes.strays) ||
        mirror_.units() != length)
        resync();
    return true;
}

void QtEditorView::setText(const std::string& gbk) {
    quiet_ = true;
    edit_.setPlainText(QStringFromEditorBytes(gbk));
    quiet_ = false;
    mirror_.reset(gbk);
    if (mirror_.units() != static_cast<std::size_t>(DocumentLength(*edit_.document()))) resync();
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

// The given bytes go to the mirror as they are, line breaks and stray bytes included.
void QtEditorView::replaceSelection(const std::string& gbk) {
    QTextCursor cursor = edit_.textCursor();
    const auto from = static_cast<std::size_t>(cursor.selectionStart());
    const auto removed = static_cast<std::size_t>(cursor.selectionEnd()) - from;
    if (removed == 0 && gbk.empty()) return;
    const QString shown = QStringFromEditorBytes(gbk);
    quiet_ = true;
    cursor.insertText(shown);
    quiet_ = false;
    edit_.setTextCursor(cursor);
    const auto length = static_cast<std::size_t>(DocumentLength(*edit_.document()));
    if (length != mirror_.units() - removed + static_cast<std::size_t>(shown.size()) ||
        !mirror_.replace(from, removed, gbk) || mirror_.units() != length)
        resync();
    if (changed_) changed_();
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

void QtEditorView::paintNow() {
    edit_.viewport()->repaint();
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
