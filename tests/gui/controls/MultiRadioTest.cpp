#include "controls/MultiRadio.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ControlTestSupport.h"
#include "TestSupport.h"

using quorvane::gui::TMultiRadio;
using quorvane::test::ChangeCounter;
using quorvane::test::ErrorText;

TEST(MultiRadio, OneCellIsOnAtATimeAndClicksAreNotAnnounced)
{
    // A zone-sum setting row: "未定", "奇数", "偶数" with 40-pixel captions.
    TMultiRadio radio;
    radio.AddItem("未定");
    radio.AddItem("奇数");
    radio.AddItem("偶数");
    radio.SetCapWidth(40);
    EXPECT_EQ(radio.size(), QSize((6 + 14 + 40) * 3 + 3, 14 + 3 + 3));
    radio.show();
    ChangeCounter changes(radio);

    QTest::mouseClick(&radio, Qt::LeftButton, {}, radio.RectOfCap(1).center());
    EXPECT_EQ(radio.Checked(), (std::vector<std::uint8_t>{0, 1, 0}));
    QTest::mouseClick(&radio, Qt::LeftButton, {}, radio.RectOfChk(2).center());
    EXPECT_EQ(radio.Checked(), (std::vector<std::uint8_t>{0, 0, 1}));
    EXPECT_EQ(radio.FocusIndex(), 2);
    EXPECT_EQ(changes.Take(), 0);

    // Keys move the focus and Space picks the focus cell; each key is announced.
    QTest::keyClick(&radio, Qt::Key_Left);
    QTest::keyClick(&radio, Qt::Key_Left);
    QTest::keyClick(&radio, Qt::Key_Space);
    EXPECT_EQ(radio.Checked(), (std::vector<std::uint8_t>{1, 0, 0}));
    EXPECT_EQ(changes.Take(), 3);

    radio.UncheckAll();
    EXPECT_EQ(radio.Checked(), (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_EQ(changes.Take(), 0);
    EXPECT_EQ(ErrorText([&] { radio.RectOfChk(3); }), "RectOfChk Index Error!");
}
