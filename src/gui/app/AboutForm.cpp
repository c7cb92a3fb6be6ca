#include "app/AboutForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/MainForm.h"
#include "app/OpenAddress.h"
#include "app/QtText.h"

namespace quorvane::gui {

TAboutForm::TAboutForm(IDialogs& dialogs, QWidget* parent, const QString& dataFile)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 16);
    layout->setSpacing(10);

    NameLbl = new QLabel(QStringLiteral("Quorvane"), this);
    NameLbl->setObjectName(QStringLiteral("NameLbl"));
    QFont big = NameLbl->font();
    big.setPixelSize(28);
    big.setBold(true);
    NameLbl->setFont(big);
    VersionLbl = new QLabel(QStringLiteral("版本: 2010"), this);
    VersionLbl->setObjectName(QStringLiteral("VersionLbl"));
    DateLbl = new QLabel(QStringLiteral("发行日期:2010年10月"), this);
    DateLbl->setObjectName(QStringLiteral("DateLbl"));
    const QString site = ToQ(kSupportWebSite);
    WebLbl = new QLabel(QStringLiteral("技术支持: <a href=\"%1\">%1</a>").arg(site.toHtmlEscaped()), this);
    WebLbl->setObjectName(QStringLiteral("WebLbl"));
    WebLbl->setTextFormat(Qt::RichText);
    WebLbl->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    WebLbl->setOpenExternalLinks(false);
    connect(WebLbl, &QLabel::linkActivated, this,
            [&dialogs](const QString& link) { OpenWebAddress(dialogs, link); });
    auto* mail = new QLabel(QStringLiteral("电子邮件: ") + ToQ(kSupportContact), this);
    mail->setObjectName(QStringLiteral("MailLbl"));
    DataLbl = new QLabel(QStringLiteral("数据文件: ") + dataFile, this);
    DataLbl->setObjectName(QStringLiteral("DataLbl"));
    DataLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    DataLbl->setVisible(!dataFile.isEmpty());

    CloseBt = new QPushButton(QStringLiteral("关闭"), this);
    CloseBt->setObjectName(QStringLiteral("CloseBt"));
    CloseBt->setDefault(true);
    connect(CloseBt, &QPushButton::clicked, this, &QDialog::accept);

    layout->addWidget(NameLbl);
    layout->addWidget(VersionLbl);
    layout->addWidget(DateLbl);
    layout->addWidget(WebLbl);
    layout->addWidget(mail);
    if (!dataFile.isEmpty()) {
        layout->addWidget(DataLbl);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseBt);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

} // namespace quorvane::gui
