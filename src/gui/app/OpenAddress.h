#pragma once

#include <QString>

namespace quorvane::gui {

class IDialogs;

// Shown when the desktop cannot open a web address; the address follows on its own line, to copy.
inline constexpr const char* kAddressNotOpenedText = "无法打开浏览器。请把下面的网址复制到浏览器中打开：";
// Shown when the help text is neither opened by the desktop nor found.
inline constexpr const char* kHelpMissingText = "找不到帮助文件：";
// The caption of the program's own window showing the help text.
inline constexpr const char* kHelpWindowCaption = "帮助主题";

// Opens a web address with the desktop's browser; when that fails, a message gives the address.
void OpenWebAddress(IDialogs& dialogs, const QString& address);

} // namespace quorvane::gui
