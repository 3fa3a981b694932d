#include "ui/layouts/main_menus.h"

#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kMenuStart[] = "开始";
const char kMenuVoice[] = "语音服务";
const char kMenuWriting[] = "开始书写";

const char kMenuOpenFile[] = "开始/打开文件";
const char kMenuNewWindow[] = "开始/打开新窗口";
const char kMenuNew[] = "开始/新建";
const char kMenuNewTemporary[] = "开始/新建/临时文本";
const char kMenuNewArticle[] = "开始/新建/正式文本";
const char kMenuNewDiary[] = "开始/新建/日记";
const char kMenuNewSchedule[] = "开始/新建/日程";
const char kMenuNewShoppingList[] = "开始/新建/购物清单";
const char kMenuEdit[] = "开始/编辑";
const char kMenuInsert[] = "开始/编辑/插入";
const char kMenuInsertSchedule[] = "开始/编辑/插入/日程（F4）";
const char kMenuInsertTime[] = "开始/编辑/插入/当前时间（F5）";
const char kMenuInsertDivider[] = "开始/编辑/插入/分割线（Ctrl+L）";
const char kMenuFind[] = "开始/编辑/查找文本（Ctrl+F）";
const char kMenuReplace[] = "开始/编辑/替换文本（Ctrl+H）";
const char kMenuLargeFont[] = "开始/编辑/大字号模式（F2）";
const char kMenuSimplifiedTraditional[] = "开始/编辑/简体繁体转换";
const char kMenuPhraseKeys[] = "开始/编辑/常用语快捷键";
const char kMenuCalculate[] = "开始/编辑/计算表达式（Ctrl+M)";
const char kMenuStatistics[] = "开始/字数统计";
const char kMenuAppCentre[] = "开始/应用中心";
const char kMenuAppCentreHome[] = "开始/应用中心/应用中心首页";
const char kMenuRandomName[] = "开始/应用中心/随机取名";
const char kMenuRecoverDrafts[] = "开始/应用中心/丢稿找回";
const char kMenuTranslate[] = "开始/应用中心/划词翻译";
const char kMenuBackground[] = "开始/应用中心/个性背景";
const char kMenuPrint[] = "开始/应用中心/打印文本";
const char kMenuTransfer[] = "开始/K穿越";
const char kMenuClearEditing[] = "开始/清空正在编辑（F9）";
const char kMenuSettings[] = "开始/设置（F8）";
const char kMenuExit[] = "开始/退出";

const char kMenuStartRecording[] = "语音服务/开始录音";
const char kMenuOpenRecording[] = "语音服务/打开录音文件";

const char kMenuWriteTemporary[] = "开始书写/书写临时文件";
const char kMenuWriteArticle[] = "开始书写/开始写文章";
const char kMenuWriteDiary[] = "开始书写/开始写日记";
const char kMenuWriteSchedule[] = "开始书写/开始写日程";
const char kMenuWriteShoppingList[] = "开始书写/列购物清单";
const char kMenuWriteRecoverDrafts[] = "开始书写/丢稿找回";

namespace {

// Rows name an item by its id alone: the menu that holds it and its caption are the id's
// path before and after the last "/" (a byte no GBK character uses).
class MenuBuilder {
  public:
    explicit MenuBuilder(std::vector<MenuItemSpec>& out) : out_(out) {}

    void item(const std::string& id, std::string shortcut = {}) {
        const std::size_t cut = id.rfind('/');
        MenuItemSpec m;
        m.id = id;
        m.menu = id.substr(0, cut);
        m.caption = id.substr(cut + 1);
        m.shortcut = std::move(shortcut);
        out_.push_back(m);
    }
    void submenu(const std::string& id) {
        item(id);
        out_.back().submenu = true;
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
    b.item(kMenuOpenFile);
    b.item(kMenuNewWindow);
    b.submenu(kMenuNew);
    for (const char* id : {kMenuNewTemporary, kMenuNewArticle, kMenuNewDiary, kMenuNewSchedule,
                           kMenuNewShoppingList})
        b.item(id);
    b.separator(kMenuStart);
    b.submenu(kMenuEdit);
    b.submenu(kMenuInsert);
    b.item(kMenuInsertSchedule, "F4");
    b.item(kMenuInsertTime, "F5");
    b.item(kMenuInsertDivider, "Ctrl+L");
    b.item(kMenuFind, "Ctrl+F");
    b.item(kMenuReplace, "Ctrl+H");
    b.item(kMenuLargeFont, "F2");
    b.item(kMenuSimplifiedTraditional);
    b.item(kMenuPhraseKeys);
    b.item(kMenuCalculate);  // its caption names a key, but it carries none
    b.separator(kMenuStart);
    b.item(kMenuStatistics);
    b.submenu(kMenuAppCentre);
    for (const char* id : {kMenuAppCentreHome, kMenuRandomName, kMenuRecoverDrafts, kMenuTranslate,
                           kMenuBackground, kMenuPrint})
        b.item(id);
    b.item(kMenuTransfer);
    b.item(kMenuClearEditing, "F9");
    b.separator(kMenuStart);
    b.item(kMenuSettings, "F8");
    b.item(kMenuExit);

    b.item(kMenuStartRecording);
    b.item(kMenuOpenRecording);

    for (const char* id : {kMenuWriteTemporary, kMenuWriteArticle, kMenuWriteDiary,
                           kMenuWriteSchedule, kMenuWriteShoppingList, kMenuWriteRecoverDrafts})
        b.item(id);
    return v;
}

}  // namespace

const std::vector<MenuItemSpec>& MainMenus() {
    static const std::vector<MenuItemSpec> menus = BuildMenus();
    return menus;
}

}  // namespace kalamo
