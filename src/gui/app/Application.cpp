#include "app/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ErrorReport.h"
#include "app/Icons.h"
#include "controls/InterfaceFont.h"

namespace quorvane::gui {

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The name places the user's data folder (~/.local/share/Quorvane). No display name: Qt would
    // append it to the title of every window and dialog.
    setApplicationName(QStringLiteral("Quorvane"));
    setWindowIcon(ProgramIcon());
    setFont(InterfaceFont());
    LoadQtTranslations();
}

bool TApplication::LoadQtTranslations()
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto* translator = new QTranslator(this);
    if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    installTranslator(translator);
    return true;
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace quorvane::gui
