#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

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

inline QStringList ToQ(const std::vector<std::string>& lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        list.push_back(ToQ(line));
    }
    return list;
}

inline std::vector<std::string> FromQ(const QStringList& lines)
{
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        list.push_back(FromQ(line));
    }
    return list;
}

} // namespace quorvane::gui
