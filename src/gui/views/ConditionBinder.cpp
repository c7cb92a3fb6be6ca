#include "views/ConditionBinder.h"

#include <stdexcept>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiSe.h"
#include "shrink/ConditionKeys.h"
#include "text/IniFile.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

const ConditionKey& KeyNamed(const std::string& name)
{
    const ConditionKey* key = FindConditionKey(name);
    if (key == nullptr) {
        throw std::logic_error("no condition key " + name);
    }
    return *key;
}

int IntOf(const ConditionKey* key, const ShrinkConditions& m)
{
    return TryStrToInt(key->Get(m)).value_or(0);
}

} // namespace

TConditionBinder::TConditionBinder(QObject* parent)
    : QObject(parent)
{
}

void TConditionBinder::Add(Kind kind, QWidget* control, const std::vector<std::string>& keys)
{
    Binding b{kind, control, {}};
    for (const std::string& name : keys) {
        const ConditionKey& key = KeyNamed(name);
        if (IsBound(key.Name)) {
            throw std::logic_error("condition key bound twice: " + name);
        }
        b.Keys.push_back(&key);
    }
    m_bindings.push_back(std::move(b));
}

void TConditionBinder::BindCheck(QCheckBox* control, const std::string& key)
{
    Add(Kind::Check, control, {key});
}

void TConditionBinder::BindCells(TMultiChk* control, const std::string& key)
{
    Add(Kind::Cells, control, {key});
}

void TConditionBinder::BindCellsByCell(TMultiChk* control, const std::string& keyBase)
{
    std::vector<std::string> keys;
    for (int j = 0; j < control->Count(); ++j) {
        keys.push_back(keyBase + std::to_string(j));
    }
    Add(Kind::CellsByCell, control, keys);
}

void TConditionBinder::BindColors(TColorMChk* control, const std::string& key)
{
    Add(Kind::Colors, control, {key});
}

void TConditionBinder::BindRange(TMultiSpinEdit* control, const std::string& key)
{
    Add(Kind::Range, control, {key});
}

void TConditionBinder::BindRangeKeys(TMultiSpinEdit* control, const std::string& minKey, const std::string& maxKey)
{
    Add(Kind::RangeKeys, control, {minKey, maxKey});
}

void TConditionBinder::BindCombo(QComboBox* control, const std::string& key)
{
    Add(Kind::Combo, control, {key});
}

void TConditionBinder::BindEdit(QLineEdit* control, const std::string& key)
{
    Add(Kind::Edit, control, {key});
}

void TConditionBinder::BindSpin(QSpinBox* control, const std::string& key)
{
    Add(Kind::Spin, control, {key});
}

void TConditionBinder::BindList(QListWidget* control, const std::string& key)
{
    Add(Kind::List, control, {key});
}

void TConditionBinder::BindMemo(QPlainTextEdit* control, const std::string& key)
{
    Add(Kind::Memo, control, {key});
}

void TConditionBinder::WriteOne(const Binding& b, const ShrinkConditions& m)
{
    const ConditionKey* key = b.Keys.front();
    switch (b.What) {
    case Kind::Check:
        static_cast<QCheckBox*>(b.Control)->setChecked(IntOf(key, m) != 0);
        break;
    case Kind::Cells:
        static_cast<TMultiChk*>(b.Control)->SetCheckedText(",", key->Get(m));
        break;
    case Kind::CellsByCell: {
        auto* cells = static_cast<TMultiChk*>(b.Control);
        for (std::size_t j = 0; j < b.Keys.size(); ++j) {
            cells->SetCheck(static_cast<int>(j), IntOf(b.Keys[j], m) != 0);
        }
        break;
    }
    case Kind::Colors:
        static_cast<TColorMChk*>(b.Control)->SetCheckedText("#", key->Get(m));
        break;
    case Kind::Range:
        static_cast<TMultiSpinEdit*>(b.Control)->SetValuesText(",", key->Get(m));
        break;
    case Kind::RangeKeys: {
        auto* range = static_cast<TMultiSpinEdit*>(b.Control);
        range->SetValue(0, IntOf(b.Keys[0], m));
        range->SetValue(1, IntOf(b.Keys[1], m));
        break;
    }
    case Kind::Combo:
        static_cast<QComboBox*>(b.Control)->setCurrentIndex(IntOf(key, m));
        break;
    case Kind::Edit: {
        auto* edit = static_cast<QLineEdit*>(b.Control);
        const QString text = ToQ(key->Get(m));
        if (edit->text() != text) {
            edit->setText(text);
        }
        break;
    }
    case Kind::Spin:
        static_cast<QSpinBox*>(b.Control)->setValue(IntOf(key, m));
        break;
    case Kind::List: {
        auto* list = static_cast<QListWidget*>(b.Control);
        list->clear();
        list->addItems(ToQ(SplitText("#", key->Get(m))));
        break;
    }
    case Kind::Memo:
        SetMemoLines(static_cast<QPlainTextEdit*>(b.Control), SplitText("#", key->Get(m)));
        break;
    }
}

void TConditionBinder::ReadOne(const Binding& b, ShrinkConditions& m)
{
    const ConditionKey* key = b.Keys.front();
    switch (b.What) {
    case Kind::Check:
        key->Set(m, static_cast<QCheckBox*>(b.Control)->isChecked() ? "1" : "0");
        break;
    case Kind::Cells:
        key->Set(m, static_cast<TMultiChk*>(b.Control)->GetCheckedText(","));
        break;
    case Kind::CellsByCell: {
        auto* cells = static_cast<TMultiChk*>(b.Control);
        for (std::size_t j = 0; j < b.Keys.size(); ++j) {
            b.Keys[j]->Set(m, cells->GetCheck(static_cast<int>(j)) != 0 ? "1" : "0");
        }
        break;
    }
    case Kind::Colors:
        key->Set(m, static_cast<TColorMChk*>(b.Control)->GetCheckedText("#"));
        break;
    case Kind::Range:
        key->Set(m, static_cast<TMultiSpinEdit*>(b.Control)->GetValuesText(","));
        break;
    case Kind::RangeKeys: {
        auto* range = static_cast<TMultiSpinEdit*>(b.Control);
        b.Keys[0]->Set(m, std::to_string(range->GetValue(0)));
        b.Keys[1]->Set(m, std::to_string(range->GetValue(1)));
        break;
    }
    case Kind::Combo:
        key->Set(m, std::to_string(static_cast<QComboBox*>(b.Control)->currentIndex()));
        break;
    case Kind::Edit:
        key->Set(m, FromQ(static_cast<QLineEdit*>(b.Control)->text()));
        break;
    case Kind::Spin:
        key->Set(m, std::to_string(static_cast<QSpinBox*>(b.Control)->value()));
        break;
    case Kind::List: {
        auto* list = static_cast<QListWidget*>(b.Control);
        std::vector<std::string> entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.push_back(FromQ(list->item(i)->text()));
        }
        key->Set(m, JoinText(entries, "#"));
        break;
    }
    case Kind::Memo:
        key->Set(m, JoinText(MemoLines(static_cast<QPlainTextEdit*>(b.Control)), "#"));
        break;
    }
}

ShrinkConditions TConditionBinder::Read() const
{
    ShrinkConditions m = m_model;
    for (const Binding& b : m_bindings) {
        ReadOne(b, m);
    }
    return m;
}

void TConditionBinder::Write(const ShrinkConditions& conditions)
{
    m_model = conditions;
    for (const Binding& b : m_bindings) {
        WriteOne(b, conditions);
    }
    emit Written();
}

bool TConditionBinder::IsBound(const std::string& key) const
{
    for (const Binding& b : m_bindings) {
        for (const ConditionKey* k : b.Keys) {
            if (EqualsNoCase(k->Name, key)) {
                return true;
            }
        }
    }
    return false;
}

std::vector<std::string> TConditionBinder::BoundKeys() const
{
    std::vector<std::string> keys;
    for (const Binding& b : m_bindings) {
        for (const ConditionKey* k : b.Keys) {
            keys.push_back(k->Name);
        }
    }
    return keys;
}

} // namespace quorvane::gui
