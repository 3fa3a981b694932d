#include "stats/manuscript_backup.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "base/path_text.h"
#include "core/backup_files.h"
#include "support/memory_file_system.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

struct BackupApp : AppFixture {
    BackupApp() {
        ui.setChecked("自动保存", true);
        ui.setText("章节名称", "第一章");
        editor.setText("");
        k.writing.on = true;
    }
    // One keystroke at the end of the text, as the editor reports it.
    void typeKey(const std::string& gbk) {
        editor.setText(editor.text() + gbk);
        changeAndPause();
    }
    std::string folder() const { return BackupFolder(paths.run); }
    std::string copyOf(const std::string& title) const { return BackupFilePath(paths.run, title); }
};

TEST(ManuscriptBackup, EveryKeystrokeReplacesTheCopyAndAMissingFolderIsCreated) {
    BackupApp t;
    ASSERT_FALSE(t.files.exists(t.folder()));
    t.typeKey("a");
    t.typeKey("b");
    EXPECT_EQ(Slurp(t.copyOf("第一章")), "ab");
    t.typeKey("c");
    EXPECT_EQ(Slurp(t.copyOf("第一章")), "abc");
    EXPECT_EQ(GbkFromNativeName(FileNameOf(t.copyOf("第一章"))), "第一章.txt");
    EXPECT_EQ(FilesIn(t.folder()).size(), 1u);  // no temporary file left behind
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST(ManuscriptBackup, OptionOffLeavesAnEarlierCopyAlone) {
    BackupApp t;
    t.files.makeDirectories(t.folder());
    Spit(t.copyOf("第一章"), "昨天的稿子");
    t.ui.setChecked("自动保存", false);
    t.typeKey("x");
    EXPECT_EQ(Slurp(t.copyOf("第一章")), "昨天的稿子");
}

TEST(ManuscriptBackup, TheProgramsOwnTextsOutsideWritingLeaveTheLastCopyAlone) {
    BackupApp t;
    t.installed();
    t.settings.writeSetting("软件设置", "自动保存", "真");
    t.k.writing.on = false;
    t.start();  // shows its welcome in the editor
    t.ui.setText("章节名称", "第一章");
    t.app.modes.StartArticle();
    t.typeKey("丢不得的一句");
    const std::string kept = Slurp(t.copyOf("第一章"));
    ASSERT_NE(kept.find("丢不得的一句"), std::string::npos);
    t.app.modes.EndWriting();
    t.typeKey("");
    EXPECT_EQ(Slurp(t.copyOf("第一章")), kept);
}

TEST(ManuscriptBackup, AnyTitleGivesOneFileInsideTheFolder) {
    std::string longTitle;
    for (int i = 0; i < 255; ++i) longTitle += "章";
    const std::string titles[] = {"../../x", "a/b", std::string("a\0b", 3), "..", "", longTitle};
    for (const std::string& title : titles) {
        SCOPED_TRACE(title);
        BackupApp t;
        t.paths.run = t.dir.file("a/b/run");  // room for "../.." to escape into
        t.files.makeDirectories(t.paths.run);
        t.ui.setText("章节名称", title);
        t.typeKey("正文");
        const std::vector<std::string> inFolder = FilesIn(t.folder());
        ASSERT_EQ(inFolder.size(), 1u);
        EXPECT_LE(inFolder[0].size(), 255u);
        EXPECT_EQ(Slurp(t.folder() + "/" + inFolder[0]), "正文");
        EXPECT_EQ(FilesIn(t.dir.path()), std::vector<std::string>{"a"});
        EXPECT_EQ(FilesIn(t.dir.file("a")), std::vector<std::string>{"b"});
        EXPECT_EQ(FilesIn(t.dir.file("a/b")), std::vector<std::string>{"run"});
        EXPECT_TRUE(t.ui.messages().empty());
    }
}

// The backup on a file system that fails in the ways a disk can.
struct FailingDisk : BackupApp {
    MemoryFileSystem memory;
    Kalamo onMemory{Services{ui, editor, settings, memory, clock, paths, processes}, {}};
    ManuscriptBackup backup{onMemory};
    FailingDisk() { onMemory.writing.on = true; }
    void keystroke(const std::string& gbk) {
        editor.setText(editor.text() + gbk);
        backup.onTextChanged();
    }
};

TEST(ManuscriptBackup, AFailureIsShownOnceUntilTheCopyIsWrittenAgain) {
    const std::function<void(FailingDisk&)> failures[] = {
        [](FailingDisk& d) {
            d.memory.folders.erase(d.folder());
            d.memory.files[d.folder()].bytes = "a file named 备份";
        },
        [](FailingDisk& d) {
            d.memory.makeDirectories(d.folder());
            d.memory.files[d.copyOf("第一章")].readOnly = true;
        },
        [](FailingDisk& d) { d.memory.failWrites = FileError::NoSpace; },
    };
    for (const auto& fail : failures) {
        FailingDisk d;
        fail(d);
        for (const char* key : {"一", "二", "三"}) d.keystroke(key);
        ASSERT_EQ(d.ui.messages().size(), 1u);
        EXPECT_NE(d.ui.messages()[0].box.text.find("请另行保存"), std::string::npos);
        EXPECT_EQ(d.editor.text(), "一二三");

        d.memory = MemoryFileSystem();
        d.keystroke("四");
        EXPECT_EQ(*d.memory.readAll(d.copyOf("第一章")), "一二三四");
        EXPECT_EQ(d.memory.lastDurability, Durability::NoFlush);
        fail(d);
        d.keystroke("五");
        d.keystroke("六");
        EXPECT_EQ(d.ui.messages().size(), 2u);
    }
}

TEST(ManuscriptBackup, RecoverCreatesTheFolderAndOpensItFromAllThreePlaces) {
    BackupApp t;
    t.paths.run = t.dir.file("my books#1");
    t.files.makeDirectories(t.paths.run);
    t.app.backup.OpenBackupFolder();
    ASSERT_TRUE(t.files.isDirectory(t.folder()));
    t.ui.chooseMenu(kMenuRecoverDrafts);
    t.ui.chooseMenu(kMenuWriteRecoverDrafts);
    t.ui.click("丢稿找回按钮");
    ASSERT_EQ(t.ui.openedUrls().size(), 4u);
    const std::string url = t.ui.openedUrls()[0];
    EXPECT_EQ(url, "file://" + t.dir.path() + "/my%20books%231/%E5%A4%87%E4%BB%BD");
    for (const std::string& u : t.ui.openedUrls()) EXPECT_EQ(u, url);
}

TEST(ManuscriptBackup, RecoverSaysSoWhenTheFolderCannotBeMade) {
    BackupApp t;
    Spit(t.folder(), "a file in the way");
    t.ui.chooseMenu(kMenuRecoverDrafts);
    EXPECT_TRUE(t.ui.openedUrls().empty());
    EXPECT_EQ(t.ui.messages().size(), 1u);
}

TEST(ManuscriptBackup, TickingTheOptionExplainsItAndUntickingConfirms) {
    BackupApp t;
    t.ui.fire({kMainWindow, "自动保存", EventKind::CheckClicked});
    t.ui.setChecked("自动保存", false);
    t.ui.fire({kMainWindow, "自动保存", EventKind::CheckClicked});
    EXPECT_EQ(t.ui.messageTexts(),
              (std::vector<std::string>{"使用自动备份保存后文本会逐字自动保存到软件所在目录。",
                                        "关闭成功"}));
}

TEST(ManuscriptBackup, PrintSendsTheWholeTextOnce) {
    BackupApp t;
    t.editor.setText("第一行\r\n第二行");
    t.ui.chooseMenu(kMenuPrint);
    t.ui.cancelNextPrint();
    t.ui.chooseMenu(kMenuPrint);
    EXPECT_EQ(t.ui.printedTexts(), std::vector<std::string>{"第一行\r\n第二行"});
}

}  // namespace
}  // namespace kalamo::test
