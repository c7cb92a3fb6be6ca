#include "app/ErrorReport.h"

#include <QtGlobal>

#include "app/Dialogs.h"
#include "app/QtText.h"

namespace quorvane::gui {

namespace {
IDialogs* g_errorDialogs = nullptr;
} // namespace

void SetErrorDialogs(IDialogs* dialogs)
{
    g_errorDialogs = dialogs;
}

IDialogs* ErrorDialogs()
{
    return g_errorDialogs;
}

void ReportError(const std::string& text)
{
    if (g_errorDialogs != nullptr) {
        g_errorDialogs->ShowError(ToQ(text));
    } else {
        qCritical("%s", text.c_str());
    }
}

void ReportMessage(const std::string& text)
{
    if (g_errorDialogs != nullptr) {
        g_errorDialogs->ShowMessage(ToQ(text));
    } else {
        qWarning("%s", text.c_str());
    }
}

} // namespace quorvane::gui
