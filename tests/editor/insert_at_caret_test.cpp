#include "editor/insert_at_caret.h"

#include <gtest/gtest.h>

#include "support/test_kalamo.h"

namespace kalamo::test {
namespace {

TEST(InsertAtCaret, GoesInAtTheSelectionStartAndLeavesTheSelectionAfterIt) {
    const struct {
        std::size_t start, length;
        const char* expected;
        std::size_t caret;
    } cases[] = {
        {2, 0, "ab此致敬礼cd", 10},
        {1, 2, "a此致敬礼bcd", 9},
        {0, 0, "此致敬礼abcd", 8},
        {4, 0, "abcd此致敬礼", 12},
    };
    for (const auto& c : cases) {
        TestKalamo t;
        t.editor.setText("abcd");
        t.editor.setSelectionStart(c.start);
        t.editor.setSelectionLength(c.length);
        InsertAtCaret(t.editor, "此致敬礼");
        EXPECT_EQ(t.editor.text(), c.expected);
        EXPECT_EQ(t.editor.selectionStart(), c.caret);
        EXPECT_EQ(t.editor.selectionLength(), 0u);
        EXPECT_EQ(t.ui.focused(), "编辑框1");
    }
}

}  // namespace
}  // namespace kalamo::test
