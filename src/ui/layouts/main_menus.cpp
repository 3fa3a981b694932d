#include "ui/layouts/window_layout.h"

namespace kalamo {

const char* const kMenuStart = "开始";
const char* const kMenuVoice = "语音服务";
const char* const kMenuWriting = "开始书写";

namespace {

class MenuBuilder {
  public:
    explicit MenuBuilder(std::vector<MenuItemSpec>& out) : out_(out) {}

    void item(const std::string& menu, const std::string& caption, std::string shortcut = {},
              bool checkable = false) {
        MenuItemSpec m;
        m.menu = menu;
        m.id = menu + "/" + caption;
        m.caption = caption;
        m.shortcut = std::move(shortcut);
        m.checkable = checkable;
        out_.push_back(m);
    }
    std::string submenu(const std::string& menu, const std::string& caption) {
        item(menu, caption);
        out_.back().submenu = true;
        return out_.back().id;
    }
    void separator(const std::string& menu) {
        MenuItemSpec m;
        m.menu = menu;
        m.separator = true;
        m.id = menu + "/-" + std::to_string(out_.size());
        out_.push_back(m);
    }

  private:
    std::vector<MenuItemSpec>& out_;
};

std::vector<MenuItemSpec> BuildMenus() {
    std::vector<MenuItemSpec> v;
    MenuBuilder b(v);
    const std::string s = kMenuStart;
    b.item(s, "打开文件");
    b.item(s, "打开新窗口");
    std::string fresh = b.submenu(s, "新建");
    for (const char* c : {"临时文本", "正式文本", "日记", "日程", "购物清单"}) b.item(fresh, c);
    b.separator(s);
    std::string edit = b.submenu(s, "编辑");
    std::string insert = b.submenu(edit, "插入");
    b.item(insert, "日程（F4）", "F4");
    b.item(insert, "当前时间（F5）", "F5");
    b.item(insert, "分割线（Ctrl+L）", "Ctrl+L");
    b.item(edit, "查找文本（Ctrl+F）", "Ctrl+F");
    b.item(edit, "替换文本（Ctrl+H）", "Ctrl+H");
    b.item(edit, "大字号模式（F2）", "F2", true);
    b.item(edit, "简体繁体转换");
    b.item(edit, "常用语快捷键");
    b.item(edit, "计算表达式（Ctrl+M)");
    b.separator(s);
    b.item(s, "字数统计", {}, true);
    std::string apps = b.submenu(s, "应用中心");
    for (const char* c :
         {"应用中心首页", "随机取名", "丢稿找回", "划词翻译", "个性背景", "打印文本"})
        b.item(apps, c);
    b.item(s, "K穿越");
    b.item(s, "清空正在编辑（F9）", "F9");
    b.separator(s);
    b.item(s, "设置（F8）", "F8");
    b.item(s, "退出");

    b.item(kMenuVoice, "开始录音");
    b.item(kMenuVoice, "打开录音文件");

    for (const char* c :
         {"书写临时文件", "开始写文章", "开始写日记", "开始写日程", "列购物清单", "丢稿找回"})
        b.item(kMenuWriting, c);
    return v;
}

}  // namespace

const std::vector<MenuItemSpec>& MainMenus() {
    static const std::vector<MenuItemSpec> menus = BuildMenus();
    return menus;
}

}  // namespace kalamo
