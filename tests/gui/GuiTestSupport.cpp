#include "GuiTestSupport.h"

#include <QRegularExpression>

#include "history/DemoHistory.h"

namespace quorvane::gui::test {

void TProgram::Start(const std::optional<std::string>& dataFile,
                     const std::function<void(TScriptedDialogs&)>& expectStartup)
{
    if (dataFile) {
        quorvane::test::WriteBytes(m_dir.File("ssq.dxt"), *dataFile);
    }
    auto dialogs = std::make_unique<TScriptedDialogs>();
    m_dialogs = dialogs.get();
    if (expectStartup) {
        expectStartup(*m_dialogs);
    }
    m_form = std::make_unique<TMainForm>(std::move(dialogs), Folder());
    EXPECT_TRUE(m_dialogs->AllUsed()) << "a dialog expected at start-up was not shown";
}

std::string DemoDataText(int draws, std::uint32_t seed)
{
    std::string bytes;
    for (const std::string& line : MakeDemoHistoryLines(draws, seed)) {
        bytes += line + "\r\n";
    }
    return bytes;
}

TLocalHttpServer::TLocalHttpServer(const QString& folder)
{
    m_process.setProgram(QStringLiteral("python3"));
    m_process.setArguments({QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                            QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                            QStringLiteral("--directory"), folder});
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        return;
    }
    static const QRegularExpression port(QStringLiteral("port (\\d+)"));
    QByteArray output;
    while (m_process.waitForReadyRead(5000)) {
        output += m_process.readAllStandardOutput();
        const QRegularExpressionMatch match = port.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return;
        }
    }
}

TLocalHttpServer::~TLocalHttpServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

QStringList PdfLines(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                  QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    pdftotext.waitForFinished(10000);
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.remove(QLatin1Char('\f'));
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines.push_back(line.trimmed());
        }
    }
    return lines;
}

} // namespace quorvane::gui::test
