#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "app/app_fixture.h"
#include "base/gbk.h"
#include "base/stamps.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

const char* const kMirrorQuestionStart = "注意！您的软件可能出现以下问题：";

bool ReadOnlyOnDisk(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) == 0;
}

TEST(StartUp, FreshFolderRunsTheWizardAndStoresThePanelDefaults) {
    AppFixture t;
    t.start();
    EXPECT_TRUE(t.parts.called("runFirstRunWizard"));
    EXPECT_EQ(t.ini("文本设置", "first"), "真");
    EXPECT_EQ(t.machine.texts["dizhi"], t.paths.run);
    EXPECT_TRUE(t.ui.messages().empty()) << "points 0 and no mirror: nothing to ask";
    EXPECT_EQ(t.ui.text("积分显示"), "当前积分： 0");
    struct {
        const char *section, *key, *value;
    } stored[] = {{"软件设置", "自动保存", "真"}, {"软件设置", "积分系统00", "真"},
                  {"软件设置", "检查更新", "真"}, {"软件设置", "显示统计", "假"},
                  {"软件设置", "K服务", "假"},    {"软件设置", "状态栏", "隐藏"},
                  {"软件设置", "按钮类型", "0"},  {"文本设置", "文本颜色", "0"},
                  {"文本设置", "背景颜色", "0"},  {"软件设置", "高度", "838"},
                  {"软件设置", "宽度", "1119"}};
    for (const auto& s : stored) EXPECT_EQ(t.ini(s.section, s.key), s.value) << GbkToUtf8(s.key);
    EXPECT_EQ(t.ini("软件设置", "最后一次登录"), DayStamp(t.clock.time));
    EXPECT_EQ(t.ui.windowCaption(kMainWindow), "Kalamo7—高效率写作工具 v7.3 简单·不简单");
    EXPECT_EQ(t.ui.text("版本标签"), t.ui.windowCaption(kMainWindow));
    EXPECT_EQ(t.ui.trayTip(), "Kalamo—高效率写作工具");
    EXPECT_EQ(t.ui.hotkeyKeys(), (std::vector<int>{119, 120, 112, 115}));
    EXPECT_TRUE(t.ui.dropTargetRegistered());
    EXPECT_FALSE(t.ui.isMenuEnabled("开始/编辑"));
    EXPECT_TRUE(t.ui.isMenuEnabled("开始/新建"));
    EXPECT_FALSE(ReadOnlyOnDisk(t.settings.runIniPath()));
}

TEST(StartUp, SecondStartAsksNothingAndKeepsTheStoredSize) {
    AppFixture t;
    t.installed();
    t.settings.writeSetting("软件设置", "高度", "600.5");
    t.settings.writeSetting("软件设置", "宽度", "abc");
    t.start();
    EXPECT_FALSE(t.parts.called("runFirstRunWizard"));
    EXPECT_EQ(t.ui.windowSize(kMainWindow), (Size{400, 600}));
    EXPECT_EQ(t.ini("软件设置", "宽度"), "400");
}

TEST(StartUp, MovedInstallationRunsTheWizardAgain) {
    AppFixture t;
    TempDir old;
    Spit(old.file("setting.ini"), "[文本设置]\r\nfirst=真\r\n");
    t.installed();
    t.machine.texts["dizhi"] = old.path();
    t.start();
    EXPECT_TRUE(t.parts.called("runFirstRunWizard"));
    EXPECT_EQ(t.machine.texts["dizhi"], t.paths.run);
}

TEST(StartUp, PointsMirrorQuestion) {
    struct Case {
        const char* name;
        std::vector<MessageAnswer> answers;
        bool reset;
    } cases[] = {
        {"yes yes", {MessageAnswer::Yes, MessageAnswer::Yes}, true},
        {"no", {MessageAnswer::No}, false},
        {"yes no", {MessageAnswer::Yes, MessageAnswer::No}, false},
    };
    for (const Case& c : cases) {
        AppFixture t;
        t.installed();
        t.storePoints(800);
        t.machine.numbers["fen"] = 750;
        for (MessageAnswer a : c.answers) t.ui.answerNext(a);
        t.start();
        ASSERT_EQ(t.ui.messages().size(), c.answers.size()) << c.name;
        EXPECT_EQ(t.ui.messages()[0].box.text.rfind(kMirrorQuestionStart, 0), 0u);
        EXPECT_EQ(t.ui.messages()[0].box.buttons, MessageButtons::YesNo);
        if (c.reset) {
            EXPECT_EQ(t.ui.messages()[1].box.text, "即将清零积分，该过程不可撤销。");
            EXPECT_EQ(t.k.points, 0);
            EXPECT_EQ(t.machine.numbers["fen"], 0u);
            EXPECT_EQ(TextCipher::decipher(t.settings.readPointsText(), FixedPassPhrase), "0");
            EXPECT_EQ(t.ui.text("积分显示"), "当前积分： 0");
            EXPECT_TRUE(t.ui.openedUrls().empty());
            EXPECT_EQ(t.ui.hotkeyKeys().size(), 4u);
        } else {
            EXPECT_EQ(t.ui.openedUrls().size(), 1u) << c.name;
            EXPECT_TRUE(t.ui.window(kMainWindow).closed);
            EXPECT_TRUE(ReadOnlyOnDisk(t.settings.runIniPath())) << "shut-down ran";
            EXPECT_TRUE(t.ui.hotkeyKeys().empty()) << "no later step ran";
            EXPECT_FALSE(t.parts.called("applyAndSaveSettings"));
        }
    }
}

TEST(StartUp, PointsComeFromTheWorkingDirectory) {
    AppFixture t;
    TempDir elsewhere;
    t.installed();
    t.storePoints(1234);
    t.machine.numbers["fen"] = 1234;
    t.paths.work = elsewhere.path();
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.answerNext(MessageAnswer::Yes);
    t.start();
    EXPECT_EQ(t.ui.messages().size(), 2u) << "the other folder holds no points, so they differ";
    EXPECT_EQ(t.k.points, 0);
    t.paths.work = t.paths.run;
    EXPECT_EQ(TextCipher::decipher(t.settings.readPointsText(), FixedPassPhrase), "1234")
        << "the program folder's points are not touched";
}

TEST(StartUp, ExtendedOptionsNeedFiveHundredPoints) {
    for (int points : {499, 500}) {
        AppFixture t;
        t.installed();
        t.storePoints(points);
        t.machine.numbers["fen"] = static_cast<std::uint32_t>(points);
        t.start();
        bool shown = points >= 500;
        EXPECT_EQ(t.ui.text("积分显示"), "当前积分： " + std::to_string(points));
        EXPECT_EQ(t.ui.text("网站类标签5"), shown ? "扩展设置" : "扩展设置（积分大于500可见）");
        for (const char* c : {"K服务", "积分系统", "是否检查更新", "进入个性化"})
            EXPECT_EQ(t.ui.isVisible(c), shown) << points << " " << GbkToUtf8(c);
    }
}

TEST(StartUp, FestivalGreetingOnlyOnThe28th) {
    for (int day : {27, 28, 29}) {
        AppFixture t;
        t.installed();
        t.clock.time.day = day;
        t.start();
        bool festival = day == 28;
        EXPECT_EQ(t.ui.text("标题栏").rfind("今天是K软件节", 0) == 0, festival) << day;
        EXPECT_EQ(t.ui.windowCaption(kMainWindow), "Kalamo7—高效率写作工具 v7.3 简单·不简单");
        EXPECT_EQ(t.ui.text("版本标签"), "Kalamo7—高效率写作工具 v7.3 简单·不简单");
    }
}

TEST(StartUp, OptionsAreLoadedByTheirOwnRules) {
    AppFixture t;
    t.installed();
    t.settings.writeSetting("软件设置", "积分系统00", "false");
    t.settings.writeSetting("软件设置", "自动保存", "true");
    t.settings.writeSetting("软件设置", "检查更新", "假");
    t.settings.writeSetting("软件设置", "透明化", "真");
    t.settings.writeSetting("软件设置", "显示统计", "真");
    t.settings.writeSetting("软件设置", "状态栏", "显示");
    t.settings.writeSetting("软件设置", "键盘音", "２");
    t.settings.writeSetting("文本设置", "大字体模式", "真");
    t.start();
    EXPECT_TRUE(t.ui.isChecked("积分系统"));
    EXPECT_FALSE(t.ui.isChecked("自动保存"));
    EXPECT_FALSE(t.ui.isChecked("是否检查更新"));
    EXPECT_FALSE(t.parts.called("checkForUpdate"));
    EXPECT_TRUE(t.ui.isChecked("透明化选择"));
    EXPECT_EQ(t.ui.windowOpacity(kMainWindow), 220);
    EXPECT_TRUE(t.ui.isMenuChecked("开始/字数统计"));
    EXPECT_TRUE(t.ui.isVisible("状态条1"));
    EXPECT_EQ(t.ui.listIndex("键盘音"), 2);
    EXPECT_FALSE(t.ui.isChecked("大字体"));
    EXPECT_EQ(t.editor.fontSize(), 16);
    EXPECT_EQ(t.ini("软件设置", "积分系统00"), "真") << "everything is written back";
}

TEST(StartUp, CommandLineFileStartsWriting) {
    struct Case {
        const char* name;  // UTF-8 file name, made in the temp folder
        std::string bytes;
        std::string title;  // GBK; empty: the temporary-text header
        std::string editor;
        TextFormat format;
        bool cut;
    } cases[] = {
        {"第一章.初稿.txt", "正文\r\n", "第一章", "正文\r\n", {}, false},
        {"my.notes.txt", "UTF-8 \xE4\xB8\xAD", "my", "UTF-8 中", {TextEncoding::Utf8}, false},
        {"README", "\xEF\xBB\xBFplain", "README", "plain", {TextEncoding::Utf8Bom}, false},
        {".txt", "x", "", "x", {}, false},
        {"raw.txt", std::string("a\0b\xFF", 4), "raw", "a", {}, true},
        {"lf.txt", "一\n二\n", "lf", "一\r\n二\r\n", {TextEncoding::Gbk, LineEnd::Lf}, false},
    };
    for (const Case& c : cases) {
        AppFixture t;
        t.installed();
        std::string path = t.dir.file(GbkToUtf8(c.name));
        Spit(path, c.bytes);
        t.k.args = {path};
        t.start();
        EXPECT_TRUE(t.k.writing.on) << c.name;
        if (c.title.empty())
            EXPECT_EQ(t.ui.text("章节名称").rfind("临时文本： 产生于", 0), 0u)
                << c.name << " " << GbkToUtf8(t.ui.text("章节名称"));
        else
            EXPECT_EQ(t.ui.text("章节名称"), c.title) << c.name;
        EXPECT_EQ(t.editor.text(), c.editor) << c.name;
        EXPECT_EQ(t.k.writing.documentFormat.encoding, c.format.encoding) << c.name;
        EXPECT_EQ(t.k.writing.documentFormat.lineEnd, c.format.lineEnd) << c.name;
        EXPECT_EQ(t.k.writing.documentCut, c.cut) << c.name;
        EXPECT_TRUE(t.k.writing.openedFromFile);
        EXPECT_EQ(t.k.writing.currentDocumentPath, path);
        EXPECT_FALSE(t.ui.isMenuEnabled("开始/编辑"));
        EXPECT_TRUE(t.ui.isMenuEnabled("开始/新建"));
    }
}

TEST(StartUp, UnreadableCommandLinePathGivesAnEmptyEditor) {
    for (std::string name : {"missing.txt", "folder.d"}) {
        AppFixture t;
        t.installed();
        if (name == "folder.d") mkdir(t.dir.file(name).c_str(), 0755);
        t.k.args = {t.dir.file(name)};
        t.start();
        EXPECT_TRUE(t.k.writing.on) << name;
        EXPECT_EQ(t.editor.text(), "") << name;
        EXPECT_EQ(t.k.writing.currentDocumentPath, t.dir.file(name));
    }
}

TEST(StartUp, BadSettingsFilesNeverStopTheStart) {
    std::string random;
    for (int i = 0; i < 4096; ++i) random.push_back(static_cast<char>((i * 7919 + 13) % 256));
    std::string longLine = "[软件设置]\r\n高度=" + std::string(100 * 1024, '7') + "\r\n";
    for (const std::string& content : {random, longLine}) {
        AppFixture t;
        Spit(t.settings.runIniPath(), content);
        t.start();
        EXPECT_TRUE(t.ui.window(kMainWindow).visible);
        Size size = t.ui.windowSize(kMainWindow);
        EXPECT_GE(size.width, 400);
        EXPECT_GE(size.height, 400);
    }
}

TEST(StartUp, GarbledPointsReadAsZeroAndRaiseTheQuestion) {
    AppFixture t;
    t.installed();
    t.settings.writePointsText("\x01\x7F garbage");
    t.machine.numbers["fen"] = 300;
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.answerNext(MessageAnswer::Yes);
    t.start();
    EXPECT_EQ(t.ui.messages().size(), 2u);
    EXPECT_EQ(t.k.points, 0);
}

// A size from a bigger screen, or an older run that stored a maximised window, must not
// open a window that runs off this screen.
TEST(StartUp, WindowFitsOnTheScreen) {
    AppFixture t;
    t.installed();
    t.ui.screen = {0, 24, 1280, 776};
    t.settings.writeSetting("软件设置", "宽度", "1920");
    t.settings.writeSetting("软件设置", "高度", "1080");
    t.ui.moveWindow(kMainWindow, 50, 50);
    t.start();
    const Rect place = t.ui.windowGeometry(kMainWindow);
    EXPECT_EQ(place.width, 1280);
    EXPECT_EQ(place.height, 776);
    EXPECT_EQ(place.x, 0);
    EXPECT_EQ(place.y, 24);
}

TEST(ShutDown, LeavesSettingsReadOnlyAndRemovesTheTray) {
    AppFixture t;
    t.installed();
    t.start();
    EXPECT_TRUE(t.ui.hasTrayIcon());
    t.ui.fire({kMainWindow, "关闭按钮", EventKind::LeftPress});
    EXPECT_TRUE(ReadOnlyOnDisk(t.settings.runIniPath()));
    EXPECT_FALSE(t.ui.hasTrayIcon());
    // A write while the file is read-only is lost, as it is before the next start clears it.
    std::string width = t.ini("软件设置", "宽度");
    t.settings.writeSetting("软件设置", "宽度", "999");
    EXPECT_EQ(t.ini("软件设置", "宽度"), width);
}

TEST(ShutDown, OpenedFileUnchangedAsksNothing) {
    AppFixture t;
    t.installed();
    Spit(t.dir.file("a.txt"), "text");
    t.k.args = {t.dir.file("a.txt")};
    t.start();
    t.ui.chooseMenu("开始/退出");
    EXPECT_TRUE(t.ui.messages().empty());
    EXPECT_TRUE(t.ui.dialogs().empty());
}

TEST(ShutDown, DiaryIsStampedAndUnsavedTextMayBeDropped) {
    AppFixture t;
    t.installed();
    t.start();
    t.ui.chooseMenu("开始/新建/日记");
    t.ui.chooseNextFile(std::nullopt);
    t.ui.chooseMenu("开始/退出");
    EXPECT_EQ(t.ini("日记", "最后一次日记"), DayStamp(t.clock.time));
    EXPECT_EQ(t.ui.dialogs().size(), 1u) << "new text always offers the save dialog";
    EXPECT_TRUE(t.ui.window(kMainWindow).closed);
}

// The report "文本仍保留在编辑框中" must stay true: the window does not close.
TEST(ShutDown, AFailedSaveKeepsTheWindowOpenWithTheText) {
    AppFixture t;
    t.installed();
    const std::string path = t.dir.file("a.txt");
    Spit(path, "正文");
    t.k.args = {path};
    t.start();
    t.editor.setSelectionStart(t.editor.textLength());
    t.editor.replaceSelection("续");
    chmod(path.c_str(), 0444);
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.fire({kMainWindow, "关闭按钮", EventKind::LeftPress});
    EXPECT_FALSE(t.ui.window(kMainWindow).closed);
    EXPECT_TRUE(t.k.writing.on);
    EXPECT_FALSE(t.k.ending);
    EXPECT_EQ(t.editor.text(), "正文续");
    EXPECT_TRUE(t.ui.hasTrayIcon());
    EXPECT_FALSE(ReadOnlyOnDisk(t.settings.runIniPath()));

    chmod(path.c_str(), 0644);
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.chooseMenu("开始/退出");
    EXPECT_TRUE(t.ui.window(kMainWindow).closed);
    EXPECT_EQ(Slurp(path), "正文续");
}

TEST(ShutDown, AnEndTheSystemAsksForKeepsUnsavedTextWithoutAsking) {
    AppFixture t;
    t.installed();
    t.start();
    t.ui.setText("章节名称", "第三章");
    t.ui.fire({kMainWindow, "开始书写按钮", EventKind::Click});
    t.editor.replaceSelection("未保存的字");
    t.ui.fire({kMainWindow, {}, EventKind::TerminateRequested});
    EXPECT_TRUE(t.ui.messages().empty());
    EXPECT_TRUE(t.ui.dialogs().empty());
    EXPECT_TRUE(t.ui.window(kMainWindow).closed);
    EXPECT_EQ(Slurp(t.dir.file(GbkToUtf8("备份/第三章.txt"))), "第三章\r\n未保存的字");
    EXPECT_TRUE(ReadOnlyOnDisk(t.settings.runIniPath()));
    EXPECT_FALSE(t.ui.hasTrayIcon());
}

}  // namespace
}  // namespace kalamo::test
