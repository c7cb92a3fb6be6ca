#include "controls/MultiSe.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "ControlTestSupport.h"
#include "TestSupport.h"

using quorvane::gui::TMultiSpinEdit;
using quorvane::test::ChangeCounter;
using quorvane::test::ErrorText;

namespace {

// The "最小值:" / "最大值:" pair of a sum condition.
void MakeMinMax(TMultiSpinEdit& edit)
{
    edit.AddItem("最小值:");
    edit.AddItem("最大值:");
    edit.SetItem(0, "最小值:", 21);
    edit.SetItem(1, "最大值:", 183);
    edit.SetCapWidth(60);
    edit.SetEditWidth(45);
    edit.SetCols(2);
}

} // namespace

TEST(MultiSpinEdit, EditorsAndCaptionsSitWhereTheGeometrySays)
{
    TMultiSpinEdit edit;
    MakeMinMax(edit);
    EXPECT_EQ(edit.width(), 225);
    EXPECT_EQ(edit.height(), 22 + 3 + 3);
    EXPECT_EQ(edit.RectOfSpinEd(1).left(), 174);
    EXPECT_EQ(edit.RectOfCap(1).left(), 117);
    EXPECT_EQ(edit.Editor(1)->geometry().left(), 174);
    EXPECT_EQ(edit.Editor(1)->width(), 45);
    EXPECT_EQ(edit.RectOfCap(0).left(), 6);

    // With the editor at the cell start the second caption lies between the two editors.
    edit.SetEditAtCellStart(true);
    edit.SetCapWidth(30);
    EXPECT_EQ(edit.RectOfSpinEd(1).left(), 81);
    EXPECT_EQ(edit.RectOfCap(1).left(), 54);
    EXPECT_EQ(edit.RectOfSpinEd(0).right() + 1, 45);
    EXPECT_EQ(edit.Editor(1)->geometry().left(), 81);

    EXPECT_EQ(ErrorText([&] { edit.RectOfSpinEd(2); }), "RectOfSpinEd Index Error!");
    EXPECT_EQ(ErrorText([&] { edit.RectOfCap(-1); }), "RectOfCap Index Error!");
    EXPECT_EQ(ErrorText([&] { edit.SetItem(2, "x", 1); }), "SetItem Error!");
    EXPECT_EQ(ErrorText([&] { edit.SetCapWidth(-5); }), "SetCapWidth Error!");
    EXPECT_EQ(ErrorText([&] { edit.SetCols(-1); }), "SetCols Error!");
    EXPECT_EQ(edit.CapWidth(), 30);
}

TEST(MultiSpinEdit, ValuesTravelAsOneDelimitedLine)
{
    TMultiSpinEdit edit;
    EXPECT_EQ(edit.GetValuesText(","), "");
    MakeMinMax(edit);
    EXPECT_EQ(edit.GetValuesText(","), "21,183");

    edit.SetValuesText(",", "3,10,99");
    EXPECT_EQ(edit.GetValuesText(","), "3,10");
    edit.SetValuesText(",", "7");
    EXPECT_EQ(edit.GetValuesText(","), "7,10");
    edit.SetValuesText(",", " -4 ,, +8 ");
    EXPECT_EQ(edit.GetValuesText(","), "-4,8");

    EXPECT_EQ(ErrorText([&] { edit.SetValuesText(",", "5,x"); }), "'x' is not a valid integer value");
    EXPECT_EQ(edit.GetValuesText(","), "5,8");

    // The editors have no bounds.
    edit.SetValue(1, 2000000000);
    EXPECT_EQ(edit.GetValue(1), 2000000000);
    EXPECT_EQ(edit.Editor(1)->text(), "2000000000");

    TMultiSpinEdit single;
    single.AddItem("");
    single.SetValue(0, 5);
    EXPECT_EQ(single.GetValuesText(","), "5");
}

TEST(MultiSpinEdit, AnErasedEditorReadsAsZero)
{
    TMultiSpinEdit edit;
    MakeMinMax(edit);
    edit.show();
    QLineEdit* line = edit.Editor(1)->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->clear();
    EXPECT_EQ(edit.GetValue(1), 0);
    EXPECT_EQ(edit.GetValuesText(","), "21,0");
    edit.SetValue(1, 9);
    EXPECT_EQ(edit.Editor(1)->text(), "9");

    // Typing goes to the editor; the control never takes the focus itself.
    edit.Editor(0)->setFocus();
    line = edit.Editor(0)->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClicks(edit.Editor(0), "-12");
    EXPECT_EQ(edit.GetValue(0), -12);
    EXPECT_EQ(edit.focusPolicy(), Qt::NoFocus);
}

TEST(MultiSpinEdit, LayoutChangesAreAnnouncedOnce)
{
    TMultiSpinEdit edit;
    ChangeCounter changes(edit);
    MakeMinMax(edit); // two cells, a caption width and a column count
    EXPECT_EQ(changes.Take(), 4);
    edit.SetCols(2);
    edit.SetCapWidth(60);
    edit.SetValuesText(",", "1,2");
    EXPECT_EQ(changes.Take(), 0);
}
