#pragma once

#include <string>

#include <QString>

// The one place where core's UTF-8 strings become QStrings and back.
namespace quorvane::gui {

inline QString ToQ(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString ToQ(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

inline std::string FromQ(const QString& text)
{
    return text.toUtf8().toStdString();
}

} // namespace quorvane::gui
