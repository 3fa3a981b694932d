#include "ui/layouts/main_menus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/gbk.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {
namespace {

// The menus as the user sees them: one line per entry, submenus marked ">" and indented
// under their item, separators as "----", a shortcut key in brackets.
void Outline(const std::string& menu, int depth, std::string& out, std::set<std::string>& seen) {
    for (const MenuItemSpec& m : MainMenus()) {
        if (m.menu != menu) continue;
        EXPECT_TRUE(seen.insert(m.id).second) << "two items share " << GbkToUtf8(m.id);
        out += std::string(2 * depth, ' ');
        if (m.separator) {
            out += "----\n";
            continue;
        }
        // The logic names items by this path, so it must agree with the tree.
        EXPECT_EQ(GbkToUtf8(m.id), GbkToUtf8(menu + "/" + m.caption));
        out += m.caption + (m.submenu ? " >" : "");
        if (!m.shortcut.empty()) out += "  [" + m.shortcut + "]";
        out += "\n";
        if (m.submenu) Outline(m.id, depth + 1, out, seen);
    }
}

TEST(MainMenus, CaptionsTreeAndShortcuts) {
    const char* expected = R"(开始
  打开文件
  打开新窗口
  新建 >
    临时文本
    正式文本
    日记
    日程
    购物清单
  ----
  编辑 >
    插入 >
      日程（F4）  [F4]
      当前时间（F5）  [F5]
      分割线（Ctrl+L）  [Ctrl+L]
    查找文本（Ctrl+F）  [Ctrl+F]
    替换文本（Ctrl+H）  [Ctrl+H]
    大字号模式（F2）  [F2]
    简体繁体转换
    常用语快捷键
    计算表达式（Ctrl+M)
  ----
  字数统计
  应用中心 >
    应用中心首页
    随机取名
    丢稿找回
    划词翻译
    个性背景
    打印文本
  K穿越
  清空正在编辑（F9）  [F9]
  ----
  设置（F8）  [F8]
  退出
语音服务
  开始录音
  打开录音文件
开始书写
  书写临时文件
  开始写文章
  开始写日记
  开始写日程
  列购物清单
  丢稿找回
)";
    std::string shown;
    std::set<std::string> seen;
    for (const char* top : {kMenuStart, kMenuVoice, kMenuWriting}) {
        shown += std::string(top) + "\n";
        Outline(top, 1, shown, seen);
    }
    EXPECT_EQ(GbkToUtf8(shown), GbkToUtf8(expected));
    EXPECT_EQ(seen.size(), MainMenus().size()) << "an item outside the three menus";
}

}  // namespace
}  // namespace kalamo
