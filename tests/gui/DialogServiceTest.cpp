// The program's own message boxes and questions: Chinese buttons, default buttons and titles.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "app/QtDialogs.h"

namespace quorvane::gui::test {
namespace {

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts.push_back(button->text());
    }
    texts.sort();
    return texts;
}

TEST(DialogService, BoxesNameTheirButtonsInChinese)
{
    const auto message = NewMessageBox(nullptr, QStringLiteral("标题"), QStringLiteral("文字"), false);
    EXPECT_EQ(ButtonTexts(*message), QStringList{QStringLiteral("确定")});
    EXPECT_EQ(message->windowTitle(), QStringLiteral("标题"));
    EXPECT_EQ(NewMessageBox(nullptr, QString(), QString(), true)->icon(), QMessageBox::Critical);

    const auto question = NewQuestionBox(nullptr, QStringLiteral("标题"), QStringLiteral("问题"), true,
                                         TAnswer::Cancel);
    QStringList expected{QStringLiteral("是"), QStringLiteral("否"), QStringLiteral("取消")};
    expected.sort();
    EXPECT_EQ(ButtonTexts(*question), expected);
}

TEST(DialogService, QuestionsPressTheirDefaultOnEnterAndCancelOnEscape)
{
    const auto cancelFirst = NewQuestionBox(nullptr, QString(), QString(), true, TAnswer::Cancel);
    EXPECT_EQ(cancelFirst->defaultButton(), cancelFirst->button(QMessageBox::Cancel));
    EXPECT_EQ(cancelFirst->escapeButton(), cancelFirst->button(QMessageBox::Cancel));

    const auto noFirst = NewQuestionBox(nullptr, QString(), QString(), false, TAnswer::No);
    EXPECT_EQ(noFirst->defaultButton(), noFirst->button(QMessageBox::No));
    EXPECT_EQ(noFirst->escapeButton(), noFirst->button(QMessageBox::No));
    EXPECT_EQ(noFirst->button(QMessageBox::Cancel), nullptr);

    // A Yes/No question cannot default to a Cancel it does not have.
    const auto yesNo = NewQuestionBox(nullptr, QString(), QString(), false, TAnswer::Cancel);
    EXPECT_EQ(yesNo->defaultButton(), yesNo->button(QMessageBox::No));
}

} // namespace
} // namespace quorvane::gui::test
