#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "qt_test_support.h"
#include "stats/statistics_window_controller.h"
#include "support/test_kalamo.h"
#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

// The statistics window over the real widgets: built hidden from its layout, filled while
// hidden, shown docked against the main window, and typing stays with the editor.
TEST(StatisticsWindowQtTest, ShownDockedWithTheFocusLeftInTheEditor) {
    QtUiFacade ui;
    TestKalamo t;
    Kalamo k{Services{ui, ui.editor(), t.settings, t.files, t.clock, t.paths, t.processes}, {}};
    StatisticsWindowController statistics(k);
    const std::string box = std::string(kStatisticsWindow) + G(".高级字数统计");
    EXPECT_EQ(GbkToUtf8(ui.text(box)), "开始书写之后会显示详细的字数统计");

    ui.editor().setEnabled(true);
    ui.showWindow(kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.mainWindow()));
    ui.editor().setText(G("ab，12\r\n汉字"));
    statistics.onTextChanged();
    EXPECT_EQ(GbkToUtf8(ui.statusText(0)), "当前字数：  5");
    EXPECT_EQ(GbkToUtf8(ui.text(box)),
              "字数统计\r\n汉字数量：3\r\n英文数量：2\r\n符号数量：2\r\n数字数量：2\r\n段落数："
              "2\r\n当前字数：  5");

    statistics.setShown(true);
    EXPECT_TRUE(ui.isWindowVisible(kStatisticsWindow));
    EXPECT_EQ(ui.windowSize(kStatisticsWindow), (Size{276, 217}));
    auto* editor = &ui.editor().widget();
    EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == editor; }));
    EXPECT_TRUE(WaitFor([&] { return ui.mainWindow().isActiveWindow(); }));

    statistics.setShown(false);
    EXPECT_FALSE(ui.isWindowVisible(kStatisticsWindow));
}

}  // namespace
}  // namespace kalamo::test
