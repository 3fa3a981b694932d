#include "ui/qt/message_presenter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "qt_test_support.h"

namespace kalamo::test {
namespace {

// Runs `act` on the modal box once it is up, while the presenter waits in its loop.
void WhenModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act] {
        ASSERT_TRUE(WaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        act(*QApplication::activeModalWidget());
    });
}

MessageBoxSpec Box(MessageButtons buttons) {
    return {G("覆盖原文件保存么？\r\n是：覆盖原文件"), G("Kalamo"), buttons, MessageIcon::None};
}

TEST(MessagePresenterTest, BoxShowsTextCaptionIconAndButtons) {
    auto box = BuildMessageBox({G("第一行\r\n第二行"), G("信息："), MessageButtons::YesNoCancel,
                                MessageIcon::Information});
    EXPECT_EQ(box->text(), QString::fromUtf8("第一行\n第二行"));
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("信息："));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->parent(), nullptr);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(BuildMessageBox(Box(MessageButtons::Ok))->icon(), QMessageBox::NoIcon);
}

// Each button answers for itself; closing the box answers Cancel where there is one.
TEST(MessagePresenterTest, AnswersOfButtonsAndOfClosing) {
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButton click;  // NoButton: close the box
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::Ok, QMessageBox::NoButton, MessageAnswer::Ok},
        {MessageButtons::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, QMessageBox::NoButton, MessageAnswer::Cancel},
        {MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
        {MessageButtons::YesNo, QMessageBox::NoButton, MessageAnswer::No},
        {MessageButtons::YesNoCancel, QMessageBox::No, MessageAnswer::No},
        {MessageButtons::YesNoCancel, QMessageBox::NoButton, MessageAnswer::Cancel},
    };
    QtMessagePresenter presenter;
    for (const Case& c : cases) {
        WhenModal([click = c.click](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr);
            if (click == QMessageBox::NoButton)
                box->close();
            else
                box->button(click)->click();
        });
        EXPECT_EQ(presenter.ask(Box(c.buttons)), c.answer)
            << static_cast<int>(c.buttons) << " " << c.click;
    }
}

TEST(MessagePresenterTest, SaveDialogOffersFiltersAndAddsTheDefaultExtension) {
    QTemporaryDir folder;
    FileDialogSpec spec;
    spec.filters = {{G("文本文档（*.txt）"), "*.txt"},
                    {G("Kalamo加密文档（*.kmt）"), "*.kmt;*.KMT"}};
    spec.selectedFilter = 1;
    spec.initialFolder = folder.path().toStdString();
    spec.fileName = "第一章";
    spec.defaultExtension = "txt";

    auto dialog = BuildFileDialog(spec, true);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QString::fromUtf8("文本文档（*.txt） (*.txt)"),
                           QString::fromUtf8("Kalamo加密文档（*.kmt） (*.kmt *.KMT)")}));
    // The patterns are not repeated after descriptions that already name them.
    EXPECT_EQ(dialog->selectedNameFilter(), QString::fromUtf8("Kalamo加密文档（*.kmt）"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());

    QtMessagePresenter presenter;
    WhenModal([](QWidget& modal) { qobject_cast<QDialog*>(&modal)->accept(); });
    EXPECT_EQ(presenter.chooseFile(spec, true), folder.path().toStdString() + "/第一章.txt");
    WhenModal([](QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); });
    EXPECT_EQ(presenter.chooseFile(spec, false), std::nullopt);
}

}  // namespace
}  // namespace kalamo::test
