#pragma once

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

#include <QProcess>
#include <QString>

#include "ScriptedDialogs.h"
#include "TestSupport.h"
#include "app/MainForm.h"

namespace quorvane::gui::test {

// A main window started on a fresh program folder with the scripted dialog service. Expect the
// dialogs of the start-up in the callback given to Start.
class TProgram
{
public:
    // dataFile: the bytes of ssq.dxt, or nothing for a program folder without one.
    void Start(const std::optional<std::string>& dataFile,
               const std::function<void(TScriptedDialogs&)>& expectStartup = nullptr);

    TMainForm& Form() { return *m_form; }
    TScriptedDialogs& Dialogs() { return *m_dialogs; }
    QString Folder() const { return QString::fromStdString(m_dir.Path().string()); }
    std::string File(const std::string& name) const { return m_dir.File(name); }

    // The child of the main window with that object name (fails the test when there is none).
    template <typename T> T* Find(const QString& name)
    {
        T* child = m_form->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

private:
    quorvane::test::TempDir m_dir;
    TScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<TMainForm> m_form;
};

// The bytes of a data file holding a synthetic history of that many draws (the demo generator with a
// fixed seed): enough draws for the chart pages, whose N starts at 30.
std::string DemoDataText(int draws, std::uint32_t seed = 11);

// python3's http.server serving a folder on 127.0.0.1, on a port of the system's choice, for as long
// as the object lives.
class TLocalHttpServer
{
public:
    explicit TLocalHttpServer(const QString& folder);
    ~TLocalHttpServer();

    QString Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    bool Running() const { return m_port > 0; }

private:
    QProcess m_process;
    int m_port = 0;
};

// The text of a PDF file as pdftotext reads it, line by line with the layout kept.
QStringList PdfLines(const QString& path);

} // namespace quorvane::gui::test
