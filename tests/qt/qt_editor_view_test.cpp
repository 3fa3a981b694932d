#include "ui/qt/qt_editor_view.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <random>

#include "qt_test_support.h"
#include "ui/qt/qt_text.h"

namespace kalamo::test {
namespace {

class EditorViewTest : public testing::Test {
  protected:
    EditorViewTest() : view(edit, [this] { ++changes; }) {}

    QString shown() const {
        QTextCursor all(edit.document());
        all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        return all.selectedText();
    }
    void caretAt(int unit) {
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(unit);
        edit.setTextCursor(cursor);
    }
    // A character committed by the input method, the way Chinese arrives from the keyboard.
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&edit, &event);
    }

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

    // Each kind of line break is one paragraph break; a stray byte is one reserved unit.
    view.setText("a\nb\rc\r\n\xE9");
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("a\nb\nc\n") + QChar(0xDCE9));
    EXPECT_EQ(edit.blockCount(), 4);
    EXPECT_EQ(view.mirrorAsShown(), shown());
}

// The reserved code units are lone low surrogates: the document keeps each as one unit
// through setting, caret moves, deletion and selection, and paints them without harm.
TEST_F(EditorViewTest, TheDocumentKeepsLoneSurrogatesAsSingleUnits) {
    const QChar e9(0xDCE9), x80(0xDC80);
    const QString text =
        QStringLiteral("a") + e9 + x80 + QString::fromUtf8("😀") + x80 + QStringLiteral("\nb") + e9;
    edit.setPlainText(text);
    edit.resize(300, 200);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    EXPECT_EQ(edit.toPlainText(), text);
    EXPECT_EQ(edit.document()->characterCount(), text.size() + 1);

    QTextCursor cursor(edit.document());
    std::vector<int> stops{cursor.position()};
    while (cursor.movePosition(QTextCursor::NextCharacter)) stops.push_back(cursor.position());
    EXPECT_EQ(stops, (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 9}));

    cursor.setPosition(2);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    EXPECT_EQ(cursor.selectedText(), QString(x80) + QString::fromUtf8("😀") + x80);

    caretAt(6);
    QTest::keyClick(&edit, Qt::Key_Backspace);  // the escape after the pair
    caretAt(1);
    QTest::keyClick(&edit, Qt::Key_Delete);  // the first of two escapes
    EXPECT_EQ(edit.toPlainText(),
              QStringLiteral("a") + x80 + QString::fromUtf8("😀") + QStringLiteral("\nb") + e9);
    EXPECT_EQ(view.text(), "a\x80\x94\x39\xFC\x36\r\nb\xE9");
    edit.repaint();
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

// Changes of format make the document report its whole text as changed; no byte may move.
TEST_F(EditorViewTest, FormatChangesNeverRewriteBytes) {
    std::string noise(2048, '\0');
    std::mt19937 random(3);
    for (char& b : noise) b = static_cast<char>(random());
    const std::string texts[] = {
        "one\ntwo\rthree\n\r", "caf\xE9\x80\xFF\x81\x30",
        "\xFD\xFD\n" + G("字") + "\x94\x39\xFC\x36\r\xEF",
        G("a\u2028b\u2029c\uFDD0d\uFEFF\u00A0\uFFFC") + std::string(1, '\0') + "\x80", noise};
    for (const std::string& text : texts) {
        view.setText(text);
        changes = 0;
        view.setFontSize(30);
        view.setTextColour(Rgb(200, 0, 0));
        view.setBackColour(Rgb(0, 0, 40));
        view.alignLeft();
        QTextCursor all(edit.document());
        all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        all.mergeCharFormat(bold);
        EXPECT_TRUE(view.text() == text) << GbkToUtf8(text);
        EXPECT_EQ(changes, 0);
    }
}

// What the user types lands beside stray bytes without taking them in, even where the
// bytes together would read as one character: the widget and the mirror keep agreeing.
TEST_F(EditorViewTest, TypingBesideStrayBytesLeavesThemIntact) {
    view.setText("caf\xE9");
    caretAt(4);
    QTest::keyClicks(&edit, QStringLiteral("A"));  // E9 41 would read as one character
    EXPECT_TRUE(view.text() ==
                "caf\xE9"
                "A");
    caretAt(3);
    commit(QString::fromUtf8("中"));
    EXPECT_TRUE(view.text() == "caf" + G("中") +
                                   "\xE9"
                                   "A");
    EXPECT_EQ(view.mirrorAsShown(), shown());
    EXPECT_EQ(view.selectionStart(), 5u);
    caretAt(4);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_TRUE(view.text() == "caf" + G("中") + "A");

    // A stray lead byte, a typed digit and a typed character whose four bytes begin like the
    // pair before them: 81 30 | 81 30 81 30 would read as a character and two strays.
    view.setText("\x81");
    caretAt(1);
    QTest::keyClicks(&edit, QStringLiteral("0"));
    commit(QString(QChar(0x80)));
    EXPECT_TRUE(view.text() == "\x81\x30\x81\x30\x81\x30");
    EXPECT_EQ(view.mirrorAsShown(), shown());
    EXPECT_EQ(view.textLength(), 6u);
    view.setSelectionStart(1);
    view.setSelectionLength(5);
    EXPECT_EQ(view.selectionLength(), 5u);
    EXPECT_EQ(edit.textCursor().selectedText(), QStringLiteral("0") + QChar(0x80));

    // Beside a surrogate pair, and a pair typed beside an escape.
    view.setText("\x94\x39\xFC\x36\x80");
    caretAt(2);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    caretAt(4);
    commit(QString::fromUtf8("😀"));
    EXPECT_TRUE(view.text() == "\x94\x39\xFC\x36x\x80\x94\x39\xFC\x36");
    EXPECT_EQ(view.mirrorAsShown(), shown());
}

// Deleting what stood between a lone CR and a lone LF leaves two line breaks on screen and
// the bytes CR LF; the mirror keeps the two units apart instead of re-encoding everything.
TEST_F(EditorViewTest, DeletingBetweenLoneLineEndsKeepsTheRestExact) {
    view.setText("x\ny\ra\rX\nb\n");
    view.setSelectionStart(6);
    view.setSelectionLength(1);
    view.deleteSelection();
    EXPECT_TRUE(view.text() == "x\ny\ra\r\nb\n");
    EXPECT_EQ(edit.blockCount(), 6);
    EXPECT_EQ(view.mirrorAsShown(), shown());
    EXPECT_EQ(view.selectionStart(), 6u);
    QTest::keyClicks(&edit, QStringLiteral("Y"));
    EXPECT_TRUE(view.text() == "x\ny\ra\rY\nb\n");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_TRUE(view.text() == "x\ny\ra\nb\n");
    EXPECT_EQ(view.mirrorAsShown(), shown());
}

// Undo puts back what an edit took, stray bytes and all (line breaks come back as "\r\n").
TEST_F(EditorViewTest, UndoRestoresStrayBytes) {
    const std::string text =
        "ab\x80\xFF\x81"
        "0\xE9 cd";
    view.setText(text);
    view.setSelectionStart(1);
    view.setSelectionLength(7);
    view.deleteSelection();
    EXPECT_TRUE(view.text() == "acd");
    edit.undo();
    EXPECT_TRUE(view.text() == text);
    edit.redo();
    edit.undo();
    EXPECT_TRUE(view.text() == text);
    EXPECT_EQ(view.mirrorAsShown(), shown());
}

// Typing, deleting, undoing and redoing anywhere in a text long enough to need the mirror's
// position marks, with stray bytes about: after every step the mirror equals a fresh
// encoding, and every position maps to the byte length of the text before it.
TEST_F(EditorViewTest, RandomEditsKeepTheMirrorEqualToAFullEncoding) {
    std::string start;
    for (int i = 0; i < 3000; ++i)
        start += i % 11 == 0 ? std::string("\xE9\x80\xFF")
                             : G(i % 7 == 0   ? "行\r\n"
                                 : i % 5 == 0 ? "😀a"
                                              : "字b");
    view.setText(start);
    const QString pieces[] = {QStringLiteral("a"),
                              QString::fromUtf8("中"),
                              QString::fromUtf8("😀"),
                              QStringLiteral("\n"),
                              QString::fromUtf8("x\u00a0y"),
                              QString(QChar::LineSeparator),
                              QString::fromUtf8("长\n一段\n文字"),
                              QString(QChar(0xDC81)) + QStringLiteral("A0"),
                              QStringLiteral("\xE9") + QChar(0xDC81)};
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
        ASSERT_EQ(view.selectionStart(), EditorBytesFromQString(before.selectedText()).bytes.size())
            << "step " << step;
    }
}

// A long task after "正在加载中..." blocks the event loop; the text must be on screen first.
TEST_F(EditorViewTest, PaintNowPaintsBeforeReturning) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.viewport()->installEventFilter(&counter);
    view.setText(G("正在加载中..."));
    EXPECT_EQ(counter.paints, 0) << "without it nothing is painted until the loop runs";
    view.paintNow();
    EXPECT_GE(counter.paints, 1);
    EXPECT_EQ(view.text(), G("正在加载中..."));
    edit.viewport()->removeEventFilter(&counter);
}

}  // namespace
}  // namespace kalamo::test
