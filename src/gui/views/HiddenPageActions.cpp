#include "views/HiddenPageActions.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/CodeViewForm.h"
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "controls/MultiChk.h"
#include "history/DataFile.h"
#include "shrink/CodeSets.h"
#include "shrink/HealthCheck.h"
#include "shrink/ReferenceSets.h"
#include "shrink/SelectorChecks.h"
#include "text/UserError.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

template <typename T> T* Child(QWidget* panel, const std::string& name)
{
    return panel->findChild<T*>(ToQ(name));
}

// Runs fn; a mistake of the user it reports (UserError) is shown in a plain message box.
template <typename Fn> void WithMessage(TViewContext& context, Fn fn)
{
    try {
        fn();
    } catch (const UserError& e) {
        context.Dialogs().ShowMessage(ToQ(e.what()));
    }
}

void ConnectSelectorGroup(QWidget* panel, TViewContext& context, SelectorGroup group, const char* base, int count)
{
    std::vector<QComboBox*> selectors;
    for (int i = 1; i <= count; ++i) {
        selectors.push_back(Child<QComboBox>(panel, base + std::to_string(i)));
    }
    for (QComboBox* changed : selectors) {
        // Only a choice of the user is checked; a loaded file or a clear sets the lists silently.
        QObject::connect(changed, &QComboBox::activated, panel, [&context, group, selectors, changed] {
            std::vector<int> items;
            for (const QComboBox* selector : selectors) {
                items.push_back(selector->currentIndex());
            }
            const SelectorCheck check = CheckSelectorGroup(group, items);
            for (const std::string& message : check.Messages) {
                context.Dialogs().ShowMessage(ToQ(message));
            }
            if (check.ResetChanged) {
                changed->setCurrentIndex(0);
            }
        });
    }
}

std::vector<std::string> ListEntries(const QListWidget* list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) {
        entries.push_back(FromQ(list->item(i)->text()));
    }
    return entries;
}

// A list of code-set entries with its two pickers: add, delete the selected entries, and load a
// single selected entry back into the pickers.
struct TCodeSetEditor
{
    TMultiChk* Members;
    TMultiChk* Counts;
    QListWidget* List;
};

void ConnectCodeSetEditor(QWidget* panel, TViewContext& context, const TCodeSetEditor& editor, const char* add,
                          const char* remove, bool tailDigits)
{
    ConnectCommand(Child<QPushButton>(panel, add), &QPushButton::clicked, panel, [&context, editor, tailDigits] {
        WithMessage(context, [&] {
            const std::string members = editor.Members->GetCheckedText(",");
            const std::string counts = editor.Counts->GetCheckedText(",");
            editor.List->addItem(
                ToQ(tailDigits ? MakeTailSetEntry(members, counts) : MakeCodeSetEntry(members, counts)));
        });
    });
    ConnectCommand(Child<QPushButton>(panel, remove), &QPushButton::clicked, panel, [editor] {
        std::vector<std::string> entries = ListEntries(editor.List);
        std::vector<std::size_t> selected;
        for (const QListWidgetItem* item : editor.List->selectedItems()) {
            selected.push_back(static_cast<std::size_t>(editor.List->row(item)));
        }
        RemoveEntries(entries, selected);
        editor.List->clear();
        editor.List->addItems(ToQ(entries));
    });
    QObject::connect(editor.List, &QListWidget::itemSelectionChanged, panel, [editor] {
        const QList<QListWidgetItem*> selected = editor.List->selectedItems();
        if (selected.size() != 1) {
            return;
        }
        const CodeSetParts parts = SplitCodeSetEntry(FromQ(selected.front()->text()));
        editor.Members->SetCheckedText(",", parts.Members);
        editor.Counts->SetCheckedText(",", parts.Counts);
    });
}

void ShowHealthReport(TViewContext& context, const std::vector<std::string>& lines)
{
    TCodeViewForm& window = context.CodeViewForm();
    SetMemoLines(window.Memo, lines);
    window.setWindowTitle(ToQ(kHealthWindowCaption));
    window.show();
    window.raise();
}

void ConnectHealthCheck(QWidget* panel, TViewContext& context, const char* button, TMultiChk* picker, bool tails)
{
    ConnectCommand(Child<QPushButton>(panel, button), &QPushButton::clicked, panel, [&context, picker, tails] {
        WithMessage(context, [&] {
            const std::string chosen = picker->GetCheckedText(",");
            ShowHealthReport(context, tails ? TailHealthReport(context.History(), chosen)
                                            : NumberHealthReport(context.History(), chosen));
        });
    });
}

void ConnectReferenceFills(QWidget* panel, TViewContext& context)
{
    auto* memo = Child<QPlainTextEdit>(panel, "ssTb4SheetGbx1Memo");
    const auto fill = [memo](const std::vector<std::string>& lines) { SetMemoLines(memo, lines); };
    const auto count = [panel](int i) { return Child<QSpinBox>(panel, "ssTb4Gbx1Sp" + std::to_string(i))->value(); };
    const auto onClick = [panel](int i, auto fn) {
        ConnectCommand(Child<QRadioButton>(panel, "ssTb4Gbx1Rd" + std::to_string(i)), &QRadioButton::clicked, panel, fn);
    };
    onClick(1, [&context, fill, count] { fill(HistoryReferenceLines(context.History(), count(1))); });
    onClick(3, [&context, fill, count] { fill(RandomReferenceLines(context.ProgramRandom(), 6, count(3))); });
    onClick(4, [&context, fill, count] { fill(RandomReferenceLines(context.ProgramRandom(), 12, count(4))); });
    onClick(5, [&context, fill, count] { fill(RandomReferenceLines(context.ProgramRandom(), 15, count(5))); });
    auto* importOption = Child<QRadioButton>(panel, "ssTb4Gbx1Rd6");
    ConnectCommand(Child<QPushButton>(panel, "ssTb4Gbx1Bt1"), &QPushButton::clicked, panel,
                   [&context, fill, importOption] {
                       if (!importOption->isChecked()) {
                           return;
                       }
                       const std::optional<QString> name = context.Dialogs().OpenFileName(
                           {QString(), QStringLiteral("Text files (*.txt)|*.TXT"), QStringLiteral("txt"),
                            context.ProgramFolder()});
                       if (!name) {
                           return;
                       }
                       // Read and checked whole before the memo changes.
                       WithMessage(context, [&] {
                           const std::vector<std::string> lines = LoadTextFile(FromQ(*name));
                           CheckReferenceLines(lines);
                           fill(lines);
                       });
                   });
}

} // namespace

void ConnectHiddenPages(QWidget* panel, TViewContext& context)
{
    ConnectSelectorGroup(panel, context, SelectorGroup::SixRows, "wshlRowcbb", 6);
    ConnectSelectorGroup(panel, context, SelectorGroup::SixCols, "wshlColcbb", 6);
    ConnectSelectorGroup(panel, context, SelectorGroup::FourRows, "zqjqRowCbb", 4);
    ConnectSelectorGroup(panel, context, SelectorGroup::ThreeCols, "zqjqColCbb", 3);
    ConnectSelectorGroup(panel, context, SelectorGroup::SixRows, "RowCbb", 6);
    ConnectSelectorGroup(panel, context, SelectorGroup::SixCols, "ColCbb", 6);

    // "匹配": tail-digit sets.
    const TCodeSetEditor tails{Child<TMultiChk>(panel, "SelCodeGbxNumChk"), Child<TMultiChk>(panel, "SelCodeGbxCountChk"),
                               Child<QListWidget>(panel, "Sel3DCodeLbx")};
    ConnectCodeSetEditor(panel, context, tails, "SelCodeGbxAddBt", "SelCodeGbxDelBt", true);
    ConnectCommand(Child<QPushButton>(panel, "SelCodeGbxClearBt"), &QPushButton::clicked, panel, [tails] {
        tails.Members->UncheckAll();
        tails.Counts->UncheckAll();
    });
    ConnectHealthCheck(panel, context, "SelCodeGbxStatBt", tails.Members, true);

    // "自选号码": number sets.
    const TCodeSetEditor own{Child<TMultiChk>(panel, "ssTb3Gbx1NumChk"), Child<TMultiChk>(panel, "ssTb3Gbx1CountChk"),
                             Child<QListWidget>(panel, "CodeSelLbx1ssTb3Gbx1Lbx")};
    ConnectCodeSetEditor(panel, context, own, "ssTb3SheetBt3", "ssTb3SheetBt4", false);
    ConnectCommand(Child<QPushButton>(panel, "ssTb3SheetBt1"), &QPushButton::clicked, panel,
                   [own] { own.Members->UncheckAll(); });
    ConnectCommand(Child<QPushButton>(panel, "ssTb3SheetBt2"), &QPushButton::clicked, panel,
                   [own] { own.Members->CheckAll(); });

    // "自选号码x": two number-set lists that no stage reads.
    for (const CodeSetGroup& group : CodeSetGroups()) {
        const std::string base = group.GroupName;
        const TCodeSetEditor editor{Child<TMultiChk>(panel, base + "NumChk"), Child<TMultiChk>(panel, base + "CountChk"),
                                    Child<QListWidget>(panel, group.ListName)};
        ConnectCodeSetEditor(panel, context, editor, group.AddButton, group.DeleteButton, false);
        ConnectCommand(Child<QPushButton>(panel, group.ClearButton), &QPushButton::clicked, panel,
                       [editor] { editor.Members->UncheckAll(); });
        ConnectHealthCheck(panel, context, group.HealthButton, editor.Members, false);
    }

    ConnectReferenceFills(panel, context);
}

} // namespace quorvane::gui
