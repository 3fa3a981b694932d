#include "documents/document_opener.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/gbk.h"
#include "support/test_kalamo.h"
#include "writing/writing_modes.h"

namespace kalamo::test {
namespace {

struct Opening : ::testing::Test {
    TestKalamo t;
    WritingModes modes{t.k, t.parts, t.parts};
    DocumentOpener opener{t.k, modes, t.parts, t.parts};

    std::string make(const std::string& name, const std::string& bytes) {
        const std::string path = t.dir.file(GbkToUtf8(name));
        Spit(path, bytes);
        return path;
    }
};

TEST_F(Opening, TheDialogOffersEveryKindAndCancelChangesNothing) {
    t.ui.chooseNextFile(std::nullopt);
    opener.OpenDocument({});
    ASSERT_EQ(t.ui.dialogs().size(), 1u);
    const FileDialogSpec& d = t.ui.dialogs()[0];
    ASSERT_EQ(d.filters.size(), 6u);
    EXPECT_EQ(d.filters[0].description, "所有支持的文件类型");
    EXPECT_EQ(d.filters[0].pattern, "*.txt;*.kmt;*.wav;*.doc;*.docx");
    EXPECT_EQ(d.filters[4].description, "\r\nWord 2007文档（*.docx）");
    EXPECT_EQ(d.filters[5].pattern, "*.wav");
    EXPECT_EQ(d.selectedFilter, 0);
    EXPECT_EQ(d.initialFolder, t.paths.run);
    EXPECT_FALSE(t.k.writing.on);
    EXPECT_FALSE(t.k.writing.openedFromFile);

    t.ui.chooseNextFile(std::nullopt);
    opener.OpenDocument({}, DocumentOpener::kWaveFiles);
    EXPECT_EQ(t.ui.dialogs().back().selectedFilter, 3);
}

TEST_F(Opening, ATextFileStartsWritingUnderItsTitle) {
    t.ui.chooseNextFile(make("第三章.初稿.txt", "正文\n"));
    opener.OpenDocument({});
    EXPECT_TRUE(t.k.writing.on);
    EXPECT_EQ(t.ui.text("章节名称"), "第三章");
    EXPECT_EQ(t.ui.text("开始书写按钮"), "立刻保存");
    EXPECT_EQ(t.editor.text(), "正文\r\n");
    EXPECT_EQ(t.k.writing.documentFormat.lineEnd, LineEnd::Lf);
    EXPECT_EQ(t.k.writing.currentDocumentPath, t.dir.file(GbkToUtf8("第三章.初稿.txt")));
    EXPECT_TRUE(t.k.writing.openedFromFile);
    EXPECT_TRUE(t.editor.alignedLeft());
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST_F(Opening, AnEmptyFileAndRandomBytesOpenWithoutTrouble) {
    opener.OpenDocument(make("empty.txt", ""));
    EXPECT_TRUE(t.k.writing.on);
    EXPECT_EQ(t.editor.text(), "");
    modes.EndWriting();

    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    opener.OpenDocument(make("noise.kmt", noise));
    EXPECT_TRUE(t.k.writing.on);
    EXPECT_EQ(t.editor.text(), t.parts.decipher(noise, ""));
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST_F(Opening, ANameWithNothingBeforeTheDotGetsATemporaryTitle) {
    opener.OpenDocument(make(".txt", "x"));
    EXPECT_EQ(t.ui.text("章节名称").rfind("临时文本： 产生于", 0), 0u);
    EXPECT_EQ(t.editor.text(), "x");
    EXPECT_EQ(t.k.writing.mode, WritingMode::TemporaryText);
}

// Extensions are compared byte for byte; a .wav goes to the player whatever the writing state.
TEST_F(Opening, OnlyTheKnownExtensionsOpen) {
    for (const char* name : {"notes.TXT", "a.kmtx", "archive", "x.rtf"}) {
        opener.OpenDocument(make(name, "x"));
        EXPECT_FALSE(t.k.writing.on) << name;
    }
    EXPECT_TRUE(t.ui.messages().empty());
    EXPECT_TRUE(t.parts.calls.empty());

    modes.StartTemporaryText();
    const std::string before = t.editor.text();
    const std::string wav = make("a.wav", "RIFF");
    opener.OpenDocument(wav);
    EXPECT_TRUE(t.parts.called("openPlayer " + wav));
    EXPECT_EQ(t.editor.text(), before);
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST_F(Opening, NothingOpensOverWritingThatIsOn) {
    modes.StartTemporaryText();
    const std::string before = t.editor.text();
    for (const char* name : {"a.txt", "b.kmt"}) {
        opener.OpenDocument(make(name, "x"));
        EXPECT_EQ(t.ui.messageTexts().back(), "欲打开新文件请新建新窗口或保存/清空本篇文章");
    }
    opener.OnFilesDropped({make("c.zip", "x")});
    EXPECT_EQ(t.ui.messages().size(), 3u) << "any dropped file is refused while writing";
    EXPECT_EQ(t.editor.text(), before);
    EXPECT_TRUE(t.k.writing.currentDocumentPath.empty());
}

TEST_F(Opening, WhatCannotBeReadIsSaidAndStartsNothing) {
    mkdir(t.dir.file("folder.txt").c_str(), 0755);
    for (const std::string& path : {t.dir.file("folder.txt"), t.dir.file("gone.txt")}) {
        opener.OpenDocument(path);
        EXPECT_FALSE(t.k.writing.on) << path;
        EXPECT_EQ(t.ui.messageTexts().back().rfind("无法读取文件：", 0), 0u);
    }
}

TEST_F(Opening, AnEncipheredDocumentAsksItsPasswordAndStampsTheTask) {
    t.parts.passwordToSet = "pw";
    const std::string path = make("秘.kmt", t.parts.encipher("第一行\r\n秘密", "pw"));
    t.parts.calls.clear();
    opener.OnFilesDropped({path});
    EXPECT_EQ(t.parts.calls, (std::vector<std::string>{"askDocumentPassword", "decipherDocument"}));
    EXPECT_EQ(t.editor.text(), "第一行\r\n秘密");
    EXPECT_EQ(t.ui.text("章节名称"), "秘");
    EXPECT_TRUE(t.k.writing.documentEnciphered);
    EXPECT_EQ(t.k.writing.documentPassword, "pw");
    EXPECT_EQ(t.ini("软件设置", "kmt使用"), "2016131");
}

TEST_F(Opening, DroppedTextGoesInAtTheCaretAndReplacesNoSelection) {
    t.ui.setText("章节名称", "");
    opener.OnTextDropped("abc");
    EXPECT_TRUE(t.k.writing.on);
    const std::string header = t.ui.text("章节名称") + "\r\n";
    EXPECT_EQ(t.editor.text(), header + "abc");

    t.editor.setSelectionStart(header.size());
    t.editor.setSelectionLength(2);  // "ab"
    opener.OnTextDropped("中");
    EXPECT_EQ(t.editor.text(), header + "中abc");
    EXPECT_EQ(t.editor.selectionStart(), header.size());
    EXPECT_EQ(t.editor.selectionLength(), 0u);
}

std::string WordFixture(const char* name) {
    return std::string(KALAMO_TEST_DATA) + "/word/" + name;
}

TEST_F(Opening, AWordDocumentShowsLoadingThenItsTextAndSavesBesideItself) {
    const std::string path = t.dir.file("paragraphs.docx");
    Spit(path, Slurp(WordFixture("paragraphs.docx")));
    t.ui.setClipboardText("剪贴板");
    opener.OpenDocument(path);
    ASSERT_TRUE(t.k.writing.on);
    EXPECT_EQ(t.editor.painted(), std::vector<std::string>{"正在加载中..."});
    EXPECT_EQ(t.editor.text(), "第一段\t制表\r\n第二段\r\n换行 A&B<中\r\n\r\n7框");
    EXPECT_EQ(t.ui.text("章节名称"), "paragraphs");
    EXPECT_TRUE(t.k.writing.openedFromFile);
    EXPECT_EQ(t.ui.clipboardText(), "剪贴板") << "the clipboard is never touched";
}

// A document that gives no text says why and starts nothing.
TEST_F(Opening, AWordFileThatCannotBeReadSaysWhyAndStartsNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"photo.docx", "不是Word文档"},
        {"encrypted.docx", "密码保护"},
        {"bomb.docx", "文字太多"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        t.editor.setText("感谢您的使用");
        opener.OpenDocument(WordFixture(name));
        EXPECT_FALSE(t.k.writing.on);
        EXPECT_EQ(t.editor.text(), "感谢您的使用");
        EXPECT_EQ(t.ui.text("章节名称"), "");
        ASSERT_FALSE(t.ui.messages().empty());
        EXPECT_NE(t.ui.messageTexts().back().find(reason), std::string::npos)
            << GbkToUtf8(t.ui.messageTexts().back());
    }
}

}  // namespace
}  // namespace kalamo::test
