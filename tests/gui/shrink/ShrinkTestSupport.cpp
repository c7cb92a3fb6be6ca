#include "ShrinkTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiSe.h"

namespace quorvane::gui::test {

QString ShrinkPanelFixture::MemoText()
{
    return program.Form().RcmPanel->RcmMemo->toPlainText();
}

void ShrinkPanelFixture::Click(const char* toolButton)
{
    program.Find<QToolButton>(QString::fromLatin1(toolButton))->click();
}

void ShrinkPanelFixture::ClickButton(const char* pushButton)
{
    program.Find<QPushButton>(QString::fromLatin1(pushButton))->click();
}

void ShrinkPanelFixture::SetControl(const std::string& name, const std::string& value)
{
    QWidget* widget = program.Find<QWidget>(ToQ(name));
    ASSERT_NE(widget, nullptr);
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(value == "1");
    } else if (auto* cells = qobject_cast<TMultiChk*>(widget)) {
        cells->SetCheckedText(",", value);
    } else if (auto* colors = qobject_cast<TColorMChk*>(widget)) {
        colors->SetCheckedText("#", value);
    } else if (auto* range = qobject_cast<TMultiSpinEdit*>(widget)) {
        range->SetValuesText(",", value);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(std::stoi(value));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(ToQ(value));
    } else {
        ADD_FAILURE() << "no way to set " << name;
    }
}

void ShrinkPanelFixture::SetCell(const std::string& name, int cell, bool on)
{
    program.Find<TMultiChk>(ToQ(name))->SetCheck(cell, on);
}

void ShrinkPanelFixture::LoadThroughButton(const std::string& path)
{
    program.Dialogs().ExpectOpenFile(ToQ(path));
    Click("RcmPanelImportBindsBt");
}

void ShrinkPanelFixture::SaveThroughButton(const std::string& path)
{
    program.Dialogs().ExpectSaveFile(ToQ(path));
    Click("RcmPanelExportBindsBt");
}

} // namespace quorvane::gui::test
