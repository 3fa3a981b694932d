#include "writing/writing_modes.h"

#include "base/stamps.h"
#include "core/messages.h"
#include "core/text_colours.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"
#include "writing/document_saver.h"

namespace kalamo {
namespace {

constexpr const char* kTitleBox = "章节名称";
constexpr const char* kTitleLabel = "章节名称提示";
constexpr const char* kStartButton = "开始书写按钮";
constexpr const char* kColourPicker = "颜色";
constexpr const char* kTopImageList = "顶图类型";
constexpr const char* kTipsTimer = "时钟1";
constexpr const char* kOnTopOption = "总在最前选择";

constexpr const char* kPlainLabel = "标题/题目：";
constexpr const char* kStartCaption = "开始书写";
constexpr const char* kStopCaption = "立刻保存";
constexpr const char* kBusyMessage = "当前正在编辑文档呢，您可以保存或清空当前编辑来创建临时文本";

constexpr int kTipsPeriod = 7500;
constexpr int kTipsStatusPart = 2;
constexpr int kF6 = 117;
constexpr Colour kOrange = Rgb(255, 128, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

}  // namespace

WritingModes::WritingModes(Kalamo& k, SettingsPanel& panel, Appearance& appearance)
    : k_(k), panel_(panel), appearance_(appearance) {}

std::string WritingModes::timedHeader(const char* prefix) const {
    return std::string(prefix) + HeaderStamp(k_.s.clock.now()) + "秒    by：Kalamo";
}

std::string WritingModes::diaryHeader() const {
    const LocalDateTime t = k_.s.clock.now();
    const int weekday = (t.weekday % 7 + 7) % 7 + 1;  // Sunday is 1
    return std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) +
           "日星期" + std::to_string(weekday) + "     by：Kalamo日记";
}

void WritingModes::setWritingControls(bool on) {
    UiFacade& ui = k_.s.ui;
    k_.writing.on = on;
    ui.setEnabled(kTitleBox, !on);
    ui.setText(kStartButton, on ? kStopCaption : kStartCaption);
    k_.s.editor.setEnabled(on);
    if (on) k_.s.editor.alignLeft();
    ui.setMenuEnabled(kMenuOpenFile, !on);
    ui.setMenuEnabled(kMenuNew, !on);
    ui.setMenuEnabled(kMenuEdit, on);
    ui.setMenuEnabled(kMenuPrint, on);
}

void WritingModes::refuseWhileWriting() {
    Say(k_.s.ui, kBusyMessage);
}

void WritingModes::restoreAlwaysOnTop() {
    k_.s.ui.setAlwaysOnTop(kMainWindow, k_.s.ui.isChecked(kOnTopOption));
}

void WritingModes::ToggleWriting(bool keepEditorText) {
    UiFacade& ui = k_.s.ui;
    bool filledTitle = false;
    if (ui.text(kTitleBox).empty()) {
        ui.setText(kTitleBox, timedHeader("临时文本： 产生于"));
        filledTitle = true;
    }
    if (k_.writing.on) {
        ui.setText(kTitleLabel, kPlainLabel);
        if (saver_) saver_->StopAndSave();
        k_.s.editor.focus();
        return;
    }
    std::optional<std::string> text;
    if (!keepEditorText) text = ui.text(kTitleBox) + "\r\n";
    BeginWriting(text);
    k_.writing.mode = filledTitle ? WritingMode::TemporaryText : WritingMode::Article;
}

void WritingModes::BeginWriting(std::optional<std::string> editorText) {
    EditorView& editor = k_.s.editor;
    setWritingControls(true);
    if (editorText) {
        editor.setText(*editorText);
        editor.setSelectionStart(editorText->size());
    }
    if (k_.pictureBackgroundOn) appearance_.ApplyEditorBackground();
    editor.focus();
}

void WritingModes::StartTemporaryText() {
    if (k_.writing.on) return refuseWhileWriting();
    const std::string header = timedHeader("临时文本： 产生于");
    k_.s.ui.setText(kTitleBox, header);
    BeginWriting(header + "\r\n");
    k_.s.ui.setText(kTitleLabel, kPlainLabel);
    k_.writing.mode = WritingMode::TemporaryText;
}

void WritingModes::StartArticle() {
    // Only reachable from the 新建 menu, which is disabled while writing; a stray call must not
    // run the save flow.
    if (k_.writing.on) return;
    if (k_.s.ui.text(kTitleBox).empty()) {
        Say(k_.s.ui, "请输入章节名称后建立小说书写环境");
        return;
    }
    ToggleWriting();
}

void WritingModes::StartDiary() {
    UiFacade& ui = k_.s.ui;
    EditorView& editor = k_.s.editor;
    if (!ui.text(kTitleBox).empty()) {
        Say(ui, "请清空章节名称直接点击写日记");
        return;
    }
    if (k_.writing.on) return;
    ui.setText(kTitleBox, diaryHeader());
    ui.setText(kTitleLabel, "日记时间：");

    diaryLook_ = true;
    ui.setWindowBackground(kMainWindow, kOrange);
    editor.setBackColour(kOrange);
    editor.setTextColour(kWhite);
    ui.setEnabled(kColourPicker, false);
    ui.setEnabled(kTopImageList, false);
    ui.setMenuEnabled(kMenuEdit, true);

    ToggleWriting();
    k_.writing.mode = WritingMode::Diary;
    editor.alignLeft();
    editor.focus();
    ui.setMenuEnabled(kMenuNew, false);
    ui.setTimerPeriod(kTipsTimer, 0);
    ui.setStatusText(kTipsStatusPart, "日记模式");
    Say(ui,
        "您已经进入了专属的写日记模式，在写日记模式中，您拥有以下功能：\r\n"
        "①靓丽的背景颜色（不能更换）\r\n②标题提示等各个地方优化\r\n"
        "③关闭可能会打扰到你的小提示和推荐");
    if (k_.pictureBackgroundOn) appearance_.ApplyEditorBackground();
}

void WritingModes::StartSchedule() {
    if (k_.writing.on) return refuseWhileWriting();
    k_.writing.mode = WritingMode::Schedule;
    const std::string header = timedHeader("K日程： 产生于");
    k_.s.ui.setText(kTitleBox, header);
    BeginWriting(header + "\r\n###########点击F4开始添加日程###########");
    k_.s.ui.setText(kTitleLabel, kPlainLabel);
    k_.s.settings.writeSetting("软件设置", "新手4", "真");
}

void WritingModes::StartShoppingList() {
    if (k_.writing.on) return refuseWhileWriting();
    k_.writing.mode = WritingMode::ShoppingList;
    const std::string header = timedHeader("K清单： 产生于");
    k_.s.ui.setText(kTitleBox, header);
    k_.s.settings.writeSetting("软件设置", "新手6", "真");
    BeginWriting(header + "\r\n###########点击F6开始添加物品###########");
    k_.s.ui.setText(kTitleLabel, kPlainLabel);
    // The grab stays for the rest of the run; grabbing again would only fail.
    if (k_.hotkeys.f6 == 0) k_.hotkeys.f6 = k_.s.ui.registerHotkey(kF6);
}

void WritingModes::ClearEditing() {
    UiFacade& ui = k_.s.ui;
    ui.setAlwaysOnTop(kMainWindow, false);
    if (!k_.writing.on) {
        Say(ui, "还没有开始书写");
    } else if (Say(ui, "警告！该操作将会删除所有内容！清空当前软件编辑，但是不影响原文件",
                   MessageButtons::OkCancel) == MessageAnswer::Ok &&
               Say(ui, "警告！您真的接受初始化软件的一切后果么？", MessageButtons::OkCancel) ==
                   MessageAnswer::Ok) {
        EndWriting();  // restores always-on-top itself
        return;
    }
    restoreAlwaysOnTop();
}

void WritingModes::EndWriting() {
    UiFacade& ui = k_.s.ui;
    setWritingControls(false);  // first, so the farewell text is no change of the manuscript
    k_.s.editor.setText("感谢您的使用");
    ui.setText(kTitleBox, "");
    k_.writing.openedFromFile = false;
    k_.writing.currentDocumentPath.clear();
    k_.writing.documentFormat = {};
    k_.writing.documentCut = false;
    k_.writing.documentEnciphered = false;
    k_.writing.mode = WritingMode::None;
    EndDiaryLook();
    k_.writing.documentPassword.clear();
    restoreAlwaysOnTop();
}

void WritingModes::EndDiaryLook(bool applyAndSave) {
    if (!diaryLook_) return;
    diaryLook_ = false;
    UiFacade& ui = k_.s.ui;
    SettingsStore& settings = k_.s.settings;
    ui.setEnabled(kColourPicker, true);
    ui.setEnabled(kTopImageList, true);
    ui.setPickerColour(kColourPicker, settings.readSettingColour("文本设置", "背景颜色"));
    appearance_.ApplyBackgroundColour();
    ui.setTimerPeriod(kTipsTimer, kTipsPeriod);
    settings.writeSetting("日记", "最后一次日记", DayStamp(k_.s.clock.now()));
    const Colour text = StoredTextColour(settings.readSetting("文本设置", "文本颜色"));
    k_.s.editor.setTextColour(text);
    ui.setTextColour(kTitleLabel, text);
    if (applyAndSave) panel_.ApplyAndSaveSettings();
}

void WritingModes::ShowWritingMenu() {
    if (!k_.writing.on) k_.s.ui.popupMenu(kMenuWriting);
}

}  // namespace kalamo
