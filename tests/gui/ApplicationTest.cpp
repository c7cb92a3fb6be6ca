// Runs with the program's own application object, whose top-level handler is under test.
#include "app/Application.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>

#include "ScriptedDialogs.h"
#include "app/ErrorReport.h"
#include "controls/InterfaceFont.h"
#include "text/UserError.h"

namespace quorvane::gui::test {
namespace {

class TThrowingObject final : public QObject
{
public:
    int Handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++Handled;
            throw UserError("'2a' is not a valid integer value");
        }
        return QObject::event(event);
    }
};

TEST(Application, ShowsAnEscapedErrorAndKeepsRunning)
{
    TScriptedDialogs dialogs;
    SetErrorDialogs(&dialogs);
    dialogs.ExpectError(QStringLiteral("'2a' is not a valid integer value"))
        .ExpectError(QStringLiteral("'2a' is not a valid integer value"));
    TThrowingObject object;
    QEvent direct(QEvent::User);
    QCoreApplication::sendEvent(&object, &direct);
    // Posted through the event loop, which goes on after the error.
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    bool after = false;
    QTimer::singleShot(0, [&] {
        after = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_TRUE(after);
    EXPECT_EQ(object.Handled, 2);
    SetErrorDialogs(nullptr);
}

TEST(Application, SpeaksChineseInQtsOwnDialogs)
{
    // Window titles get no suffix from a display name.
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Quorvane"));
    EXPECT_FALSE(QApplication::applicationDisplayName().contains(QStringLiteral("技术支持")));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_zh_CN.qm"))) {
        GTEST_SKIP() << "Qt's Chinese translations are not installed";
    }
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
}

TEST(Application, UsesTheProgramFont)
{
    EXPECT_EQ(QApplication::font().pixelSize(), 14);
    EXPECT_EQ(QApplication::font().families(), InterfaceFont().families());
}

} // namespace
} // namespace quorvane::gui::test

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    quorvane::gui::TApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
