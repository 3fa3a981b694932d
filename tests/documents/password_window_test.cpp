#include "documents/password_window.h"

#include <gtest/gtest.h>

#include "app/kalamo_app.h"
#include "cipher/text_cipher.h"
#include "support/test_kalamo.h"
#include "ui/layouts/main_menus.h"

namespace kalamo::test {
namespace {

const std::string kWindow = kPasswordWindow;
const std::string kBox = kWindow + ".编辑框1";

// The whole program over the fake window, with its own password window and cipher.
struct Program {
    Program() { t.ui.setEventSink(&app.router); }

    // The person puts `password` into the box and presses Enter.
    void answerWith(const std::string& password) {
        t.ui.onNextModal([password](FakeUi& ui) {
            ui.setText(kBox, password);
            ui.pressKey(kBox, 13);
        });
    }
    // "开始/打开文件", the file chosen in the dialog, the password typed.
    void open(const std::string& path, const std::string& password) {
        t.ui.chooseNextFile(path);
        answerWith(password);
        t.ui.chooseMenu(kMenuOpenFile);
    }
    // "立刻保存" over the opened document, Enter in the password window as it opens.
    void saveOver() {
        t.ui.answerNext(MessageAnswer::Yes);
        t.ui.onNextModal([](FakeUi& ui) { ui.pressKey(kBox, 13); });
        t.ui.click("开始书写按钮");
    }
    std::string enciphered(const std::string& text, const std::string& password) {
        return TextCipher::encipher(text, std::string(FixedPassPhrase) + password);
    }

    TestKalamo t;
    KalamoApp app{t.k};
};

struct KmtDocuments : Program, ::testing::Test {};

// The window shows the current password in clear, with the focus, in the main window's
// ground and title colours whatever the theme.
TEST_F(KmtDocuments, TheWindowOpensOverThePasswordInTheThemesColours) {
    const std::pair<Colour, Colour> themes[] = {{Rgb(0, 0, 0), Rgb(255, 255, 255)},
                                                {Rgb(5, 186, 73), Rgb(20, 20, 120)}};
    for (const auto& [ground, text] : themes) {
        t.ui.setWindowBackground(kMainWindow, ground);
        t.ui.setTextColour("标题栏", text);
        t.k.writing.documentPassword = "旧 密码";
        t.ui.onNextModal([&, ground = ground, text = text](FakeUi& ui) {
            EXPECT_TRUE(ui.window(kWindow).modal);
            EXPECT_EQ(ui.text(kBox), "旧 密码");
            EXPECT_EQ(ui.focused(), kBox);
            EXPECT_EQ(ui.windowBackground(kWindow), ground);
            for (const char* label : {"透明标签1", "透明标签2", "透明标签3"})
                EXPECT_EQ(ui.textColour(kWindow + "." + label), text) << label;
            ui.click(kWindow + ".信息2");
        });
        EXPECT_TRUE(app.passwordWindow.askPassword());
        EXPECT_EQ(t.k.writing.documentPassword, "旧 密码");
    }
    EXPECT_EQ(t.ui.modalsRun().size(), 2u);
}

// "确认" or Enter takes the box's text as it stands; the close box, or any other key, keeps
// the password there was.
TEST_F(KmtDocuments, EnterAndConfirmSetThePasswordTheCloseBoxKeepsIt) {
    enum class Act { Enter, Confirm, OtherKeyThenClose, Close };
    struct Case {
        const char* typed;
        Act act;
        const char* password;
        bool confirmed;
    } cases[] = {
        {"新", Act::Enter, "新", true},
        {"", Act::Enter, "", true},
        {" 带 空格 ", Act::Confirm, " 带 空格 ", true},
        {"", Act::Confirm, "", true},
        {"新", Act::OtherKeyThenClose, "旧", false},
        {"", Act::Close, "旧", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        t.k.writing.documentPassword = "旧";
        t.ui.onNextModal([&c](FakeUi& ui) {
            ui.setText(kBox, c.typed);
            switch (c.act) {
                case Act::Enter:
                    return ui.pressKey(kBox, 13);
                case Act::Confirm:
                    return ui.click(kWindow + ".信息2");
                case Act::OtherKeyThenClose:
                    ui.pressKey(kBox, 65);
                    ui.pressKey(kBox, 27);
                    break;
                case Act::Close:
                    break;
            }
            if (ui.isWindowVisible(kWindow)) ui.closeWindow(kWindow);
        });
        EXPECT_EQ(app.passwordWindow.askPassword(), c.confirmed);
        EXPECT_EQ(t.k.writing.documentPassword, c.password);
        EXPECT_FALSE(t.ui.isWindowVisible(kWindow));
    }
}

// Saved through the save dialog and opened again: the file is the text enciphered byte for
// byte, exactly as long, and opens to the same text.
TEST(KmtRoundTrip, DocumentsComeBackUnderTheirPassword) {
    for (const char* password : {"", "密码", " pass word "}) {
        SCOPED_TRACE(password);
        Program p;
        p.t.ui.setText("章节名称", "第二章");
        p.t.ui.click("开始书写按钮");
        p.t.editor.replaceSelection("“走吧。”\r\n\r\n他说。");
        const std::string text = p.t.editor.text();
        const std::string path = p.t.dir.file("第二章.kmt");
        p.t.ui.chooseNextFile(path);
        p.answerWith(password);
        p.t.ui.click("开始书写按钮");
        ASSERT_FALSE(p.t.k.writing.on);
        const std::string saved = Slurp(path);
        EXPECT_EQ(saved.size(), text.size());
        EXPECT_EQ(saved, p.enciphered(text, password));

        p.open(path, password);
        EXPECT_EQ(p.t.editor.text(), text);
        EXPECT_EQ(p.t.ui.text("章节名称"), "第二章");
        EXPECT_TRUE(p.t.ui.messages().empty());
        EXPECT_EQ(p.t.ui.modalsRun().size(), 2u);
    }
}

// A wrong password is not detected: the text is garbled and nothing is said. Saved again
// under the same wrong password, the garbled text gives back the file as it was.
TEST_F(KmtDocuments, AWrongPasswordGarblesAndSavingItAgainRestoresTheFile) {
    const std::string text = "第一章\r\n秘密的事，不可说。";
    const std::string path = t.dir.file("秘.kmt");
    const std::string original = enciphered(text, "甲");
    Spit(path, original);
    open(path, "乙");
    EXPECT_TRUE(t.k.writing.on);
    EXPECT_NE(t.editor.text(), text);
    EXPECT_EQ(t.editor.text().size(), text.size());
    EXPECT_TRUE(t.ui.messages().empty());

    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.onNextModal([](FakeUi& ui) {
        EXPECT_EQ(ui.text(kBox), "乙");
        ui.pressKey(kBox, 13);
    });
    t.ui.click("开始书写按钮");
    EXPECT_FALSE(t.k.writing.on);
    EXPECT_EQ(Slurp(path), original);
}

// A document made by another tool (scripts/make_kmt_fixture.sh, with openssl) under 密码
// opens to its exact text, and saving it unchanged writes the same bytes.
TEST_F(KmtDocuments, AnOutsideDocumentOpensAndSavesByteForByte) {
    const std::string original = Slurp(KALAMO_TEST_DATA "/chapter.kmt");
    const std::string plain = Slurp(KALAMO_TEST_DATA "/chapter.txt");
    ASSERT_FALSE(original.empty());
    ASSERT_EQ(plain.substr(0, 14), "第一章　雪夜\r\n");
    const std::string path = t.dir.file("chapter.kmt");
    Spit(path, original);
    open(path, "密码");
    EXPECT_EQ(t.editor.text(), plain);
    EXPECT_EQ(t.ui.text("章节名称"), "chapter");
    t.ui.answerNext(MessageAnswer::Yes);
    t.ui.onNextModal([](FakeUi& ui) {
        EXPECT_EQ(ui.text(kBox), "密码");
        ui.pressKey(kBox, 13);
    });
    t.ui.click("开始书写按钮");
    EXPECT_FALSE(t.k.writing.on);
    EXPECT_EQ(Slurp(path), original);
    EXPECT_EQ(t.ui.messages().size(), 1u);  // the overwrite question alone
}

}  // namespace
}  // namespace kalamo::test
