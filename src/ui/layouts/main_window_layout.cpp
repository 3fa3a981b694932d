#include <algorithm>

#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kPacingTimer[] = "变更节拍";

const char* const kMainWindow = "MainWindow";

const ResizeGrip kResizeGrips[8] = {
    {"左上调节器", ResizeEdge::TopLeft},  {"上调节器", ResizeEdge::Top},
    {"右上调节器", ResizeEdge::TopRight}, {"左侧调节器", ResizeEdge::Left},
    {"右调节器", ResizeEdge::Right},      {"左下调节器", ResizeEdge::BottomLeft},
    {"下调节器", ResizeEdge::Bottom},     {"右下调节器", ResizeEdge::BottomRight},
};

namespace {

using K = ControlKind;

ControlSpec C(std::string name, K kind, std::string parent, Rect place, std::string text = {}) {
    ControlSpec c;
    c.name = std::move(name);
    c.kind = kind;
    c.parent = std::move(parent);
    c.place = place;
    c.text = std::move(text);
    return c;
}

ControlSpec Hidden(ControlSpec c) {
    c.visible = false;
    return c;
}

ControlSpec Ticked(ControlSpec c, bool ticked) {
    c.checked = ticked;
    return c;
}

ControlSpec List(std::string name, std::string parent, Rect place,
                 std::vector<std::string> entries) {
    ControlSpec c = C(std::move(name), K::DropDownList, std::move(parent), place);
    c.entries = std::move(entries);
    return c;
}

ControlSpec Timer(std::string name, int period) {
    ControlSpec c = C(std::move(name), K::Timer, {}, {});
    c.period = period;
    return c;
}

std::string EditorHelpText() {
    const char* lines[] = {"",
                           "Kalamo7 简单·不简单",
                           "",
                           "————————————————",
                           "将文件拖入本软件中可以快速打开",
                           "                              ",
                           "支持*.txt/*.kmt/*.wav文件",
                           "————————————————",
                           "",
                           "尝试右键单击开始书写按钮选择你的写作内容",
                           "",
                           "临时文本：直接点击开始书写",
                           "写小说：输入章节数和章节名称点击开始书写即可",
                           "写日记：右键单击开始书写按钮选择日记即可",
                           "记笔记：在标题中输入课时等信息点击开始书写按钮",
                           "记录日程：右键单击开始书写按钮选择K日程即可",
                           "录音：点击录制声音按钮开始录音",
                           "",
                           "",
                           "Kalamo，你的原创写作助手"};
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

void AddTopLevel(std::vector<ControlSpec>& v) {
    v.push_back(C("背景", K::PictureBox, {}, {0, 0, 1120, 64}));
    v.push_back(C("标题栏", K::TransparentLabel, {}, {9, 0, 1031, 32},
                  "Kalamo7—高效率写作工具 v7.3 简单·不简单"));
    v.push_back(C("最小化按钮1", K::TransparentLabel, {}, {1070, 3, 16, 24}, "__"));
    v.push_back(C("关闭按钮", K::TransparentLabel, {}, {1094, 6, 24, 24}, "×"));
    v.push_back(C("开始按钮", K::PictureBox, {}, {8, 40, 20, 16}));
    v.push_back(C("章节名称提示", K::TransparentLabel, {}, {33, 32, 71, 32}, "标题/题目："));
    v.push_back(C("章节名称", K::LineEdit, {}, {104, 36, 864, 24}));
    ControlSpec start = C("开始书写按钮", K::Button, {}, {971, 36, 88, 24}, "开始书写");
    start.toolTip = "点击这个按钮可以开始书写和停止书写。";
    v.push_back(start);
    v.push_back(C("录音按钮", K::PictureBox, {}, {1063, 36, 24, 24}));
    ControlSpec editor = C("编辑框1", K::TextEdit, {}, {2, 64, 990, 743}, EditorHelpText());
    editor.enabled = false;
    v.push_back(editor);
    v.push_back(C("状态条1", K::StatusBar, {}, {8, 756, 1113, 24}));
    v.push_back(C("标签1", K::Label, {}, {1040, 112, 56, 32}, "快捷键"));
    v.push_back(Timer("时钟1", 7500));
    v.push_back(Timer("时钟2", 1000));
    v.push_back(Timer(kPacingTimer, 0));
    for (const char* n : {"通用对话框1", "通用对话框2", "通用对话框3", "录音1", "拖放对象1",
                          "打印机1", "脚本组件1", "超级菜单1"})
        v.push_back(C(n, K::NonVisual, {}, {}));
}

// Later controls lie above earlier ones. The grips come last, so that nothing covers them
// (not even the settings panel, wider than a narrow window), and the corners after the
// edges, so that each corner grip owns its square where an edge grip overlaps it. The top
// grip lies at top 0 so that the top edge can be dragged.
void AddGrips(std::vector<ControlSpec>& v) {
    v.push_back(C("上调节器", K::TransparentLabel, {}, {8, 0, 1112, 5}));
    v.push_back(C("左侧调节器", K::TransparentLabel, {}, {0, 24, 5, 816}));
    v.push_back(C("右调节器", K::TransparentLabel, {}, {1112, 0, 8, 824}));
    v.push_back(C("下调节器", K::TransparentLabel, {}, {16, 832, 1104, 5}));
    v.push_back(C("左上调节器", K::TransparentLabel, {}, {0, 0, 8, 8}));
    v.push_back(C("右上调节器", K::TransparentLabel, {}, {1111, 0, 8, 8}));
    v.push_back(C("左下调节器", K::TransparentLabel, {}, {0, 829, 8, 8}));
    v.push_back(C("右下调节器", K::TransparentLabel, {}, {1110, 829, 8, 8}));
}

void AddPanelFrame(std::vector<ControlSpec>& v) {
    v.push_back(Hidden(C("关于", K::GroupBox, {}, {224, 192, 592, 368}, "设置")));
    v.push_back(C("高级选择夹1", K::TabControl, "关于", {0, -1, 592, 336}));
    v.push_back(C("功能设置", K::TabPage, "高级选择夹1", {}, "功能设置"));
    v.push_back(C("应用中心", K::TabPage, "高级选择夹1", {}, "应用中心"));
    v.push_back(C("积分任务", K::TabPage, "高级选择夹1", {}, "积分任务"));
    v.push_back(C("技术支持", K::TabPage, "高级选择夹1", {}, "技术支持"));
    v.push_back(C("保存设置", K::Button, "关于", {454, 340, 97, 24}, "确定"));
    v.push_back(C("透明标签1", K::TransparentLabel, "关于", {559, 340, 24, 24}, "取消"));
}

void AddFunctionPage(std::vector<ControlSpec>& v) {
    const std::string p = "功能设置";
    v.push_back(C("网站类标签6", K::Label, p, {24, 48, 90, 20}, "主题设置："));
    v.push_back(C("软件主题颜色标签1", K::Label, p, {25, 80, 90, 20}, "顶部图片："));
    v.push_back(
        List("顶图类型", p, {122, 81, 180, 22},
             {"关闭顶图", "天隙流光", "炫蓝风暴", "三小黄人（150积分）", "新皎洁月亮（300积分）",
              "新梦幻森林（500积分）", "win10经典蓝白", "自定义顶图（500积分）"}));
    v.push_back(C("小提示内容标签1", K::Label, p, {24, 108, 90, 20}, "软件主题："));
    v.push_back(List("按钮类型", p, {122, 110, 180, 22},
                     {"经典暗色", "繁盛夏日（1000积分）", "中国红（限时积分）",
                      "秋景所感（1000积分）", "凌动冬日（1000积分）"}));
    v.push_back(C("网站类标签1", K::Label, p, {24, 141, 100, 20}, "个性化设置："));
    v.push_back(C("软件主题颜色标签", K::Label, p, {25, 173, 90, 20}, "背景颜色："));
    v.push_back(C("颜色", K::ColourPicker, p, {122, 175, 180, 22}));
    v.push_back(C("文本颜色标签", K::Label, p, {25, 202, 90, 20}, "文本颜色："));
    v.push_back(List("文本颜色", p, {122, 203, 180, 22},
                     {"空灵白", "深邃黑", "凌动蓝（500积分）", "清新绿（500积分）",
                      "活力橙（500积分）", "激情紫（500积分）", "热血红（限时免分）"}));
    v.push_back(C("键盘音标签", K::Label, p, {25, 231, 90, 20}, "按键音："));
    v.push_back(List("键盘音", p, {122, 232, 180, 22},
                     {"无", "经典键盘音", "吃苹果（限时免分）", "空洞水滴（1900积分）"}));
    v.push_back(Ticked(C("状态栏选择", K::CheckBox, p, {25, 298, 90, 20}, "隐藏状态栏"), true));
    v.push_back(C("透明化选择", K::CheckBox, p, {117, 298, 80, 20}, "软件透明"));
    v.push_back(C("总在最前选择", K::CheckBox, p, {196, 298, 90, 20}, "总在最前"));
    v.push_back(C("网站类标签8", K::Label, p, {337, 49, 100, 20}, "软件设置："));
    v.push_back(
        Ticked(C("自动保存", K::CheckBox, p, {338, 82, 204, 38},
                 "开启丢稿找回（在应用中心找回）支持断电、死机蓝屏等方式或者误删文件的文件恢复"),
               true));
    v.push_back(C("大字体", K::CheckBox, p, {338, 125, 220, 20}, "大字号模式（快捷键：F2）"));
    v.push_back(C("显示统计", K::CheckBox, p, {338, 152, 150, 20}, "显示字数统计"));
    v.push_back(C("软件主题颜色标签2", K::Label, p, {337, 180, 100, 20}, "常用语快捷键："));
    v.push_back(C("快捷键输入", K::Button, p, {420, 181, 90, 22}, "进入设置"));
}

void AddAppCentrePage(std::vector<ControlSpec>& v) {
    const std::string p = "应用中心";
    v.push_back(C("工具类标签1", K::Label, p, {48, 40, 100, 20}, "内置应用"));
    v.push_back(C("网站类标签", K::Label, p, {324, 40, 100, 20}, "网站类"));
    v.push_back(C("随机取名按钮", K::Button, p, {48, 66, 96, 26}, "随机取名"));
    v.push_back(C("丢稿找回按钮", K::Button, p, {150, 66, 96, 26}, "丢稿找回"));
    v.push_back(C("划词翻译按钮", K::Button, p, {48, 98, 96, 26}, "划词翻译"));
    v.push_back(C("进入个性化", K::Button, p, {150, 98, 96, 26}, "个性背景"));
    v.push_back(C("繁简转换按钮", K::Button, p, {48, 130, 96, 26}, "繁简转换"));
    v.push_back(C("手写查字按钮2", K::Button, p, {324, 65, 96, 26}, "伪原创工具"));
    v.push_back(C("手写查字按钮3", K::Button, p, {426, 65, 96, 26}, "原创检测工具"));
    v.push_back(C("手写查字按钮1", K::Button, p, {324, 97, 96, 26}, "手写查字"));
    v.push_back(C("繁简转换按钮1", K::Button, p, {47, 282, 158, 24}, "K穿越-跨软件文本传输"));
}

void AddTaskPage(std::vector<ControlSpec>& v) {
    const std::string p = "积分任务";
    v.push_back(C("积分显示", K::Label, p, {24, 16, 200, 22}, "当前积分： "));
    v.push_back(C("称号显示", K::Label, p, {232, 16, 240, 22}));
    v.push_back(C("称号说明按钮", K::Button, p, {480, 14, 80, 24}, "说明"));
    v.push_back(C("任务列表", K::GroupBox, p, {16, 44, 556, 230}, "任务列表"));
    v.push_back(C("超级列表框1", K::ListRows, "任务列表", {8, 20, 540, 202}));
    v.push_back(C("刷新任务按钮", K::Button, p, {16, 282, 96, 26}, "刷新任务"));
    v.push_back(
        C("加密器标签1", K::Label, p, {128, 286, 300, 20}, "星期日五倍积分（新手任务除外）"));
}

void AddSupportPage(std::vector<ControlSpec>& v) {
    const std::string p = "技术支持";
    v.push_back(C("版本标签", K::Label, p, {33, 32, 520, 20}, "版本"));
    v.push_back(C("当前版本显示", K::Label, p, {32, 53, 180, 20}, "当前版本号：7.3.730"));
    v.push_back(C("最新版本显示", K::Label, p, {216, 53, 240, 20}, "获取最新版本失败"));
    v.push_back(C("博客渠道更新按钮", K::Button, p, {463, 52, 100, 24}, "下载最新版本"));
    v.push_back(C("更好使用标签", K::Label, p, {33, 83, 100, 20}, "更好使用"));
    v.push_back(C("使用帮助按钮", K::Button, p, {32, 112, 96, 24}, "使用帮助"));
    v.push_back(C("技术支持标签", K::Label, p, {32, 147, 160, 20}, "技术支持/问题反馈"));
    v.push_back(C("联系作者按钮", K::Button, p, {32, 171, 96, 24}, "联系作者"));
    v.push_back(C("官方博客按钮", K::Button, p, {136, 171, 96, 24}, "官方博客"));
    v.push_back(C("超级链接框1", K::Hyperlink, p, {237, 171, 80, 24}, "作者邮箱"));
    v.push_back(C("开源标签", K::Label, p, {33, 208, 100, 20}, "更多"));
    v.push_back(C("开源按钮", K::Button, p, {33, 232, 96, 24}, "Kalamo开源计划"));
    v.push_back(C("邮箱订阅按钮", K::Button, p, {134, 233, 96, 24}, "邮箱订阅更新"));
    v.push_back(C("许可协议按钮", K::Button, p, {235, 233, 96, 24}, "许可协议"));
    v.push_back(C("替换系统记事本按钮", K::Button, p, {33, 261, 96, 24}, "替换系统记事本"));
    v.push_back(C("还原系统记事本按钮", K::Button, p, {134, 261, 96, 24}, "还原系统记事本"));
    v.push_back(C("网站类标签5", K::Label, p, {327, 88, 250, 20}, "扩展设置"));
    v.push_back(C("K服务", K::CheckBox, p, {328, 113, 200, 20}, "禁用 K穿越 服务"));
    v.push_back(Ticked(C("积分系统", K::CheckBox, p, {328, 137, 200, 20}, "开启积分系统"), true));
    v.push_back(
        Ticked(C("是否检查更新", K::CheckBox, p, {328, 163, 200, 20}, "打开前检查更新"), true));
    v.push_back(C("小提示内容标签", K::Label, p, {328, 188, 96, 20}, "小提示内容："));
    v.push_back(List("提示类型", p, {426, 189, 140, 22}, {"你我共同打造", "自定义文本"}));
}

WindowSpec BuildMainWindow() {
    WindowSpec w;
    w.name = kMainWindow;
    w.caption = "Kalamo7—高效率写作工具 v7.3 简单·不简单";
    w.place = {50, 50, 1119, 838};
    w.frameless = true;
    AddTopLevel(w.controls);
    AddPanelFrame(w.controls);
    AddFunctionPage(w.controls);
    AddAppCentrePage(w.controls);
    AddTaskPage(w.controls);
    AddSupportPage(w.controls);
    AddGrips(w.controls);
    w.statusParts = {{140, "当前字数"},
                     {160, "你已经连续书写"},
                     {50, "Kalamo小提示，你的思路也许从这里开始"},
                     {-1, "Kalamo"}};
    return w;
}

}  // namespace

const WindowSpec& MainWindowLayout() {
    static const WindowSpec layout = BuildMainWindow();
    return layout;
}

const ControlSpec* FindControl(const WindowSpec& window, const std::string& name) {
    auto it = std::find_if(window.controls.begin(), window.controls.end(),
                           [&](const ControlSpec& c) { return c.name == name; });
    return it == window.controls.end() ? nullptr : &*it;
}

}  // namespace kalamo
