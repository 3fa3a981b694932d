#include <gtest/gtest.h>

#include <QCursor>
#include <algorithm>
#include <iterator>
#include <vector>

#include "qt_test_support.h"
#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

constexpr int kW = 500, kH = 450;

// One grip as the user meets it: a pixel at the window's edge, the way into the window
// from there, how deep the grip reaches, the sides a drag moves and the pointer shown.
struct GripCase {
    const char* grip;
    QPoint outer;
    QPoint inward;
    int depth;
    const char* sides;
    Qt::CursorShape cursor;
};

const GripCase kCases[] = {
    {"左上调节器", {0, 0}, {1, 1}, 8, "left top", Qt::SizeFDiagCursor},
    {"上调节器", {kW / 2, 0}, {0, 1}, 5, "top", Qt::SizeVerCursor},
    {"右上调节器", {kW - 1, 0}, {-1, 1}, 8, "top right", Qt::SizeBDiagCursor},
    {"左侧调节器", {0, kH / 2}, {1, 0}, 5, "left", Qt::SizeHorCursor},
    {"右调节器", {kW - 1, kH / 2}, {-1, 0}, 5, "right", Qt::SizeHorCursor},
    {"左下调节器", {0, kH - 1}, {1, -1}, 8, "left bottom", Qt::SizeBDiagCursor},
    {"下调节器", {kW / 2, kH - 1}, {0, -1}, 5, "bottom", Qt::SizeVerCursor},
    {"右下调节器", {kW - 1, kH - 1}, {-1, -1}, 8, "right bottom", Qt::SizeFDiagCursor},
};

std::string SidesMoved(const QRect& before, const QRect& after) {
    std::string sides;
    auto add = [&](bool moved, const char* side) {
        if (moved) sides += sides.empty() ? side : std::string(" ") + side;
    };
    add(after.left() != before.left(), "left");
    add(after.top() != before.top(), "top");
    add(after.right() != before.right(), "right");
    add(after.bottom() != before.bottom(), "bottom");
    return sides;
}

// The main window as the layout leaves it after a size change, with the settings panel
// open: centred and wider than the window, it reaches over both side edges.
class GripTest : public testing::Test {
  protected:
    void SetUp() override {
        ui.setEventSink(&sink);
        ui.showWindow(kMainWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        lay();
    }

    LayoutWindow& window() const { return ui.mainWindow(); }

    void lay() {
        ui.moveWindow(kMainWindow, 100, 100);
        ui.resizeWindow(kMainWindow, {kW, kH});
        const std::pair<const char*, Rect> places[] = {
            {"上调节器", {8, 0, kW, 5}},
            {"左侧调节器", {0, 24, 5, kH}},
            {"左下调节器", {0, kH - 8, 8, 8}},
            {"下调节器", {16, kH - 5, kW, 5}},
            {"右下调节器", {kW - 8, kH - 8, 8, 8}},
            {"右调节器", {kW - 5, 0, 8, kH}},
            {"右上调节器", {kW - 8, 0, 8, 8}},
        };
        for (const auto& [grip, place] : places) ui.setGeometry(G(grip), place);
        ui.setGeometry(G("关于"), {(kW - 592) / 2, (kH - 368) / 2, 592, 368});
        ui.setVisible(G("关于"), true);
    }

    // The control of the layout under a pixel of the window (UTF-8).
    std::string controlAt(QPoint p) const {
        for (QWidget* w = window().childAt(p); w; w = w->parentWidget()) {
            for (const ControlSpec& c : window().spec().controls)
                if (window().widget(c.name) == w) return GbkToUtf8(c.name);
        }
        return "no control";
    }

    QtUiFacade ui;
    RecordingSink sink;
};

// Every pixel of a corner square belongs to its corner grip, even where an edge grip
// overlaps it, and every pixel of an edge's depth to its edge grip.
TEST_F(GripTest, EachGripOwnsItsCornerOrEdge) {
    for (const GripCase& c : kCases) {
        auto depths = [&](int way) {
            return way ? std::vector<int>{0, c.depth / 2, c.depth - 1} : std::vector<int>{0};
        };
        for (int across : depths(c.inward.x())) {
            for (int down : depths(c.inward.y())) {
                const QPoint p = c.outer + QPoint(c.inward.x() * across, c.inward.y() * down);
                const std::string found = controlAt(p);
                EXPECT_TRUE(found == c.grip)
                    << "pixel " << p.x() << "," << p.y() << ": " << found << ", not " << c.grip;
            }
        }
    }
}

// A press at the outermost pixel reaches the grip; the grip's edge, handed to the window,
// moves exactly the sides that grip stands for. There is no window manager here, so the
// window follows the mouse itself.
TEST_F(GripTest, PressingAGripResizesFromItsSides) {
    for (const GripCase& c : kCases) {
        lay();
        sink.events.clear();
        QWidget* target = window().childAt(c.outer);
        ASSERT_NE(target, nullptr) << c.grip;
        EXPECT_EQ(target->cursor().shape(), c.cursor) << c.grip;
        const QPoint local = target->mapFrom(&window(), c.outer);
        QCursor::setPos(target->mapToGlobal(local));
        QTest::mousePress(target, Qt::LeftButton, {}, local);
        const auto presses = sink.of(EventKind::LeftPress);
        ASSERT_EQ(presses.size(), 1u) << c.grip;
        const auto* grip =
            std::find_if(std::begin(kResizeGrips), std::end(kResizeGrips),
                         [&](const ResizeGrip& g) { return g.control == presses[0].control; });
        ASSERT_NE(grip, std::end(kResizeGrips)) << GbkToUtf8(presses[0].control);
        ui.beginSystemResize(kMainWindow, grip->edge);
        const QRect before = window().geometry();
        // Outward from each side the grip touches: the window grows, whatever the minimum.
        const QPoint outward(c.inward.x() > 0 ? -30 : 30, c.inward.y() > 0 ? -20 : 20);
        QTest::mouseMove(target, local + outward);
        EXPECT_EQ(SidesMoved(before, window().geometry()), c.sides) << c.grip;
        QTest::mouseRelease(target, Qt::LeftButton, {}, local + outward);
    }
}

}  // namespace
}  // namespace kalamo::test
