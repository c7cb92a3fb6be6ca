#pragma once

#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The declarative description of a shrink condition page: group boxes of rows of items, each item a
// control (kind, object name, caption or caption table, hint) with the ConditionKeys key it edits.
// TConditionPageBuilder makes the widgets and registers every bound control with the binder, so a
// new control is one line of a page table.

class QWidget;

namespace quorvane::gui {

class TConditionBinder;

enum class TItemKind
{
    Label,  // static text (Caption)
    Check,  // QCheckBox with Caption; Bool key
    Cells,  // TMultiChk with the captions Items, Cols per row; PickerList key or one Bool key per cell
    Colors, // TColorMChk (the red and blue selectors); SelectorList key
    Radio,  // TMultiRadio with the captions Items; not bound (no stage reads it)
    Range,  // TMultiSpinEdit of two cells, minimum and maximum; Range key, or Keys = {min, max} Integer keys
    Combo,  // QComboBox with the items Items; Integer key (the item index)
    Edit,   // QLineEdit; Text key
    Button, // QPushButton with Caption; its command is connected by object name
    Strip,  // the Children side by side in one grid cell
    List,   // QListWidget, several entries selectable; EntryList key
    Memo,   // QPlainTextEdit, one entry a line; EntryList key
    Spin,   // QSpinBox from Min to Max starting at Start; Integer key (or none)
    Option, // QRadioButton with Caption; not bound
    Custom, // made by Make (a panel with behaviour of its own)
};

struct TItemSpec
{
    TItemKind Kind = TItemKind::Label;
    std::string Name;     // object name ("" for a plain label)
    std::string Key;      // ConditionKeys key; for Cells stored cell by cell the base of "<Key><j>"
    std::string Caption;  // label, check or button text
    std::string Hint;     // tool tip
    std::vector<std::string> Items; // cell captions, list items; for Range the two cell captions
    int Cols = 0;         // cells per row (Cells, Colors, Radio)
    bool KeyPerCell = false;
    std::vector<std::string> Keys; // Range stored as two Integer keys (minimum, maximum)
    int Span = 1;                  // grid columns the item takes
    int Width = 0;                 // fixed width in pixels for edits (0: natural)
    std::vector<TItemSpec> Children; // Strip
    unsigned Rgb = 0;                // Colors: the fill of a checked square, 0xRRGGBB
    bool Visible = true;             // false: made and bound, but not shown
    int Min = INT_MIN;               // Spin
    int Max = INT_MAX;
    int Start = 0;
    bool Checked = false;            // Option: on at start
    int Height = 0;                  // fixed height in pixels for lists and memos (0: natural)
    std::function<QWidget*(QWidget* parent, TConditionBinder& binder)> Make; // Custom
};

// A row of items, laid out in the columns of its group's grid (so rows of a table line up).
using TRowSpec = std::vector<TItemSpec>;

struct TGroupSpec
{
    std::string Name;    // object name of the group box ("" for none)
    std::string Title;   // "" draws no frame title
    std::vector<TRowSpec> Rows;
    int Column = 0;      // the page column (0, 1 or 2, from the left) in which the group stands
};

struct TPageSpecification
{
    std::string PageName; // object name of the page of RcmPctl
    std::vector<TGroupSpec> Groups;
    // Buttons along the foot of the page (clear, chart jumps).
    TRowSpec Footer;
};

// Item makers, to keep the page tables one line per control.
inline TItemSpec Lbl(std::string caption)
{
    TItemSpec s;
    s.Kind = TItemKind::Label;
    s.Caption = std::move(caption);
    return s;
}

inline TItemSpec Chk(std::string name, std::string caption)
{
    TItemSpec s;
    s.Kind = TItemKind::Check;
    s.Key = name;
    s.Name = std::move(name);
    s.Caption = std::move(caption);
    return s;
}

inline TItemSpec Cells(std::string name, std::vector<std::string> captions, int cols)
{
    TItemSpec s;
    s.Kind = TItemKind::Cells;
    s.Key = name;
    s.Name = std::move(name);
    s.Items = std::move(captions);
    s.Cols = cols;
    return s;
}

// A picker stored cell by cell under "<keyBase><j>".
inline TItemSpec CellsByCell(std::string name, std::string keyBase, std::vector<std::string> captions, int cols)
{
    TItemSpec s = Cells(std::move(name), std::move(captions), cols);
    s.Key = std::move(keyBase);
    s.KeyPerCell = true;
    return s;
}

inline TItemSpec Radio(std::string name, std::vector<std::string> captions, int cols)
{
    TItemSpec s;
    s.Kind = TItemKind::Radio;
    s.Name = std::move(name);
    s.Items = std::move(captions);
    s.Cols = cols;
    return s;
}

// A range pair; captions {"最小值:", "最大值:"} stand before each editor, captions {"", text} put the
// text between the two editors.
inline TItemSpec Range(std::string name, std::string key, std::string minCaption, std::string maxCaption)
{
    TItemSpec s;
    s.Kind = TItemKind::Range;
    s.Name = std::move(name);
    s.Key = std::move(key);
    s.Items = {std::move(minCaption), std::move(maxCaption)};
    return s;
}

inline TItemSpec Combo(std::string name, std::vector<std::string> items)
{
    TItemSpec s;
    s.Kind = TItemKind::Combo;
    s.Key = name;
    s.Name = std::move(name);
    s.Items = std::move(items);
    return s;
}

inline TItemSpec Edit(std::string name, std::string hint, int width = 0)
{
    TItemSpec s;
    s.Kind = TItemKind::Edit;
    s.Key = name;
    s.Name = std::move(name);
    s.Hint = std::move(hint);
    s.Width = width;
    return s;
}

inline TItemSpec Btn(std::string name, std::string caption)
{
    TItemSpec s;
    s.Kind = TItemKind::Button;
    s.Name = std::move(name);
    s.Caption = std::move(caption);
    return s;
}

inline TItemSpec NamedLbl(std::string name, std::string caption)
{
    TItemSpec s = Lbl(std::move(caption));
    s.Name = std::move(name);
    return s;
}

inline TItemSpec Colors(std::string name, std::vector<std::string> captions, int cols, unsigned rgb,
                        std::string hint)
{
    TItemSpec s;
    s.Kind = TItemKind::Colors;
    s.Key = name;
    s.Name = std::move(name);
    s.Items = std::move(captions);
    s.Cols = cols;
    s.Rgb = rgb;
    s.Hint = std::move(hint);
    return s;
}

inline TItemSpec Invisible(TItemSpec s)
{
    s.Visible = false;
    return s;
}

inline TItemSpec ListBox(std::string name, std::string key, int width, int height)
{
    TItemSpec s;
    s.Kind = TItemKind::List;
    s.Name = std::move(name);
    s.Key = std::move(key);
    s.Width = width;
    s.Height = height;
    return s;
}

inline TItemSpec MemoBox(std::string name, std::string key, int width, int height)
{
    TItemSpec s = ListBox(std::move(name), std::move(key), width, height);
    s.Kind = TItemKind::Memo;
    return s;
}

inline TItemSpec Spin(std::string name, std::string key, int min, int max, int start)
{
    TItemSpec s;
    s.Kind = TItemKind::Spin;
    s.Name = std::move(name);
    s.Key = std::move(key);
    s.Min = min;
    s.Max = max;
    s.Start = start;
    return s;
}

inline TItemSpec Option(std::string name, std::string caption, bool checked = false)
{
    TItemSpec s;
    s.Kind = TItemKind::Option;
    s.Name = std::move(name);
    s.Caption = std::move(caption);
    s.Checked = checked;
    return s;
}

inline TItemSpec CustomItem(std::function<QWidget*(QWidget*, TConditionBinder&)> make)
{
    TItemSpec s;
    s.Kind = TItemKind::Custom;
    s.Make = std::move(make);
    return s;
}

// Items side by side in one cell of the group's grid.
inline TItemSpec Strip(std::vector<TItemSpec> children)
{
    TItemSpec s;
    s.Kind = TItemKind::Strip;
    s.Children = std::move(children);
    return s;
}

inline TItemSpec Spanned(TItemSpec s, int span)
{
    s.Span = span;
    return s;
}

inline TItemSpec Hinted(TItemSpec s, std::string hint)
{
    s.Hint = std::move(hint);
    return s;
}

} // namespace quorvane::gui
