#include "views/PageControl.h"

namespace quorvane::gui {

TPageControl::TPageControl(const char* objectName, const TPageSpec* pages, std::size_t count, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QString::fromUtf8(objectName));
    for (std::size_t i = 0; i < count; ++i) {
        auto* page = new QWidget(this);
        page->setObjectName(QString::fromUtf8(pages[i].Name));
        const int index = addTab(page, QString::fromUtf8(pages[i].Caption));
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
