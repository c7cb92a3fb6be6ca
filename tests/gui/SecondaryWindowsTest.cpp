#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/CodeViewForm.h"
#include "app/ProgressForm.h"
#include "app/QtDialogs.h"
#include "app/SmForm.h"
#include "app/TuForm.h"

namespace quorvane::gui::test {
namespace {

class SecondaryWindows : public ::testing::Test
{
protected:
    void SetUp() override { program.Start(std::string()); }
    TProgram program;
};

TEST_F(SecondaryWindows, AreMadeHiddenAtStart)
{
    TMainForm& form = program.Form();
    form.show();
    EXPECT_FALSE(form.ProgressForm().isVisible());
    EXPECT_FALSE(form.CodeViewForm().isVisible());
    EXPECT_EQ(form.CodeViewForm().windowTitle(), QStringLiteral("查看缩水结果"));
    EXPECT_TRUE(form.CodeViewForm().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.CodeViewForm().Memo->isReadOnly());
}

TEST_F(SecondaryWindows, ProgressWindowIsBorderlessOnTopAndDraggedByItsTopStrip)
{
    TProgressForm& progress = program.Form().ProgressForm();
    EXPECT_TRUE(progress.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(progress.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(progress.size(), QSize(498, 57));
    EXPECT_EQ(progress.TitleLbl->text(), QStringLiteral("正在进行缩水计算..."));
    EXPECT_EQ(progress.ProgressBar->minimum(), 0);
    EXPECT_EQ(progress.ProgressBar->maximum(), 110);
    progress.ShowCentred();
    progress.SetPosition(55);
    EXPECT_EQ(progress.ProgressBar->value(), 55);

    const QPoint start = progress.pos();
    QTest::mousePress(&progress, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    QTest::mouseMove(&progress, QPoint(130, 30));
    QTest::mouseRelease(&progress, Qt::LeftButton, Qt::NoModifier, QPoint(130, 30));
    EXPECT_EQ(progress.pos(), start + QPoint(30, 20));

    // Below the strip a press does not drag.
    const QPoint moved = progress.pos();
    QTest::mousePress(&progress, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QTest::mouseMove(&progress, QPoint(160, 52));
    QTest::mouseRelease(&progress, Qt::LeftButton, Qt::NoModifier, QPoint(160, 52));
    EXPECT_EQ(progress.pos(), moved);
    progress.hide();
}

TEST_F(SecondaryWindows, TextWindowShowsTheLinesModallyWithTheCaption)
{
    bool looked = false;
    program.Dialogs().ExpectModal([&](QDialog& dialog) {
        auto& window = dynamic_cast<TSmForm&>(dialog);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("统计分析表 图表说明"));
        EXPECT_EQ(window.Memo->toPlainText(), QStringLiteral("第一行\n第二行"));
        looked = true;
        return 0;
    });
    program.Form().ShowTextWindow(QStringLiteral("统计分析表 图表说明"),
                                  {QStringLiteral("第一行"), QStringLiteral("第二行")});
    EXPECT_TRUE(looked);
}

TEST_F(SecondaryWindows, ChartWindowHasItsStripAndTakesOneGrid)
{
    TMainForm& form = program.Form();
    TTuForm first(&form);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("图表"));
    EXPECT_EQ(first.QiShuSe->value(), 30);
    EXPECT_EQ(first.ReViewBt->text(), QStringLiteral("查询"));

    QSignalSpy review(&first, &TTuForm::ReviewRequested);
    first.ReViewBt->click();
    EXPECT_EQ(review.count(), 1);

    auto* grid = new QWidget;
    first.SetGrid(grid);
    form.show();
    first.ShowOver(&form, QStringLiteral("间距走势图"));
    EXPECT_EQ(first.windowTitle(), QStringLiteral("间距走势图"));
    EXPECT_EQ(grid->parentWidget(), first.Panel);
    EXPECT_GT(grid->height(), first.TopPanel->height());
    first.SetGrid(new QWidget); // the old grid goes
    first.hide();
}

TEST(QtDialogs, FiltersBecomeQtNameFilters)
{
    EXPECT_EQ(QtNameFilter(QStringLiteral("文本文件|*.txt")), QStringLiteral("文本文件 (*.txt)"));
    EXPECT_EQ(QtNameFilter(QStringLiteral("配置文件|*.ini|所有文件|*.*")),
              QStringLiteral("配置文件 (*.ini);;所有文件 (*.*)"));
}

} // namespace
} // namespace quorvane::gui::test
