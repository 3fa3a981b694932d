#include "app/default_later_parts.h"

#include "app/main_window_controller.h"
#include "app/messages.h"
#include "cipher/text_cipher.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

bool DefaultLaterParts::runFirstRunWizard() {
    SettingsStore& s = k_.s.settings;
    s.writeSetting("软件设置", "高度", "838");
    s.writeSetting("软件设置", "宽度", "1119");
    s.writeSetting("软件设置", "状态栏", "隐藏");
    s.writeSetting("文本设置", "背景颜色", "0");
    s.writeSetting("文本设置", "文本颜色", "0");
    s.writeSetting("文本设置", "first", "真");
    s.writeRegistryText(k_.s.paths.runDirectory());
    return true;
}

void DefaultLaterParts::writeFlag(const char* section, const char* key, const char* box) {
    k_.s.settings.writeSetting(section, key, k_.s.ui.isChecked(box) ? "真" : "假");
}

void DefaultLaterParts::applyAndSaveSettings() {
    UiFacade& ui = k_.s.ui;
    SettingsStore& s = k_.s.settings;
    ui.setVisible("关于", false);
    s.writeSetting("文本设置", "背景颜色", std::to_string(ui.pickerColour("颜色")));
    writeFlag("软件设置", "自动保存", "自动保存");
    writeFlag("软件设置", "显示统计", "显示统计");
    writeFlag("文本设置", "大字体模式", "大字体");
    writeFlag("软件设置", "积分系统00", "积分系统");
    writeFlag("软件设置", "K服务", "K服务");
    writeFlag("软件设置", "检查更新", "是否检查更新");
    bool hideBar = ui.isChecked("状态栏选择");
    ui.setVisible("状态条1", !hideBar);
    s.writeSetting("软件设置", "状态栏", hideBar ? "隐藏" : "显示");
    if (window_) window_->onSizeChanged();
    s.writeSetting("软件设置", "按钮类型", std::to_string(ui.listIndex("按钮类型")));
    s.writeSetting("软件设置", "小提示类型", std::to_string(ui.listIndex("提示类型")));
    s.writeSetting("软件设置", "顶图类型", std::to_string(ui.listIndex("顶图类型")));
    s.writeSetting("文本设置", "文本颜色", std::to_string(ui.listIndex("文本颜色")));
    s.writeSetting("软件设置", "键盘音", std::to_string(ui.listIndex("键盘音")));
    ui.setVisible("标题栏", true);
    ui.setVisible("章节名称提示", true);
    bool large = ui.isChecked("大字体");
    k_.s.editor.setFontSize(large ? 25 : 16);
    if (large) s.writeSetting("软件设置", "新手2", "真");
    ui.setMenuChecked("开始/编辑/大字号模式（F2）", large);
    ui.setAlwaysOnTop(kMainWindow, ui.isChecked("总在最前选择"));
    ui.setMenuChecked("开始/字数统计", ui.isChecked("显示统计"));
    if (window_) window_->onSizeChanged();
}

void DefaultLaterParts::applyBackgroundColour() {
    Colour c = k_.s.ui.pickerColour("颜色");
    k_.s.ui.setWindowBackground(kMainWindow, c);
    k_.s.editor.setBackColour(c);
    k_.s.ui.setBackColour("高级选择夹1", c);
    k_.s.ui.setBackColour("开始按钮", c);
}

void DefaultLaterParts::setWindowAlpha(int alpha) {
    k_.s.ui.setWindowOpacity(kMainWindow, alpha);
}

// Until the password window lands, documents are enciphered under the fixed pass phrase alone.
bool DefaultLaterParts::askDocumentPassword() {
    k_.writing.documentPassword.clear();
    return true;
}

std::string DefaultLaterParts::encipherDocument(const std::string& text,
                                                const std::string& password) {
    return TextCipher::encipher(text, std::string(FixedPassPhrase) + password);
}

std::string DefaultLaterParts::decipherDocument(const std::string& bytes,
                                                const std::string& password) {
    return TextCipher::decipher(bytes, std::string(FixedPassPhrase) + password);
}

void DefaultLaterParts::runLaterCommand(const std::string&) {}

}  // namespace kalamo
