#include "writing/document_saver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "base/gbk.h"
#include "support/test_kalamo.h"
#include "writing/writing_modes.h"

namespace kalamo {
namespace {

using test::TestKalamo;

constexpr const char* kOverwriteQuestion =
    "覆盖原文件保存么？\r\n是：覆盖原文件（如果是word文档保存为txt文件 否：选择其他位置 "
    "取消：放弃保存\r\n如果想清空正在编辑的文件可以点击F12";

// One run with the saver wired to the writing modes; always-on-top is the user's option.
struct Session {
    TestKalamo t;
    WritingModes modes{t.k, t.parts, t.parts};
    DocumentSaver saver{t.k, modes, t.parts};

    Session() { t.ui.setChecked("总在最前选择", true); }

    // New text under a typed title, as the user would have written it.
    void writeNew(const std::string& title, const std::string& typed) {
        t.ui.setText("章节名称", title);
        modes.ToggleWriting();
        t.editor.replaceSelection(typed);
    }

    // A document opened from disk, as the open flow leaves it, then edited.
    std::string openDocument(const std::string& name, const std::string& onDisk,
                             const std::string& loaded, const std::string& typed) {
        const std::string path = t.dir.file(name);
        EXPECT_TRUE(t.files.writeAtomic(path, onDisk));
        t.k.writing.currentDocumentPath = path;
        t.k.writing.openedFromFile = true;
        t.ui.setText("章节名称", name);
        t.editor.setText(loaded);
        modes.ToggleWriting(true);
        t.editor.setSelectionStart(loaded.size());
        t.editor.replaceSelection(typed);
        return path;
    }

    std::string file(const std::string& name) const {
        return t.files.readAll(t.dir.file(name)).value_or("<missing>");
    }

    void expectEnded() {
        EXPECT_FALSE(t.k.writing.on);
        EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8("感谢您的使用"));
        EXPECT_EQ(t.k.writing.currentDocumentPath, "");
        EXPECT_EQ(t.k.writing.documentPassword, "");
        EXPECT_TRUE(t.ui.isAlwaysOnTop(kMainWindow));
    }

    void expectStillWriting(const std::string& text, const std::string& path) {
        EXPECT_TRUE(t.k.writing.on);
        EXPECT_TRUE(t.editor.isEnabled());
        EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8(text));
        EXPECT_EQ(t.k.writing.currentDocumentPath, path);
        EXPECT_TRUE(t.ui.isAlwaysOnTop(kMainWindow));
    }
};

struct SaverTest : ::testing::Test, Session {};

TEST_F(SaverTest, NewTextIsSavedThroughTheDialogAsExactGbk) {
    writeNew("第一章", "正文第一行\r\n第二行");
    t.ui.chooseNextFile(t.dir.file("a.txt"));
    modes.ToggleWriting();

    ASSERT_EQ(t.ui.dialogs().size(), 1u);
    const FileDialogSpec& d = t.ui.dialogs()[0];
    ASSERT_EQ(d.filters.size(), 2u);
    EXPECT_EQ(GbkToUtf8(d.filters[0].description), GbkToUtf8("文本文档（*.txt）"));
    EXPECT_EQ(d.filters[0].pattern, "*.txt");
    EXPECT_EQ(GbkToUtf8(d.filters[1].description), GbkToUtf8("\r\nKalamo加密文档（*.kmt）"));
    EXPECT_EQ(d.filters[1].pattern, "*.kmt");
    EXPECT_EQ(d.defaultExtension, "txt");
    EXPECT_EQ(d.initialFolder, t.dir.path());
    EXPECT_EQ(d.fileName, GbkToUtf8("第一章"));

    EXPECT_EQ(file("a.txt"), "第一章\r\n正文第一行\r\n第二行");
    EXPECT_TRUE(t.ui.messages().empty());
    expectEnded();
    EXPECT_TRUE(t.ui.isEnabled("章节名称"));
}

TEST_F(SaverTest, OfferedFileNameIsSafeAndShortEnough) {
    std::string title = "上/下";
    for (int i = 0; i < 120; ++i) title += "章";
    writeNew(title, "");
    t.ui.chooseNextFile(std::nullopt);
    EXPECT_FALSE(saver.StopAndSave());
    const std::string name = t.ui.dialogs().at(0).fileName;
    EXPECT_LE(name.size() + 4, 255u) << "room for the .txt the dialog adds";
    EXPECT_TRUE(IsValidUtf8(name));
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_EQ(name.rfind(GbkToUtf8("上_下章"), 0), 0u);
}

TEST_F(SaverTest, CancelledDialogKeepsWritingAndRestoresAlwaysOnTop) {
    writeNew("", "未保存");
    const std::string text = t.editor.text();
    t.ui.chooseNextFile(std::nullopt);
    EXPECT_FALSE(saver.StopAndSave());
    expectStillWriting(text, "");
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
        EXPECT_NE(entry.path().extension(), ".txt");
}

TEST(OpenedDocument, AnswersToTheOverwriteQuestion) {
    struct Case {
        const char* name;
        const char* file;
        std::vector<MessageAnswer> answers;
        std::optional<std::string> chosen;  // for No
        bool ends;
        const char* writtenTo;  // nullptr: nothing written
    } cases[] = {
        {"yes overwrites txt", "a.txt", {MessageAnswer::Yes}, {}, true, "a.txt"},
        {"yes keeps word file", "a.docx", {MessageAnswer::Yes}, {}, true, "a.docx.txt"},
        {"yes keeps doc file", "a.doc", {MessageAnswer::Yes}, {}, true, "a.doc.txt"},
        {"no then elsewhere", "a.txt", {MessageAnswer::No}, "b.txt", true, "b.txt"},
        {"no then cancel", "a.txt", {MessageAnswer::No}, std::nullopt, false, nullptr},
        {"cancel", "a.txt", {MessageAnswer::Cancel}, {}, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session f;
        const std::string path = f.openDocument(c.file, "旧文", "旧文", "新增");
        const std::string text = f.t.editor.text();
        for (MessageAnswer a : c.answers) f.t.ui.answerNext(a);
        if (c.answers[0] == MessageAnswer::No)
            f.t.ui.chooseNextFile(c.chosen ? std::optional(f.t.dir.file(*c.chosen)) : std::nullopt);

        EXPECT_EQ(f.saver.StopAndSave(), c.ends);

        ASSERT_EQ(f.t.ui.messages().size(), 1u);
        const MessageBoxSpec& box = f.t.ui.messages()[0].box;
        EXPECT_EQ(GbkToUtf8(box.text), GbkToUtf8(kOverwriteQuestion));
        EXPECT_EQ(box.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(box.caption, "Kalamo");
        EXPECT_EQ(box.icon, MessageIcon::None);
        if (c.writtenTo) {
            EXPECT_EQ(GbkToUtf8(f.file(c.writtenTo)), GbkToUtf8("旧文新增"));
        }
        if (!c.writtenTo || std::string(c.writtenTo) != c.file) {
            EXPECT_EQ(f.file(c.file), "旧文");
        }
        if (c.ends) {
            f.expectEnded();
        } else {
            f.expectStillWriting(text, path);
        }
    }
}

TEST_F(SaverTest, KmtInThePathSavesEnciphered) {
    std::filesystem::create_directory(t.dir.file("x.kmtx"));
    writeNew("稿", "秘密");
    t.parts.passwordToSet = "pw";
    t.ui.chooseNextFile(t.dir.file("x.kmtx/a.txt"));
    EXPECT_TRUE(saver.StopAndSave());
    EXPECT_TRUE(t.parts.called("askDocumentPassword"));
    EXPECT_EQ(file("x.kmtx/a.txt"), t.parts.encipher("稿\r\n秘密", "pw"));
    expectEnded();
}

TEST_F(SaverTest, OpenedKmtIsOverwrittenUnderTheNewPassword) {
    const std::string old = t.parts.encipher("稿", "old");
    const std::string path = openDocument("稿.kmt", old, "稿", "改");
    t.k.writing.documentPassword = "old";
    t.parts.passwordToSet = "new";
    t.ui.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(saver.StopAndSave());
    EXPECT_EQ(*t.files.readAll(path), t.parts.encipher("稿改", "new"));
    expectEnded();
}

TEST(SaveFailure, IsReportedAndWritingStaysOn) {
    struct Case {
        const char* name;
        bool opened;  // overwrite ro.txt instead of choosing a path in the dialog
        std::function<std::string(TestKalamo&)> prepare;  // returns the path that fails
    } cases[] = {
        {"folder missing", false, [](TestKalamo& t) { return t.dir.file("none/a.txt"); }},
        {"path is a folder", false,
         [](TestKalamo& t) {
             std::filesystem::create_directory(t.dir.file("sub"));
             return t.dir.file("sub");
         }},
        {"name too long", false, [](TestKalamo& t) { return t.dir.file(std::string(300, 'n')); }},
        {"read-only file", true,
         [](TestKalamo& t) {
             const std::string p = t.dir.file("ro.txt");
             chmod(p.c_str(), 0444);
             return p;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session f;
        TestKalamo& t = f.t;
        if (c.opened) f.openDocument("ro.txt", "原文", "原文", "加的");
        const std::string path = c.prepare(t);
        if (c.opened) {
            t.ui.answerNext(MessageAnswer::Yes);
        } else {
            f.writeNew("章", "正文");
            t.ui.chooseNextFile(path);
        }
        const std::string text = t.editor.text();
        const std::string current = t.k.writing.currentDocumentPath;
        const WritingMode mode = t.k.writing.mode;

        EXPECT_FALSE(f.saver.StopAndSave());

        const test::RecordedMessage& last = t.ui.messages().back();
        EXPECT_EQ(last.box.buttons, MessageButtons::Ok);
        EXPECT_EQ(last.box.caption, "Kalamo");
        EXPECT_EQ(GbkToUtf8(last.box.text).rfind(GbkToUtf8("保存失败"), 0), 0u);
        EXPECT_NE(last.box.text.find(Utf8ToGbk(path)), std::string::npos);
        f.expectStillWriting(text, current);
        EXPECT_EQ(t.k.writing.mode, mode);
        if (c.opened) {
            EXPECT_EQ(*t.files.readAll(path), "原文");
        } else {  // the text is still there to be saved elsewhere
            t.ui.chooseNextFile(t.dir.file("ok.txt"));
            EXPECT_TRUE(f.saver.StopAndSave());
            EXPECT_EQ(GbkToUtf8(f.file("ok.txt")), GbkToUtf8(text));
        }
    }
}

TEST_F(SaverTest, FailedKmtSaveKeepsThePasswordOfTheFileOnDisk) {
    const std::string path = openDocument("d.kmt", t.parts.encipher("文", "old"), "文", "");
    t.k.writing.documentPassword = "old";
    chmod(path.c_str(), 0444);
    t.parts.passwordToSet = "new";
    t.ui.answerNext(MessageAnswer::Yes);
    EXPECT_FALSE(saver.StopAndSave());
    EXPECT_EQ(t.k.writing.documentPassword, "old");
    t.ui.clearMessages();
    saver.ExitSaveCheck();  // the file still matches under the password it was written with
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST(ExitSaveCheck, PromptsOnlyWhenTheTextDiffers) {
    struct Case {
        const char* name;
        const char* file;
        std::string onDisk;
        const char* loaded;
        const char* typed;
        const char* password;
        bool prompts;
    } cases[] = {
        {"unchanged txt", "a.txt", "第一章\r\n正文", "第一章\r\n正文", "", "", false},
        {"changed txt", "a.txt", "第一章\r\n正文", "第一章\r\n正文", "。", "", true},
        {"zero ends the text", "z.txt", std::string("正文\0垃圾", 9), "正文", "", "", false},
        {"unchanged kmt", "s.kmt", {}, "秘密", "", "pw", false},
        {"changed kmt", "s.kmt", {}, "秘密", "！", "pw", true},
        {"word file", "a.docx", "PK\x03\x04", "正文", "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session f;
        const std::string onDisk =
            c.onDisk.empty() ? f.t.parts.encipher(c.loaded, c.password) : c.onDisk;
        f.openDocument(c.file, onDisk, c.loaded, c.typed);
        f.t.k.writing.documentPassword = c.password;
        if (c.prompts) f.t.ui.answerNext(MessageAnswer::Cancel);
        f.saver.ExitSaveCheck();
        EXPECT_EQ(f.t.ui.messages().size(), c.prompts ? 1u : 0u);
        EXPECT_TRUE(f.t.ui.dialogs().empty());
        EXPECT_TRUE(f.t.k.writing.on);
    }
}

TEST_F(SaverTest, ExitSaveCheckWithNewTextOpensTheDialog) {
    writeNew("", "草稿");
    t.ui.chooseNextFile(t.dir.file("草稿.txt"));
    saver.ExitSaveCheck();
    EXPECT_EQ(t.ui.dialogs().size(), 1u);
    EXPECT_NE(file("草稿.txt").find("草稿"), std::string::npos);
    expectEnded();
}

TEST_F(SaverTest, Utf8DocumentIsComparedAndSavedAsUtf8) {
    const std::string gbk = "第一章\r\n正文";
    const std::string utf8 = GbkToUtf8(gbk);
    const std::string path = openDocument("u.txt", "\xEF\xBB\xBF" + utf8, gbk, "");
    t.k.writing.documentUtf8 = true;
    saver.ExitSaveCheck();
    EXPECT_TRUE(t.ui.messages().empty()) << "a byte-order mark is not a change";

    ASSERT_TRUE(t.files.writeAtomic(path, utf8));
    saver.ExitSaveCheck();
    EXPECT_TRUE(t.ui.messages().empty());

    t.editor.replaceSelection("，续写");
    t.ui.answerNext(MessageAnswer::Yes);
    saver.ExitSaveCheck();
    EXPECT_EQ(t.ui.messages().size(), 1u);
    EXPECT_EQ(*t.files.readAll(path), GbkToUtf8(gbk + "，续写"));
    expectEnded();
    EXPECT_FALSE(t.k.writing.documentUtf8);
}

}  // namespace
}  // namespace kalamo
