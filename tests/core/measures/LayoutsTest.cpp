#include <gtest/gtest.h>

#include "measures/Layouts.h"

using namespace quorvane;

TEST(Layouts, TailRowColumnBoardPlacesEveryNumberOnce)
{
    int placed = 0;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            const int n = TailLayoutNumberAt(r, c);
            if (n == 0) {
                continue;
            }
            ++placed;
            EXPECT_EQ(TailRowOf(n), r) << n;
            EXPECT_EQ(TailColOf(n), c) << n;
        }
    }
    EXPECT_EQ(placed, 33);
    EXPECT_EQ(TailLayoutNumberAt(4, 3), 10);
    EXPECT_EQ(TailLayoutNumberAt(5, 3), 0);
    EXPECT_EQ(TailRowNumOfCodeArr({1, 2, 11, 21, 31, 33}, 0), 4);
    EXPECT_EQ(TailColNumOfCodeArr({1, 2, 11, 21, 31, 33}, 0), 2);
}

TEST(Layouts, SixBySixAndTailDigitBoards)
{
    EXPECT_EQ(SixRowOf(6), 0);
    EXPECT_EQ(SixRowOf(7), 1);
    EXPECT_EQ(SixRowOf(33), 5);
    EXPECT_EQ(SixColOf(33), 2);
    EXPECT_EQ(Tail3DRowOf(19), 3);
    EXPECT_EQ(Tail3DColOf(19), 0);
    EXPECT_EQ(Tail3DRowOf(20), 0);
    EXPECT_EQ(Tail3DColOf(25), 2);
}

TEST(Layouts, ZonePartitionBoundaries)
{
    const std::pair<int, std::vector<int>> partitions[] = {
        {3, {11, 22, 33}}, {4, {8, 16, 24, 33}}, {5, {7, 14, 21, 28, 33}}, {6, {6, 12, 18, 24, 30, 33}},
        {11, {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33}}};
    for (const auto& [parts, lasts] : partitions) {
        int first = 1;
        for (std::size_t z = 0; z < lasts.size(); ++z) {
            EXPECT_EQ(ZoneOf(parts, first), static_cast<int>(z) + 1) << parts << " " << first;
            EXPECT_EQ(ZoneOf(parts, lasts[z]), static_cast<int>(z) + 1) << parts << " " << lasts[z];
            first = lasts[z] + 1;
        }
    }
    EXPECT_EQ(ZoneCountOfCodeArr({1, 8, 9, 16, 17, 33}, 4, 2), 2);
}

TEST(Layouts, BlueMeasures)
{
    EXPECT_EQ(BlueHalfOf(8), 0);
    EXPECT_EQ(BlueHalfOf(9), 1);
    EXPECT_EQ(BlueQuarterOf(4), 0);
    EXPECT_EQ(BlueQuarterOf(12), 2);
    EXPECT_EQ(BlueQuarterOf(13), 3);
    EXPECT_EQ(BlueMod3(16), 1);
    EXPECT_TRUE(BlueIsOdd(15));
}
