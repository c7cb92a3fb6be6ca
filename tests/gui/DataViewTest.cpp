#include "views/DataView.h"

#include <cerrno>
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/QtDialogs.h"
#include "app/QtText.h"
#include "app/UpdateDownloader.h"
#include "history/DataPage.h"
#include "text/AtomicFile.h"
#include "text/Encoding.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

const std::string kTwoDraws = "2005012 05 09 13 22 28 31 12\r\n"
                              "2005013 03 08 14 21 27 30 09\r\n";
const QString kBadLine1 = ToQ(std::string(kBadLinesMessage) + "\r\n1,");

class DataView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.Start(kTwoDraws);
        program.Form().show();
    }
    void Click(const char* name) { program.Find<QToolButton>(QString::fromUtf8(name))->click(); }
    QPlainTextEdit* Memo() { return program.Form().DataPanel->DataMemo; }
    const DrawHistory& History() { return program.Form().History(); }
    TScriptedDialogs& Dialogs() { return program.Dialogs(); }

    TProgram program;
};

TEST_F(DataView, ToolBarHoldsTheFourCommands)
{
    QStringList captions;
    for (QAction* action : program.Form().DataPanel->Sheet1Tbr->actions()) {
        captions.push_back(action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    EXPECT_EQ(captions.join(QLatin1Char(',')), QStringLiteral("在线更新,|,清空数据,导入数据,保存数据"));
}

TEST_F(DataView, SaveWritesTheEditorThenParses)
{
    Memo()->appendPlainText(QStringLiteral("2005014 01 02 03 04 05 06 07 备注"));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")),
              kTwoDraws + Utf8ToGbk("2005014 01 02 03 04 05 06 07 备注\r\n"));
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("保存文档完毕"));
    ASSERT_EQ(History().size(), 3u);
    EXPECT_EQ(History().back().Issue(), 2005014);

    // A bad line is saved as shown, then reported; the history stays.
    Memo()->appendPlainText(QStringLiteral("2005015 01 02"));
    Dialogs().ExpectMessage(ToQ(std::string(kBadLinesMessage) + "\r\n4,"));
    Click("Sheet1TbrSaveBt");
    EXPECT_NE(ReadBytes(program.File("ssq.dxt")).find("2005015 01 02\r\n"), std::string::npos);
    EXPECT_EQ(History().size(), 3u);

    // An empty editor over a file with draws asks first, with 否 as the default; 否 writes nothing.
    Memo()->clear();
    Dialogs().ExpectAsk(TAnswer::No, ToQ(kEmptySaveQuestion));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(Dialogs().Log().back().Default, TAnswer::No);
    EXPECT_NE(ReadBytes(program.File("ssq.dxt")), "");
    EXPECT_EQ(History().size(), 3u);
    // 是 writes an empty file and empties the history; an empty file then saves without asking.
    Dialogs().ExpectAsk(TAnswer::Yes, ToQ(kEmptySaveQuestion));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), "");
    EXPECT_TRUE(History().empty());
    Memo()->setPlainText(QStringLiteral("  \n"));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), "  \r\n");
}

TEST_F(DataView, SaveKeepsTheDataFilesPermissions)
{
    namespace fs = std::filesystem;
    const std::string path = program.File("ssq.dxt");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    Memo()->appendPlainText(QStringLiteral("2005014 01 02 03 04 05 06 07"));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(History().size(), 3u);
    EXPECT_EQ(fs::status(path).permissions(), mode); // 640 stays 640
}

TEST_F(DataView, AFailedSaveKeepsTheOldFileAndSkipsTheParse)
{
    const std::string path = program.File("ssq.dxt");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    Memo()->setPlainText(QStringLiteral("2005013 03 08 14 21 27 30 09"));
    Dialogs().ExpectError(ToQ(FileWriteErrorText(path, WriteFailureReason(EISDIR))));
    Click("Sheet1TbrSaveBt");
    EXPECT_EQ(History().size(), 2u);
    EXPECT_NE(program.Form().StatusText(), QStringLiteral("保存文档完毕"));
}

TEST_F(DataView, ClearEmptiesTheEditorAndTheHistoryButNotTheFile)
{
    Click("Sheet1TbrClearBt");
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kTwoDraws);
}

TEST_F(DataView, ImportReplacesTheEditorWithAReadableFile)
{
    TempDir elsewhere;
    const std::string file = elsewhere.File("new.txt");
    WriteBytes(file, Utf8ToGbk("2006001 01 02 03 04 05 06 07\r\n\r\n2006002 11 12 13 14 15 16 16\r\n"));
    Dialogs().ExpectOpenFile(QString::fromStdString(file));
    Click("Sheet1TbrOmportBt");
    EXPECT_EQ(Dialogs().Texts(TScriptedDialogs::Kind::OpenFile),
              QStringList{QStringLiteral("文本文件|*.txt")});
    EXPECT_EQ(Memo()->toPlainText(),
              QStringLiteral("2006001 01 02 03 04 05 06 07\n\n2006002 11 12 13 14 15 16 16"));
    ASSERT_EQ(History().size(), 2u);
    EXPECT_EQ(History()[0].Issue(), 2006001);
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kTwoDraws); // the file waits for a save

    // A file with bad lines: the editor shows it, the parse reports it, the history stays.
    WriteBytes(file, "2006003 01\r\n");
    Dialogs().ExpectOpenFile(QString::fromStdString(file)).ExpectMessage(kBadLine1);
    Click("Sheet1TbrOmportBt");
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("2006003 01"));
    EXPECT_EQ(History().size(), 2u);
}

TEST_F(DataView, ImportCancelledOrUnreadableChangesNothing)
{
    Memo()->appendPlainText(QStringLiteral("unsaved typing"));
    const QString before = Memo()->toPlainText();

    Dialogs().ExpectOpenFile(std::nullopt);
    Click("Sheet1TbrOmportBt");
    // A name that does not exist is ignored like a cancel.
    Dialogs().ExpectOpenFile(QString::fromStdString(program.File("missing.txt")));
    Click("Sheet1TbrOmportBt");
    // A file that cannot be read is reported, and the unsaved text survives.
    const std::string unreadable = program.File("folder.txt");
    std::filesystem::create_directory(unreadable);
    Dialogs()
        .ExpectOpenFile(QString::fromStdString(unreadable))
        .ExpectError(ToQ(FileOpenErrorText(unreadable)));
    Click("Sheet1TbrOmportBt");

    EXPECT_EQ(Memo()->toPlainText(), before);
    EXPECT_EQ(History().size(), 2u);
    EXPECT_EQ(Dialogs().Log().size(), 4u);
}

TEST_F(DataView, CaretPositionGoesToTheStatusBar)
{
    QTextCursor cursor(Memo()->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    const QString startStatus = program.Form().StatusText();
    Memo()->setTextCursor(cursor);
    EXPECT_EQ(program.Form().StatusText(), startStatus); // moving the caret alone shows nothing
    QTest::keyClick(Memo(), Qt::Key_Right);
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("第2行6列"));

    Memo()->appendPlainText(QString());
    QTest::keyClick(Memo(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("第3行1列"));

    // A click at the very start of the text.
    QTest::mouseClick(Memo()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 2));
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("第1行1列"));
}

// The online update against servers on this machine.
class OnlineUpdate : public DataView
{
protected:
    void SetUp() override
    {
        DataView::SetUp();
        program.Form().DataPanel->SetUpdateTimeoutMs(1500);
    }
    void TearDown() override { qunsetenv(kUpdateUrlVariable); }

    void UseServer(const QString& address) { qputenv(kUpdateUrlVariable, address.toUtf8()); }
    std::string Target() { return program.File("tmp.txt"); }
    QString LastMessage()
    {
        const QStringList messages = Dialogs().Texts(TScriptedDialogs::Kind::Message);
        return messages.isEmpty() ? QString() : messages.back();
    }
    void ExpectUnchanged()
    {
        EXPECT_EQ(Memo()->toPlainText(),
                  QStringLiteral("2005012 05 09 13 22 28 31 12\n2005013 03 08 14 21 27 30 09"));
        EXPECT_EQ(History().size(), 2u);
    }

    TempDir served;
};

TEST_F(OnlineUpdate, AFileThatParsesReplacesTheEditorAndTheHistory)
{
    const std::string update = kTwoDraws + "2005014 01 02 03 04 05 06 07\r\n";
    WriteBytes(served.File("gx.txt"), update);
    TLocalHttpServer server(QString::fromStdString(served.Path().string()));
    ASSERT_TRUE(server.Running());
    UseServer(server.Address());
    WriteBytes(Target(), "old download");

    Dialogs().ExpectProgress().ExpectMessage(QStringLiteral("Quorvane在线更新开奖数据 成功!"));
    Click("Sheet1TbrDownBt");
    EXPECT_EQ(History().size(), 3u);
    EXPECT_TRUE(Memo()->toPlainText().endsWith(QStringLiteral("2005014 01 02 03 04 05 06 07")));
    EXPECT_EQ(ReadBytes(Target()), update);
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kTwoDraws); // saved only when the user saves

    // F3 from another view runs the same update; the program asks to save on closing.
    program.Form().SqlMenuClick();
    Dialogs().ExpectProgress().ExpectMessage(QStringLiteral("Quorvane在线更新开奖数据 成功!"));
    QTest::keyClick(&program.Form(), Qt::Key_F3);
    EXPECT_EQ(Dialogs().Texts(TScriptedDialogs::Kind::Message).size(), 2);
    Dialogs().ExpectAsk(TAnswer::No);
    EXPECT_TRUE(program.Form().close());
}

TEST_F(OnlineUpdate, BadContentIsReportedAndChangesNothing)
{
    WriteBytes(served.File("gx.txt"), "<html>not found</html>\r\n");
    TLocalHttpServer server(QString::fromStdString(served.Path().string()));
    ASSERT_TRUE(server.Running());
    UseServer(server.Address() + QStringLiteral("/"));
    Dialogs().ExpectProgress().ExpectMessage(
        QStringLiteral("Quorvane在线更新开奖数据 失败!\r\n下载的开奖数据中下列行有错误：\r\n1,\r\n下载的数据保存在: ") +
        QString::fromStdString(Target()));
    Click("Sheet1TbrDownBt");
    ExpectUnchanged();
}

TEST_F(OnlineUpdate, MissingFileOrServerFails)
{
    TLocalHttpServer server(QString::fromStdString(served.Path().string())); // serves no gx.txt: 404
    ASSERT_TRUE(server.Running());
    UseServer(server.Address());
    Dialogs().ExpectProgress().ExpectMessage();
    Click("Sheet1TbrDownBt");
    ExpectUnchanged();
    EXPECT_FALSE(std::filesystem::exists(Target()));
    // The message names the address it tried and the server's answer.
    EXPECT_EQ(LastMessage(), QStringLiteral("Quorvane在线更新开奖数据 失败!\r\n下载地址: ") + server.Address() +
                                 QStringLiteral("/gx.txt\r\n服务器回答错误 404，没有找到开奖数据文件。"));

    // A port where nothing listens.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    UseServer(QStringLiteral("http://127.0.0.1:%1").arg(port));
    Dialogs().ExpectProgress().ExpectMessage();
    Click("Sheet1TbrDownBt");
    ExpectUnchanged();
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("http://127.0.0.1:%1/gx.txt").arg(port)));
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("无法连接到服务器")));
}

TEST_F(OnlineUpdate, ASilentServerTimesOutAndTheUserCanCancel)
{
    // Accepts connections and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QList<QTcpSocket*> held;
    QObject::connect(&silent, &QTcpServer::newConnection,
                     [&] { held.push_back(silent.nextPendingConnection()); });
    UseServer(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()));

    QElapsedTimer clock;
    clock.start();
    Dialogs().ExpectProgress().ExpectMessage();
    Click("Sheet1TbrDownBt");
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 10000);
    ExpectUnchanged();
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Quorvane在线更新开奖数据 失败!")));
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("长时间没有回应")));

    program.Form().DataPanel->SetUpdateTimeoutMs(60000);
    clock.restart();
    // A cancel is told as a cancel, not as a failure.
    Dialogs().ExpectProgress(200).ExpectMessage(ToQ(kUpdateCancelledMessage));
    Click("Sheet1TbrDownBt");
    EXPECT_LT(clock.elapsed(), 10000);
    ExpectUnchanged();
}

TEST_F(OnlineUpdate, AFileAboveTheLimitIsRefused)
{
    std::string big;
    const std::string line = "2005013 03 08 14 21 27 30 09\r\n";
    while (big.size() <= static_cast<std::size_t>(kUpdateMaxBytes)) {
        big += line;
    }
    WriteBytes(served.File("gx.txt"), big);
    TLocalHttpServer server(QString::fromStdString(served.Path().string()));
    ASSERT_TRUE(server.Running());
    UseServer(server.Address());
    Dialogs().ExpectProgress().ExpectMessage();
    Click("Sheet1TbrDownBt");
    ExpectUnchanged();
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("文件太大")));
}

TEST_F(OnlineUpdate, TheServerIsASettingTheVariableOverrides)
{
    WriteBytes(served.File("gx.txt"), kTwoDraws + "2005014 01 02 03 04 05 06 07\r\n");
    TLocalHttpServer server(QString::fromStdString(served.Path().string()));
    ASSERT_TRUE(server.Running());
    // The settings file names the default server from the first start.
    QSettings& settings = program.Form().Settings();
    EXPECT_EQ(settings.value(ToQ(kUpdateServerSetting)).toString(), ToQ(kDefaultUpdateServer));
    settings.setValue(ToQ(kUpdateServerSetting), server.Address());
    Dialogs().ExpectProgress().ExpectMessage(ToQ(kUpdateSuccessMessage));
    Click("Sheet1TbrDownBt");
    EXPECT_EQ(History().size(), 3u);

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    UseServer(QStringLiteral("http://127.0.0.1:%1").arg(port));
    Dialogs().ExpectProgress().ExpectMessage();
    Click("Sheet1TbrDownBt");
    EXPECT_TRUE(LastMessage().contains(QStringLiteral("127.0.0.1:%1").arg(port)));
}

TEST_F(OnlineUpdate, TheProgramsProgressWindowShowsAndCancels)
{
    WriteBytes(served.File("gx.txt"), kTwoDraws);
    TLocalHttpServer server(QString::fromStdString(served.Path().string()));
    ASSERT_TRUE(server.Running());
    TQtDialogs dialogs;
    dialogs.SetParent(&program.Form());
    const TDownloadSettings settings{QUrl(server.Address() + QStringLiteral("/gx.txt")), 2000,
                                     kUpdateMaxBytes};
    const UpdateDownload received = DownloadFile(settings, dialogs, QStringLiteral("下载"));
    ASSERT_EQ(received.End, DownloadEnd::Received);
    EXPECT_EQ(received.Bytes, kTwoDraws);

    // The user presses "取消" while a silent server keeps the download waiting.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QList<QTcpSocket*> held;
    QObject::connect(&silent, &QTcpServer::newConnection,
                     [&] { held.push_back(silent.nextPendingConnection()); });
    QTimer::singleShot(300, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
                progress->findChild<QPushButton*>()->click();
            }
        }
    });
    QElapsedTimer clock;
    clock.start();
    const TDownloadSettings waiting{
        QUrl(QStringLiteral("http://127.0.0.1:%1/gx.txt").arg(silent.serverPort())), 60000, kUpdateMaxBytes};
    EXPECT_EQ(DownloadFile(waiting, dialogs, QStringLiteral("下载")).End, DownloadEnd::Cancelled);
    EXPECT_LT(clock.elapsed(), 10000);
}

} // namespace
} // namespace quorvane::gui::test
