#pragma once

#include <string>
#include <vector>

#include <QObject>

#include "shrink/ShrinkConditions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

namespace quorvane {
struct ConditionKey;
}

namespace quorvane::gui {

class TColorMChk;
class TMultiChk;
class TMultiSpinEdit;

// The one two-way link between the condition controls and ShrinkConditions. Every control is bound
// to its ConditionKeys key and moves its value through that key's text encoding, so the run, the
// condition file, the clears and the command line all see the same values. Keys without a control
// (settings that no page shows) keep the value last written, so a loaded file still reaches the run.
class TConditionBinder final : public QObject
{
    Q_OBJECT

public:
    explicit TConditionBinder(QObject* parent = nullptr);

    // Binding a key that ConditionKeys does not know, or a key twice, throws std::logic_error.
    void BindCheck(QCheckBox* control, const std::string& key);
    void BindCells(TMultiChk* control, const std::string& key);
    // A picker stored cell by cell: cell j under "<keyBase><j>".
    void BindCellsByCell(TMultiChk* control, const std::string& keyBase);
    void BindColors(TColorMChk* control, const std::string& key);
    void BindRange(TMultiSpinEdit* control, const std::string& key);
    // A range whose minimum and maximum are stored as two integer keys.
    void BindRangeKeys(TMultiSpinEdit* control, const std::string& minKey, const std::string& maxKey);
    void BindCombo(QComboBox* control, const std::string& key);
    void BindEdit(QLineEdit* control, const std::string& key);
    void BindSpin(QSpinBox* control, const std::string& key);
    void BindList(QListWidget* control, const std::string& key);
    void BindMemo(QPlainTextEdit* control, const std::string& key);

    // The conditions exactly as the controls show them (keys without a control as last written).
    ShrinkConditions Read() const;
    // Shows the conditions in every control; emits Written afterwards.
    void Write(const ShrinkConditions& conditions);

    // Whether a control edits the key (compared without regard to letter case).
    bool IsBound(const std::string& key) const;
    // The keys of every bound control, in binding order.
    std::vector<std::string> BoundKeys() const;

signals:
    // The controls were written from a model (after a load, a clear or start-up): hosts refresh
    // what follows the controls (the selection labels).
    void Written();

private:
    enum class Kind
    {
        Check,
        Cells,
        CellsByCell,
        Colors,
        Range,
        RangeKeys,
        Combo,
        Edit,
        Spin,
        List,
        Memo
    };
    struct Binding
    {
        Kind What;
        QWidget* Control;
        std::vector<const ConditionKey*> Keys;
    };

    void Add(Kind kind, QWidget* control, const std::vector<std::string>& keys);
    static void WriteOne(const Binding& b, const ShrinkConditions& m);
    static void ReadOne(const Binding& b, ShrinkConditions& m);

    std::vector<Binding> m_bindings;
    ShrinkConditions m_model;
};

} // namespace quorvane::gui
