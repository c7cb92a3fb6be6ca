#include "controls/MultiChk.h"

#include <gtest/gtest.h>
#include <string>

#include <QTest>

#include "ControlTestSupport.h"
#include "TestSupport.h"

using quorvane::gui::TMultiChk;
using quorvane::test::ChangeCounter;
using quorvane::test::ErrorText;

namespace {

// A row of the condition pages: captions "0" .. "<count-1>".
void AddDigitCaptions(TMultiChk& control, int count)
{
    for (int n = 0; n < count; ++n) {
        control.AddItem(std::to_string(n));
    }
}

} // namespace

TEST(MultiChk, GeometryFollowsCellsColumnsAndCaptionWidth)
{
    TMultiChk chk;
    AddDigitCaptions(chk, 7);
    // Defaults: glyph 14, caption 26, row 14, spacing 3, 3 columns.
    EXPECT_EQ(chk.size(), QSize((6 + 14 + 26) * 3 + 3, (14 + 3) * 3 + 3));
    EXPECT_EQ(chk.RectOfChk(4), QRect(QPoint(46 + 3, 17 + 3), QSize(14, 14)));
    EXPECT_EQ(chk.RectOfCap(4), QRect(QPoint(49 + 14 + 3, 20), QSize(26, 14)));

    chk.SetCapWidth(40);
    chk.SetCols(7);
    EXPECT_EQ(chk.size(), QSize((6 + 14 + 40) * 7 + 3, 14 + 3 + 3));
    EXPECT_EQ(ErrorText([&] { chk.SetCapWidth(-1); }), "SetCapWidth Error!");
    EXPECT_EQ(ErrorText([&] { chk.RectOfCap(7); }), "RectOfCap Index Error!");
    EXPECT_EQ(ErrorText([&] { chk.SetCount(-1); }), "SetCount Error!");
    EXPECT_EQ(chk.CapWidth(), 40);
    EXPECT_EQ(chk.Count(), 7);
}

TEST(MultiChk, TextFormKeepsSpacesAroundPieces)
{
    TMultiChk chk;
    AddDigitCaptions(chk, 7);
    // " 2" keeps its leading space and names no caption.
    chk.SetCheckedText(",", "1, 2");
    EXPECT_EQ(chk.GetCheckedText(","), "1");
    chk.SetCheckedText("|", "|6||0|");
    EXPECT_EQ(chk.GetCheckedText("|"), "0|6");

    // Captions with spaces are written back as they are.
    TMultiChk pairs;
    pairs.AddItem("0 对");
    pairs.AddItem("1 对");
    pairs.SetCheckedText(",", "1 对");
    EXPECT_EQ(pairs.GetCheckedText(","), "1 对");
}

TEST(MultiChk, ArrowKeysMoveTheFocusWithinTheCells)
{
    TMultiChk chk;
    AddDigitCaptions(chk, 7); // rows: 0 1 2 / 3 4 5 / 6
    chk.show();
    ChangeCounter changes(chk);
    const auto focusAfter = [&](int from, Qt::Key key) {
        while (chk.FocusIndex() != from) {
            QTest::keyClick(&chk, chk.FocusIndex() < from ? Qt::Key_Right : Qt::Key_Left);
        }
        QTest::keyClick(&chk, key);
        return chk.FocusIndex();
    };
    EXPECT_EQ(focusAfter(4, Qt::Key_Down), 4); // 4 >= 7 - 3
    EXPECT_EQ(focusAfter(3, Qt::Key_Down), 6);
    EXPECT_EQ(focusAfter(1, Qt::Key_Up), 1);
    EXPECT_EQ(focusAfter(5, Qt::Key_Up), 2);
    EXPECT_EQ(focusAfter(6, Qt::Key_Right), 6);
    EXPECT_EQ(focusAfter(0, Qt::Key_Left), 0);
    changes.Take();

    // Home and End lay the control out again without moving the focus; every key is announced once.
    QTest::keyClick(&chk, Qt::Key_Right);
    QTest::keyClick(&chk, Qt::Key_Home);
    QTest::keyClick(&chk, Qt::Key_End);
    EXPECT_EQ(chk.FocusIndex(), 1);
    EXPECT_EQ(changes.Take(), 3);

    // Space toggles the focus cell and the change is announced after it.
    int seenChecked = -1;
    QObject::connect(&chk, &TMultiChk::OnChange, &chk,
                     [&](TMultiChk* sender) { seenChecked = sender->CheckedCount(); });
    QTest::keyClick(&chk, Qt::Key_Space);
    EXPECT_EQ(chk.GetCheckedText(","), "1");
    EXPECT_EQ(seenChecked, 1);
    QTest::keyClick(&chk, Qt::Key_Return);
    EXPECT_EQ(chk.GetCheckedText(","), "");
}

TEST(MultiChk, ChangesAreAnnouncedByClicksAndLayoutButNotBySetters)
{
    TMultiChk chk;
    ChangeCounter changes(chk);
    AddDigitCaptions(chk, 7);
    EXPECT_EQ(changes.Take(), 7);
    chk.show();

    chk.SetCols(3); // already 3
    chk.SetCapWidth(26);
    chk.SetCount(7);
    EXPECT_EQ(changes.Take(), 0);
    EXPECT_EQ(ErrorText([&] { chk.SetCols(-1); }), "SetCols Error!");
    EXPECT_EQ(ErrorText([&] { chk.SetCols(0); }), "SetCols Error!");
    EXPECT_EQ(chk.Cols(), 3);

    chk.SetCheck(2, true);
    chk.CheckAll();
    chk.UncheckAll();
    chk.SetCheckedText(",", "3");
    EXPECT_EQ(changes.Take(), 0);
    EXPECT_EQ(ErrorText([&] { chk.SetCheck(7, true); }), "SetCheck Error!");

    // A press on the caption toggles the cell just like a press on the glyph.
    QTest::mouseClick(&chk, Qt::LeftButton, {}, chk.RectOfCap(5).center());
    EXPECT_EQ(chk.GetCheckedText(","), "3,5");
    EXPECT_EQ(chk.FocusIndex(), 5);
    EXPECT_EQ(changes.Take(), 1);
    QTest::mouseClick(&chk, Qt::LeftButton, {}, chk.RectOfChk(5).center());
    EXPECT_EQ(chk.GetCheckedText(","), "3");
    EXPECT_EQ(changes.Take(), 1);
    // Between glyph and caption lies a gap of Spacing pixels that hits nothing.
    QTest::mouseClick(&chk, Qt::LeftButton, {},
                      QPoint(chk.RectOfChk(0).right() + 2, chk.RectOfChk(0).center().y()));
    EXPECT_EQ(chk.GetCheckedText(","), "3");
    EXPECT_EQ(changes.Take(), 0);

    chk.SetCols(2);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(chk.Rows(), 4);
}

TEST(MultiChk, ShrinkingBringsTheFocusBackToTheFirstCell)
{
    TMultiChk chk;
    AddDigitCaptions(chk, 7);
    chk.SetCheck(6, true);
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&chk, Qt::Key_Right);
    }
    EXPECT_EQ(chk.FocusIndex(), 6);
    chk.SetCount(4);
    EXPECT_EQ(chk.FocusIndex(), 0);
    EXPECT_EQ(chk.Rows(), 2);
    EXPECT_EQ(chk.GetCheckedText(","), "");
    // Growing again gives new cells without caption, off, that read and paint safely.
    chk.SetCount(9);
    EXPECT_EQ(chk.Captions().size(), 9u);
    EXPECT_EQ(chk.GetCaption(8), "");
    EXPECT_EQ(chk.CheckedCount(), 0);
    chk.CheckAll();
    EXPECT_EQ(chk.GetCheckedText(","), "0,1,2,3,,,,,");
    chk.grab();
}
