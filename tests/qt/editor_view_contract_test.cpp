// One contract for both editors the logic can be given: the fake the scenario tests use and
// the real Qt one. Whatever bytes go in come out, every offset counts bytes, and an edit
// changes only what it touches.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <random>

#include "qt_test_support.h"
#include "support/fake_editor.h"
#include "ui/qt/qt_editor_view.h"

namespace kalamo::test {
namespace {

class FakeSubject : public FakeEditor::Host {
  public:
    EditorView& view() { return editor_; }
    void setClipboard(const std::string& gbk) { clipboard_ = gbk; }

    std::string clipboardText() const override { return clipboard_; }
    void focusEditor() override {}
    std::string initialEditorText() const override { return {}; }

  private:
    std::string clipboard_;
    FakeEditor editor_{*this};
};

class QtSubject {
  public:
    EditorView& view() { return view_; }
    void setClipboard(const std::string& gbk) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(GbkToUtf8(gbk)));
    }

  private:
    QPlainTextEdit edit_;
    QtEditorView view_{edit_, [] {}};
};

// Bytes an enciphered document might hold: every value, line-break bytes included.
std::string Ciphertext(std::size_t size) {
    std::mt19937 random(20240611);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 256);
    return bytes;
}

struct TextCase {
    const char* name;
    std::string bytes;
};

std::vector<TextCase> TextCases() {
    return {
        {"empty", ""},
        {"LF", "one\ntwo\n\nthree"},
        {"CR", "one\rtwo\r\rthree\r"},
        {"CR LF", "one\r\ntwo\r\n"},
        {"mixed breaks", "a\r\nb\nc\rd\n\re\r\r\nf\n\r\n"},
        {"Latin-1", "caf\xE9"},
        {"Latin-1 inside", "caf\xE9 au lait, na\xEFve"},
        {"GBK", G("中文\r\n标点，。")},
        {"four-byte character", "x\x94\x39\xFC\x36y\x81\x30\x81\x30"},
        {"lone trail bytes", "\x80x\xFF\x40y\x80"},
        {"truncated four-byte at the end", "ab\x81\x30\x81"},
        {"refused four-byte codes", "\x84\x31\xA5\x30|\xE3\x32\x9A\x36|\x82\x35\x90\x37"},
        {"characters the document treats specially",
         G("a\u2028b\u2029c\uFDD0d\uFDD1e\uFEFFf\u00A0g\th\uFFFCi\uFFFD") + std::string(1, '\0') +
             "\x80" + std::string(1, '\0')},
        {"ciphertext", Ciphertext(4096)},
    };
}

template <class Subject>
class EditorViewContract : public testing::Test {
  protected:
    // Selects by bytes; the editor snaps the ends to unit starts.
    void select(std::size_t start, std::size_t length) {
        view().setSelectionStart(start);
        view().setSelectionLength(length);
    }
    EditorView& view() { return subject.view(); }

    Subject subject;
};

using Subjects = testing::Types<FakeSubject, QtSubject>;
class SubjectNames {
  public:
    template <class T>
    static std::string GetName(int) {
        return std::is_same_v<T, FakeSubject> ? "Fake" : "Qt";
    }
};
TYPED_TEST_SUITE(EditorViewContract, Subjects, SubjectNames);

TYPED_TEST(EditorViewContract, TextComesBackByteForByte) {
    for (const TextCase& c : TextCases()) {
        this->view().setText(c.bytes);
        EXPECT_TRUE(this->view().text() == c.bytes) << c.name;
        EXPECT_EQ(this->view().textLength(), c.bytes.size()) << c.name;
        this->view().selectAll();
        EXPECT_TRUE(this->view().selectedText() == c.bytes) << c.name;
    }
}

// A range chosen by bytes in the middle is replaced; every byte before and after it stays,
// stray bytes and lone line ends included.
TYPED_TEST(EditorViewContract, AnEditChangesOnlyItsRange) {
    for (const TextCase& c : TextCases()) {
        this->view().setText(c.bytes);
        this->select(c.bytes.size() / 3, c.bytes.size() / 3);
        const std::size_t start = this->view().selectionStart();
        const std::size_t length = this->view().selectionLength();
        ASSERT_LE(start + length, c.bytes.size()) << c.name;
        EXPECT_TRUE(this->view().selectedText() == c.bytes.substr(start, length)) << c.name;
        const std::string inserted = G("新\r\n") + "x\n\xE9";
        this->view().replaceSelection(inserted);
        const std::string want =
            c.bytes.substr(0, start) + inserted + c.bytes.substr(start + length);
        EXPECT_TRUE(this->view().text() == want) << c.name;
        EXPECT_EQ(this->view().selectionStart(), start + inserted.size()) << c.name;
        EXPECT_EQ(this->view().selectionLength(), 0u) << c.name;

        this->select(0, start);
        EXPECT_EQ(this->view().selectionLength(), start) << c.name;
        this->view().deleteSelection();
        EXPECT_TRUE(this->view().text() == want.substr(start)) << c.name;
    }
}

// Offsets at line breaks and inside characters: a CR LF pair, a GBK character and a
// four-byte character are each one unit, and a position inside one snaps to its start.
TYPED_TEST(EditorViewContract, SelectionsSnapToUnitStarts) {
    // "a" CR LF "b" LF CR "中", a four-byte character, a stray byte, "z"
    const std::string text = "a\r\nb\n\r" + G("中") + "\x94\x39\xFC\x36\x80z";
    this->view().setText(text);
    struct Case {
        std::size_t start, length;
        std::size_t wantStart, wantLength;
    };
    const Case cases[] = {
        {0, 3, 0, 3}, {1, 2, 1, 2},   {2, 2, 1, 2},   {2, 1, 1, 0},   {2, 3, 1, 3},   {3, 3, 3, 3},
        {4, 2, 4, 2}, {5, 1, 5, 1},   {6, 2, 6, 2},   {7, 1, 6, 0},   {7, 6, 6, 6},   {9, 2, 8, 0},
        {8, 5, 8, 5}, {12, 1, 12, 1}, {13, 9, 13, 1}, {50, 1, 14, 0}, {0, 99, 0, 14},
    };
    for (const Case& c : cases) {
        this->view().setSelectionStart(c.start);
        EXPECT_EQ(this->view().selectionStart(), c.wantStart) << c.start;
        EXPECT_EQ(this->view().selectionLength(), 0u) << c.start;
        this->view().setSelectionLength(c.length);
        EXPECT_EQ(this->view().selectionStart(), c.wantStart) << c.start << "+" << c.length;
        EXPECT_EQ(this->view().selectionLength(), c.wantLength) << c.start << "+" << c.length;
        EXPECT_TRUE(this->view().selectedText() == text.substr(c.wantStart, c.wantLength))
            << c.start << "+" << c.length;
    }
}

// A paste adds what the clipboard holds, its line breaks as "\r\n"; the text around it,
// lone line ends and stray bytes included, stays.
TYPED_TEST(EditorViewContract, PasteAddsClipboardTextWithCrLfBreaks) {
    this->view().setText("a\nb\xE9\rc");
    this->subject.setClipboard(G("甲\n乙"));
    this->view().setSelectionStart(3);
    this->view().pasteClipboard();
    EXPECT_TRUE(this->view().text() == "a\nb" + G("甲\r\n乙") + "\xE9\rc");
    EXPECT_EQ(this->view().selectionStart(), 3 + G("甲\r\n乙").size());
}

}  // namespace
}  // namespace kalamo::test
