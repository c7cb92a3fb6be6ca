#include "controls/ColorChk.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTest>

#include "ControlTestSupport.h"
#include "TestSupport.h"

using quorvane::gui::TColorMChk;
using quorvane::test::AddNumberCaptions;
using quorvane::test::ChangeCounter;
using quorvane::test::ErrorText;

namespace {

// The red picker of the number-selection page: 33 squares of 30 x 20 in rows of 10, 6 pixels apart.
void MakeRedPicker(TColorMChk& picker)
{
    AddNumberCaptions(picker, 33);
    picker.SetCellWidth(30);
    picker.SetCellHeight(20);
    picker.SetSpacing(6);
    picker.SetCheckColor(QColor(255, 153, 204));
    picker.SetCols(10);
}

QPoint Centre(const QRect& r)
{
    return r.center();
}

} // namespace

TEST(ColorMChk, PickersSizeThemselvesToTheirCells)
{
    TColorMChk red;
    MakeRedPicker(red);
    EXPECT_EQ(red.size(), QSize(426, 104));
    EXPECT_EQ(red.Rows(), 4);
    // Square 12 ("13") is the third of the second row.
    EXPECT_EQ(red.RectOfChk(12), QRect(QPoint(90, 32), QSize(30, 20)));

    TColorMChk blue;
    AddNumberCaptions(blue, 16);
    blue.SetCellWidth(30);
    blue.SetCellHeight(20);
    blue.SetSpacing(6);
    blue.SetCols(8);
    EXPECT_EQ(blue.size(), QSize(342, 52));

    EXPECT_EQ(ErrorText([&] { blue.RectOfChk(16); }), "RectOfChk Index Error!");
    EXPECT_EQ(ErrorText([&] { blue.RectOfChk(-1); }), "RectOfChk Index Error!");
}

TEST(ColorMChk, TextFormTrimsPiecesAndSkipsUnknownOnes)
{
    TColorMChk red;
    MakeRedPicker(red);
    red.SetCheckedText(",", " 01, 05,,33 ,xx");
    EXPECT_EQ(red.CheckedCount(), 3);
    EXPECT_EQ(red.GetCheck(0), 1);
    EXPECT_EQ(red.GetCheck(4), 1);
    EXPECT_EQ(red.GetCheck(32), 1);
    EXPECT_EQ(red.GetCheckedText(","), "01,05,33");

    // Import replaces what was on before; nothing on gives the empty text.
    red.SetCheckedText(",", "");
    EXPECT_EQ(red.CheckedCount(), 0);
    EXPECT_EQ(red.GetCheckedText(","), "");
    EXPECT_EQ(red.IndexOfCaption("07"), 6);
    EXPECT_EQ(red.IndexOfCaption("7"), -1);
}

TEST(ColorMChk, OnlyClicksAndSetCheckAnnounceAChange)
{
    TColorMChk red;
    MakeRedPicker(red);
    red.show();
    ChangeCounter changes(red);

    red.CheckAll();
    EXPECT_EQ(red.CheckedCount(), 33);
    red.InvertAll();
    EXPECT_EQ(red.CheckedCount(), 0);
    red.InvertAll();
    red.UncheckAll();
    red.SetCheckedText(",", "01,02");
    EXPECT_EQ(changes.Take(), 0);

    red.SetCheck(5, true);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(changes.LastSender(), &red);
    red.SetCheck(5, true); // same state: nothing happens
    EXPECT_EQ(changes.Take(), 0);
    EXPECT_EQ(ErrorText([&] { red.SetCheck(33, true); }), "SetCheck Error!");
    EXPECT_EQ(ErrorText([&] { red.GetCaption(33); }), "GetCaption Error!");
    EXPECT_EQ(red.GetCaption(32), "33");

    // A press on a square toggles it and announces it; a press in the gap between two squares only
    // takes the keyboard focus.
    QTest::mouseClick(&red, Qt::LeftButton, {}, Centre(red.RectOfChk(20)));
    EXPECT_EQ(red.GetCheck(20), 1);
    EXPECT_EQ(red.FocusIndex(), 20);
    EXPECT_EQ(changes.Take(), 1);
    const QRect a = red.RectOfChk(21);
    QTest::mouseClick(&red, Qt::LeftButton, {}, QPoint(a.right() + 3, a.center().y()));
    EXPECT_EQ(red.GetCheck(21), 0);
    EXPECT_EQ(red.GetCheck(22), 0);
    EXPECT_EQ(red.FocusIndex(), 20);
    EXPECT_EQ(changes.Take(), 0);
    EXPECT_EQ(red.GetCheckedText(","), "01,02,06,21");
}

TEST(ColorMChk, SquaresShowTheirStateInColour)
{
    TColorMChk red;
    MakeRedPicker(red);
    red.SetCheck(1, true);
    red.show();
    const QImage image = red.grab().toImage();
    const QRect on = red.RectOfChk(1);
    const QRect off = red.RectOfChk(2);
    EXPECT_EQ(image.pixelColor(on.left() + 3, on.top() + 3), QColor(255, 153, 204));
    EXPECT_EQ(image.pixelColor(off.left() + 3, off.top() + 3), red.palette().color(QPalette::Button));
    // The gap keeps the control's background.
    EXPECT_EQ(image.pixelColor(on.right() + 3, on.top() + 3), red.palette().color(QPalette::Window));
}
