#include "writing/document_saver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "base/gbk.h"
#include "cipher/text_cipher.h"
#include "documents/document_loader.h"
#include "support/cipher_vectors.h"
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
        t.k.writing.documentEnciphered = name.find(".kmt") != std::string::npos;
        t.ui.setText("章节名称", name);
        t.editor.setText(loaded);
        modes.ToggleWriting(true);
        t.editor.setSelectionStart(loaded.size());
        t.editor.replaceSelection(typed);
        return path;
    }

    // A file opened the way the program opens a plain text: start writing, then load it.
    std::string openFile(const std::string& name, const std::string& bytes) {
        const std::string path = t.dir.file(name);
        test::Spit(path, bytes);
        t.ui.setText("章节名称", "标题");
        modes.ToggleWriting();
        t.k.writing.currentDocumentPath = path;
        t.k.writing.openedFromFile = true;
        DocumentLoader(t.k).loadPlainText(path);
        return path;
    }

    void typeAtEnd(const std::string& typed) {
        t.editor.setSelectionStart(t.editor.textLength());
        t.editor.replaceSelection(typed);
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

const std::string kUtf8Bom = "\xEF\xBB\xBF";

// Closing on an unchanged file asks nothing and writes nothing, whatever its bytes.
TEST(SavingOpenedFiles, UnchangedFilesAreNeitherQuestionedNorRewritten) {
    const std::vector<test::Vector> vectors = test::ReadVectors();
    ASSERT_FALSE(vectors.empty());
    const test::Vector kmt = *std::max_element(
        vectors.begin(), vectors.end(),
        [](const auto& a, const auto& b) { return a.cipher.size() < b.cipher.size(); });
    const std::string chapter = GbkToUtf8("第一章\r\n正文");
    const std::pair<const char*, std::string> cases[] = {
        {"lf.txt", "一\n二\n"},
        {"cr.txt", "一\r二\r"},
        {"crlf.txt", "一\r\n二"},
        {"mixed.txt", "a\nb\r\nc\rd"},
        {"latin1.txt", "caf\xE9\n"},
        {"bom.txt", kUtf8Bom + chapter},
        {"utf8.txt", chapter},
        {"utf16.txt", std::string("\xFF\xFE"
                                  "a\0\n\0",
                                  6)},
        {"gbk.txt", "为什么"},
        {"cut.txt", std::string("ab\0cd", 5)},
        {"opened-as-text.kmt", kmt.cipher},
        {"empty.txt", ""},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Session s;
        const std::string path = s.openFile(name, bytes);
        EXPECT_TRUE(s.saver.ExitSaveCheck());
        EXPECT_TRUE(s.t.ui.messages().empty());
        EXPECT_EQ(test::Slurp(path), bytes);
    }
    EXPECT_EQ(TextCipher::decipher(kmt.cipher, kmt.passPhrase), kmt.plain);
}

// An edited file goes back in its own encoding, byte-order mark and line ends; mixed line
// ends take the file's dominant style.
TEST(SavingOpenedFiles, EditedFilesAreWrittenInTheirOwnFormat) {
    const std::string utf8 = GbkToUtf8("第一章\r\n正文");
    const std::string more = GbkToUtf8("续");
    const struct {
        const char* name;
        std::string before, after;
    } cases[] = {
        {"lf.txt", "一\n二\n", "一\n二\n续"},
        {"cr.txt", "一\r二", "一\r二续"},
        {"mixed.txt", "a\nb\r\nc\n", "a\nb\nc\n续"},
        {"bom.txt", kUtf8Bom + utf8, kUtf8Bom + utf8 + more},
        {"utf8.txt", utf8, utf8 + more},
        {"utf16.txt",
         std::string("\xFF\xFE"
                     "a\0",
                     4),
         std::string("\xFF\xFE"
                     "a\0\xED\x7E",
                     6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        const std::string path = s.openFile(c.name, c.before);
        s.typeAtEnd("续");
        s.t.ui.answerNext(MessageAnswer::Yes);
        EXPECT_TRUE(s.saver.ExitSaveCheck());
        EXPECT_EQ(test::Slurp(path), c.after);
        s.expectEnded();
    }
}

TEST_F(SaverTest, ATextCutAtAZeroByteIsNeverSavedOverItsFile) {
    const std::string bytes("ab\0cd", 5);
    const std::string path = openFile("cut.txt", bytes);
    typeAtEnd("x");
    t.ui.answerNext(MessageAnswer::Yes);  // overwrite
    t.ui.answerNext(MessageAnswer::No);   // not elsewhere either
    EXPECT_FALSE(saver.StopAndSave());
    EXPECT_NE(t.ui.messageTexts().back().find("零字节"), std::string::npos);
    expectStillWriting("abx", path);
    EXPECT_EQ(test::Slurp(path), bytes);

    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.chooseNextFile(t.dir.file("other.txt"));
    EXPECT_TRUE(saver.StopAndSave());
    EXPECT_EQ(file("other.txt"), "abx");
    EXPECT_EQ(test::Slurp(path), bytes);
}

TEST_F(SaverTest, AFailedSaveAtShutDownSaysSo) {
    const std::string path = openFile("locked.txt", "正文");
    typeAtEnd("，续写");
    chmod(path.c_str(), 0444);
    t.ui.answerNext(MessageAnswer::Yes);
    EXPECT_FALSE(saver.ExitSaveCheck());
    EXPECT_EQ(t.ui.messageTexts().back().rfind("保存失败：", 0), 0u);
    expectStillWriting("正文，续写", path);

    // Declining to save is the user's choice, not a failure.
    t.ui.answerNext(MessageAnswer::Cancel);
    EXPECT_TRUE(saver.ExitSaveCheck());
}

TEST_F(SaverTest, RescueKeepsOnlyUnsavedTextInTheBackupFolder) {
    const std::string backup = t.dir.file(GbkToUtf8("备份/标题.txt"));
    openFile("same.txt", "原文");
    EXPECT_TRUE(saver.RescueUnsavedText());
    EXPECT_FALSE(t.files.exists(backup)) << "nothing unsaved, nothing written";
    typeAtEnd("新");
    EXPECT_TRUE(saver.RescueUnsavedText());
    EXPECT_EQ(test::Slurp(backup), "原文新");
    EXPECT_TRUE(t.ui.messages().empty());

    // A title that is no file name still lands inside the folder.
    t.ui.setText("章节名称", "../../x");
    EXPECT_TRUE(saver.RescueUnsavedText());
    EXPECT_EQ(test::Slurp(t.dir.file(GbkToUtf8("备份/.._.._x.txt"))), "原文新");
}

}  // namespace
}  // namespace kalamo
