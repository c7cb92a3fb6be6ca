#pragma once

#include <cstddef>

#include <QTabWidget>

namespace quorvane::gui {

// One page of a page control: its object name, its tab caption, and whether its tab is hidden (a
// hidden page exists with all its controls but no tab shows it).
struct TPageSpec
{
    const char* Name;
    const char* Caption;
    bool Hidden = false;
};

// A page control whose pages are made from a table, in table order.
class TPageControl final : public QTabWidget
{
    Q_OBJECT

public:
    template <std::size_t N>
    TPageControl(const char* objectName, const TPageSpec (&pages)[N], QWidget* parent = nullptr)
        : TPageControl(objectName, pages, N, parent)
    {
    }
    TPageControl(const char* objectName, const TPageSpec* pages, std::size_t count, QWidget* parent);

    // The page with that object name, or nullptr.
    QWidget* Page(const QString& name) const;
};

} // namespace quorvane::gui
