#include "views/QueryView.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "GuiTestSupport.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::TempDir;

class QueryView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.Start("2009006 01 02 03 04 05 06 01\r\n"
                      "2009007 03 08 14 21 27 30 09\r\n"
                      "2009008 05 09 13 22 28 31 12\r\n"
                      "2009007 10 11 12 13 14 15 16\r\n"
                      "2009009 07 17 18 19 20 33 02\r\n");
        program.Form().show();
        program.Form().SqlMenuClick();
    }
    QStringList Query(int issue, int count)
    {
        program.Find<QSpinBox>(QStringLiteral("SqlSe1"))->setValue(issue);
        program.Find<QSpinBox>(QStringLiteral("SqlSe2"))->setValue(count);
        program.Find<QPushButton>(QStringLiteral("SqlBt"))->click();
        const QString text = program.Find<QPlainTextEdit>(QStringLiteral("SqlMemo"))->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }

    TProgram program;
};

TEST_F(QueryView, StartsWithItsDefaults)
{
    EXPECT_EQ(program.Form().CurrentView(), program.Form().SqlPanel);
    EXPECT_EQ(program.Find<QSpinBox>(QStringLiteral("SqlSe1"))->value(), 2005013);
    EXPECT_EQ(program.Find<QSpinBox>(QStringLiteral("SqlSe2"))->value(), 30);
    EXPECT_EQ(program.Find<QPushButton>(QStringLiteral("SqlBt"))->text(), QStringLiteral("查询"));
    EXPECT_EQ(program.Find<QPushButton>(QStringLiteral("PrintBt"))->text(), QStringLiteral("打印"));
    EXPECT_EQ(program.Find<QWidget>(QStringLiteral("Label2"))->accessibleName(),
              QStringLiteral("查询第           期起总共       期的开奖号"));
}

TEST_F(QueryView, ListsForwardFromTheLastOccurrence)
{
    // The later of the two draws numbered 2009007, then what follows it.
    EXPECT_EQ(Query(2009007, 30), (QStringList{QStringLiteral("第2009007期,开奖号:10 11 12 13 14 15 16"),
                                               QStringLiteral("第2009009期,开奖号:07 17 18 19 20 33 02")}));
    EXPECT_EQ(Query(2009006, 2), (QStringList{QStringLiteral("第2009006期,开奖号:01 02 03 04 05 06 01"),
                                              QStringLiteral("第2009007期,开奖号:03 08 14 21 27 30 09")}));
    EXPECT_EQ(Query(2009009, 30).size(), 1);
    EXPECT_TRUE(Query(2009006, 0).isEmpty());
    EXPECT_TRUE(Query(2009006, -5).isEmpty());
    EXPECT_TRUE(Query(2005013, 30).isEmpty()); // not in the history: empty, no message
}

TEST_F(QueryView, PrintsTheTimeStampThenTheLines)
{
    TempDir out;
    const QString pdf = QString::fromStdString(out.File("query.pdf"));
    Query(2009008, 2);
    program.Dialogs().ExpectPrintToPdf(pdf);
    program.Find<QPushButton>(QStringLiteral("PrintBt"))->click();
    EXPECT_EQ(program.Dialogs().Texts(TScriptedDialogs::Kind::Print),
              QStringList{QStringLiteral("Quorvane")});
    const QStringList lines = PdfLines(pdf);
    ASSERT_EQ(lines.size(), 3) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("打印，时间:20"))) << lines[0].toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("第2009008期,开奖号:05 09 13 22 28 31 12"));
    EXPECT_EQ(lines[2], QStringLiteral("第2009007期,开奖号:10 11 12 13 14 15 16"));

    // An empty list prints the time stamp alone; a cancelled print dialog prints nothing.
    Query(2005013, 30);
    program.Dialogs().ExpectPrintToPdf(pdf);
    program.Find<QPushButton>(QStringLiteral("PrintBt"))->click();
    EXPECT_EQ(PdfLines(pdf).size(), 1);
    std::filesystem::remove(pdf.toStdString());
    program.Dialogs().ExpectPrintCancel();
    program.Find<QPushButton>(QStringLiteral("PrintBt"))->click();
    EXPECT_FALSE(std::filesystem::exists(pdf.toStdString()));
}

} // namespace
} // namespace quorvane::gui::test
