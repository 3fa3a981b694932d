#include "ui/qt/qt_editor_view.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <random>

#include "qt_test_support.h"

namespace kalamo::test {
namespace {

class EditorViewTest : public testing::Test {
  protected:
    EditorViewTest() : view(edit, [this] { ++changes; }) {}

    QPlainTextEdit edit;
    int changes = 0;
    QtEditorView view;
};

// "ab中文" CRLF "😀x" CRLF CRLF "end": ASCII 1 byte, GBK 2, outside GBK 4, a line break 2.
const char* const kMixed = "ab中文\r\n😀x\r\n\r\nend";

TEST_F(EditorViewTest, MixedTextKeepsBytesAndShowsLines) {
    view.setText(G(kMixed));
    EXPECT_EQ(view.text(), G(kMixed));
    EXPECT_EQ(view.textLength(), 20u);
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("ab中文\n😀x\n\nend"));
    EXPECT_EQ(edit.blockCount(), 4);
    EXPECT_EQ(changes, 1);
}

TEST_F(EditorViewTest, SelectionsCountBytesAndSnapToCharacterStarts) {
    view.setText(G(kMixed));
    struct Case {
        std::size_t start, length;
        std::size_t wantStart, wantLength;
        const char* selected;
    };
    const Case cases[] = {
        {0, 2, 0, 2, "ab"}, {2, 4, 2, 4, "中文"},      {6, 2, 6, 2, "\r\n"}, {8, 4, 8, 4, "😀"},
        {8, 5, 8, 5, "😀x"}, {4, 9, 4, 9, "文\r\n😀x"},  {3, 2, 2, 2, "中"},   {7, 3, 6, 2, "\r\n"},
        {9, 2, 8, 0, ""},   {15, 5, 15, 5, "\r\nend"}, {100, 5, 20, 0, ""},  {17, 99, 17, 3, "end"},
    };
    for (const Case& c : cases) {
        view.setSelectionStart(c.start);
        EXPECT_EQ(view.selectionLength(), 0u) << c.start;
        view.setSelectionLength(c.length);
        EXPECT_EQ(view.selectionStart(), c.wantStart) << c.start << "+" << c.length;
        EXPECT_EQ(view.selectionLength(), c.wantLength) << c.start << "+" << c.length;
        EXPECT_EQ(view.selectedText(), G(c.selected)) << c.start << "+" << c.length;
    }
}

TEST_F(EditorViewTest, ReplacingDeletingAndPastingKeepTheMirror) {
    view.setText(G(kMixed));
    view.setSelectionStart(2);
    view.setSelectionLength(4);
    view.replaceSelection(G("汉字\r\n新"));
    EXPECT_EQ(view.text(), G("ab汉字\r\n新\r\n😀x\r\n\r\nend"));
    EXPECT_EQ(view.selectionStart(), 2u + 8u);
    EXPECT_EQ(view.selectionLength(), 0u);
    EXPECT_EQ(edit.blockCount(), 5);

    view.setSelectionStart(0);
    view.setSelectionLength(2);
    view.deleteSelection();
    EXPECT_EQ(view.text(), G("汉字\r\n新\r\n😀x\r\n\r\nend"));

    QGuiApplication::clipboard()->setText(QString::fromUtf8("甲\n乙"));
    view.setSelectionStart(view.textLength());
    view.pasteClipboard();
    EXPECT_EQ(view.text(), G("汉字\r\n新\r\n😀x\r\n\r\nend甲\r\n乙"));
    EXPECT_EQ(view.selectionStart(), view.textLength());

    view.selectAll();
    EXPECT_EQ(view.selectionStart(), 0u);
    EXPECT_EQ(view.selectionLength(), view.textLength());
    EXPECT_EQ(view.text(), view.encodeDocument());
}

TEST_F(EditorViewTest, OnlyTextChangesAreReported) {
    view.setText(G("一二"));
    changes = 0;
    view.setFontSize(25);
    view.setTextColour(Rgb(255, 0, 0));
    view.setBackColour(Rgb(0, 0, 0));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(view.fontSize(), 25);
    EXPECT_EQ(edit.font().pointSize(), 25);
    QTextCursor cursor(edit.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("x"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view.text(), G("一二x"));
}

// Typing, deleting, undoing and redoing anywhere in a text long enough to need the mirror's
// position marks: after every step the mirror equals a fresh encoding, and every position
// maps to the byte length of the text before it.
TEST_F(EditorViewTest, RandomEditsKeepTheMirrorEqualToAFullEncoding) {
    std::string start;
    for (int i = 0; i < 3000; ++i) start += G(i % 7 == 0 ? "行\r\n" : i % 5 == 0 ? "😀a" : "字b");
    view.setText(start);
    const QString pieces[] = {QStringLiteral("a"),
                              QString::fromUtf8("中"),
                              QString::fromUtf8("😀"),
                              QStringLiteral("\n"),
                              QString::fromUtf8("x\u00a0y"),
                              QString(QChar::LineSeparator),
                              QString::fromUtf8("长\n一段\n文字")};
    std::mt19937 random(7);
    for (int step = 0; step < 400; ++step) {
        const int length = edit.document()->characterCount() - 1;
        const int at = static_cast<int>(random() % static_cast<unsigned>(length + 1));
        QTextCursor cursor(edit.document());
        cursor.setPosition(at);
        switch (random() % 4) {
            case 0:
            case 1:
                cursor.insertText(pieces[random() % std::size(pieces)]);
                break;
            case 2:
                cursor.setPosition(std::min(length, at + static_cast<int>(random() % 40)),
                                   QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                break;
            default:
                random() % 2 ? edit.undo() : edit.redo();
                break;
        }
        ASSERT_TRUE(view.text() == view.encodeDocument()) << "step " << step;
        const int probe =
            static_cast<int>(random() % static_cast<unsigned>(edit.document()->characterCount()));
        if (probe > 0 && edit.document()->characterAt(probe - 1).isHighSurrogate()) continue;
        QTextCursor caret(edit.document());
        caret.setPosition(probe);
        edit.setTextCursor(caret);
        QTextCursor before(edit.document());
        before.setPosition(probe, QTextCursor::KeepAnchor);
        QString head = before.selectedText();
        head.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        head.replace(QChar::LineSeparator, QLatin1Char('\n'));
        head.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        const QByteArray utf8 = head.toUtf8();
        ASSERT_EQ(view.selectionStart(), Utf8ToGbk(utf8.toStdString()).size()) << "step " << step;
    }
}

}  // namespace
}  // namespace kalamo::test
