#include "views/PredictPanel.h"

#include <functional>
#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>

#include <QCursor>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "Cli.h"
#include "GuiTestSupport.h"
#include "app/QtText.h"
#include "history/DemoHistory.h"
#include "recommend/Frequency.h"
#include "recommend/PropertyRecommend.h"
#include "text/AtomicFile.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

constexpr std::uint32_t kDemoSeed = 23;

DrawHistory DemoHistory(int draws)
{
    return ParseDrawText(MakeDemoHistoryLines(draws, kDemoSeed)).History;
}

// One command of the view: how the user runs it, the command-line kind that prints the same, and
// how it refuses a history that is too short.
struct TCommand
{
    const char* Kind;
    const char* Button;   // the tool button
    const char* MenuItem; // the item of the button's pop-up menu, if it has one
    const char* Status;   // "" when the command leaves the status bar as it is
    int MinDraws;         // the shortest history it runs on
    const char* TooFew;   // its message on a shorter one; shown in the error box or a message box
    bool InErrorBox;
};

const TCommand kCommands[] = {
    {"cold", "RcmLmBt", nullptr, "完成 冷码推荐", 40, kForecastTooFewDraws, true},
    {"hot", "RcmRmBt", nullptr, "完成 热码推荐", 40, kForecastTooFewDraws, true},
    {"must", "RcmBcmBt", nullptr, "完成 必出码推荐", 40, kForecastTooFewDraws, true},
    {"banker", "RcmDmBt", nullptr, "完成 胆码推荐", 40, kForecastTooFewDraws, true},
    {"single", "RcmDzBt", nullptr, "完成 单注预测", 40, kForecastTooFewDraws, true},
    {"compound23", "RcmFsBt", "RcmFsMenuR2", "完成 复式推荐", 37, kForecastTooFewDraws, true},
    {"compound15", "RcmFsBt", "RcmFsMenuR20", "完成 复式推荐", 37, kForecastTooFewDraws, true},
    {"compound12", "RcmFsBt", "RcmFsMenu30", "完成 复式推荐", 37, kForecastTooFewDraws, true},
    {"tail", "TuiWeiNumRcmBt", nullptr, "完成 尾数推荐", 20, kForecastTooFewDraws, true},
    {"oddeven", "RcmQiOuBiBt", nullptr, "", 198, kOddEvenTooFewDraws, false},
    {"zonesum1", "AreaSumRcmBt", "AreaSumRcmBt1", "", 138, kZoneSumTooFewDraws, false},
    {"zonesum2", "AreaSumRcmBt", "AreaSumRcmBt2", "", 158, kZoneSumTooFewDraws, false},
    {"zonesum3", "AreaSumRcmBt", "AreaSumRcmBt3", "", 148, kZoneSumTooFewDraws, false},
};

class PredictPanel : public ::testing::Test
{
protected:
    void Start(int draws)
    {
        program.Start(DemoDataText(draws, kDemoSeed));
        program.Form().show();
        program.Form().RcmMenuClick();
    }

    TPredictPanel& Panel() { return *program.Form().PridictPanel; }
    QString MemoText() { return Panel().TuiMemo->toPlainText(); }

    void Click(const char* button) { program.Find<QToolButton>(QString::fromLatin1(button))->click(); }

    // Runs a command as the user does: its tool button, then the item of its pop-up menu.
    void Run(const TCommand& command)
    {
        Click(command.Button);
        if (command.MenuItem != nullptr) {
            auto* item = program.Find<QAction>(QString::fromLatin1(command.MenuItem));
            auto* menu = qobject_cast<QMenu*>(item->parent());
            ASSERT_NE(menu, nullptr);
            EXPECT_TRUE(menu->isVisible()) << command.MenuItem;
            item->trigger();
            menu->hide();
        }
    }

    // What `quorvane-cli recommend KIND` prints for the program's data file.
    std::string CliOutput(const char* kind)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int code = cli::RunCli({"recommend", kind, "--data", program.File("ssq.dxt")}, out, err);
        EXPECT_EQ(code, 0) << kind << ": " << err.str();
        return out.str();
    }

    TProgram program;
};

TEST_F(PredictPanel, HoldsTheCommandsAndTheColouredMemo)
{
    Start(200);
    EXPECT_EQ(program.Form().CurrentView(), &Panel());
    QStringList captions;
    for (QAction* action : Panel().PridictTbr->actions()) {
        captions.push_back(action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    EXPECT_EQ(captions.join(QLatin1Char(',')),
              QStringLiteral("冷码推荐,热码推荐,必出码荐,胆码推荐,|,单注推荐,复式预测,|,尾数推荐,奇偶比荐,"
                             "和值推荐,|,导出,打印"));
    // Every button fits: none is pushed into the tool bar's overflow menu.
    for (QAction* action : Panel().PridictTbr->actions()) {
        if (!action->isSeparator()) {
            EXPECT_TRUE(Panel().PridictTbr->widgetForAction(action)->isVisible())
                << action->text().toStdString();
        }
    }
    const auto itemCaptions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* item : menu->actions()) {
            texts.push_back(item->text());
        }
        return texts.join(QLatin1Char(','));
    };
    EXPECT_EQ(itemCaptions(Panel().RcmFsMenu),
              QStringLiteral("复式推荐(23码)推荐2组,复式推荐(15码)推荐20组,复式推荐(12码)推荐30组"));
    EXPECT_EQ(itemCaptions(Panel().AreaPopupMenu), QStringLiteral("1区和值推荐,2区和值推荐,3区和值推荐"));

    const QImage memo = Panel().TuiMemo->viewport()->grab().toImage();
    EXPECT_EQ(memo.pixelColor(memo.width() / 2, memo.height() / 2), QColor(241, 223, 205));
}

TEST_F(PredictPanel, EveryCommandShowsWhatTheCommandLinePrints)
{
    Start(200);
    for (const TCommand& command : kCommands) {
        SCOPED_TRACE(command.Kind);
        Panel().TuiMemo->setPlainText(QStringLiteral("旧的内容"));
        program.Form().SetStatusText(QStringLiteral("旧的状态"));
        Run(command);
        EXPECT_EQ(FromQ(MemoText()) + "\n", CliOutput(command.Kind));
        EXPECT_EQ(program.Form().StatusText(),
                  *command.Status == '\0' ? QStringLiteral("旧的状态") : ToQ(command.Status));
    }
    EXPECT_TRUE(program.Dialogs().Log().empty());
}

TEST_F(PredictPanel, PopUpMenusOpenAtThePointer)
{
    Start(200);
    QCursor::setPos(120, 90);
    Click("RcmFsBt");
    EXPECT_TRUE(Panel().RcmFsMenu->isVisible());
    EXPECT_EQ(Panel().RcmFsMenu->pos(), QPoint(120, 90));
    Panel().RcmFsMenu->hide();
    Click("AreaSumRcmBt");
    EXPECT_TRUE(Panel().AreaPopupMenu->isVisible());
    EXPECT_EQ(Panel().AreaPopupMenu->pos(), QPoint(120, 90));
    Panel().AreaPopupMenu->hide();
    EXPECT_TRUE(MemoText().isEmpty()); // opening a menu computes nothing
}

TEST_F(PredictPanel, TooFewDrawsShowTheMessageAndChangeNothing)
{
    Start(200);
    for (const TCommand& command : kCommands) {
        for (const int draws : {command.MinDraws - 1, 0}) {
            SCOPED_TRACE(std::string(command.Kind) + " on " + std::to_string(draws) + " draws");
            program.Form().SetHistory(DemoHistory(draws));
            Panel().TuiMemo->setPlainText(QStringLiteral("旧的内容\n"));
            program.Form().SetStatusText(QStringLiteral("旧的状态"));
            if (command.InErrorBox) {
                program.Dialogs().ExpectError(ToQ(command.TooFew));
            } else {
                program.Dialogs().ExpectMessage(ToQ(command.TooFew));
            }
            Run(command);
            EXPECT_TRUE(program.Dialogs().AllUsed());
            EXPECT_EQ(MemoText(), QStringLiteral("旧的内容\n"));
            EXPECT_EQ(program.Form().StatusText(), QStringLiteral("旧的状态"));
        }
    }
}

TEST_F(PredictPanel, ExportWritesExactlyTheMemoLines)
{
    Start(200);
    TempDir out;
    const std::string path = out.File("单注.txt");
    Click("RcmDzBt");
    const std::vector<std::string> lines = Panel().MemoLines();
    ASSERT_EQ(lines.size(), 806u);
    EXPECT_EQ(lines.back(), "");

    program.Dialogs().ExpectSaveFile(QString::fromStdString(path));
    Click("RcmExportBt");
    EXPECT_EQ(program.Dialogs().Texts(TScriptedDialogs::Kind::SaveFile),
              QStringList{QStringLiteral("文本文件|*.txt")});
    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\r\n";
    }
    EXPECT_EQ(ReadBytes(path), Utf8ToGbk(expected));

    // A line typed into the memo is exported too; an existing file is overwritten.
    Click("RcmLmBt");
    Panel().TuiMemo->appendPlainText(QStringLiteral("自己的备注"));
    program.Dialogs().ExpectSaveFile(QString::fromStdString(path));
    Click("RcmExportBt");
    EXPECT_EQ(DecodeFileText(ReadBytes(path)), JoinText(Panel().MemoLines(), "\r\n") + "\r\n");
    EXPECT_EQ(Panel().MemoLines().back(), "自己的备注");

    // Cancelling writes nothing; a target that cannot be written is reported and stays as it was.
    const std::string before = ReadBytes(path);
    program.Dialogs().ExpectSaveFile(std::nullopt);
    Click("RcmExportBt");
    EXPECT_EQ(ReadBytes(path), before);
    const std::string folder = out.File("folder");
    std::filesystem::create_directory(folder);
    program.Dialogs().ExpectSaveFile(QString::fromStdString(folder));
    program.Dialogs().ExpectError(ToQ(FileWriteErrorText(folder, WriteFailureReason(EISDIR))));
    Click("RcmExportBt");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(PredictPanel, PrintsTheTimeStampThenTheMemoLines)
{
    Start(200);
    TempDir out;
    const QString pdf = QString::fromStdString(out.File("cold.pdf"));
    Click("RcmLmBt");
    program.Dialogs().ExpectPrintToPdf(pdf);
    Click("RcmPrintBt");
    EXPECT_EQ(program.Dialogs().Texts(TScriptedDialogs::Kind::Print),
              QStringList{QStringLiteral("Quorvane")});
    const QStringList printed = PdfLines(pdf);
    ASSERT_EQ(printed.size(), 7) << printed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("打印，时间:20"))) << printed[0].toStdString();
    EXPECT_EQ(printed.mid(1), ToQ(Panel().MemoLines()));
}

} // namespace
} // namespace quorvane::gui::test
