#include "views/PageControl.h"

#include "app/QtText.h"

namespace quorvane::gui {

TPageControl::TPageControl(const char* objectName, const TPageSpec* pages, std::size_t count, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(ToQ(objectName));
    for (std::size_t i = 0; i < count; ++i) {
        auto* page = new QWidget(this);
        page->setObjectName(ToQ(pages[i].Name));
        const int index = addTab(page, ToQ(pages[i].Caption));
        if (pages[i].Hidden) {
            setTabVisible(index, false);
        }
    }
}

QWidget* TPageControl::Page(const QString& name) const
{
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->objectName() == name) {
            return widget(i);
        }
    }
    return nullptr;
}

} // namespace quorvane::gui
