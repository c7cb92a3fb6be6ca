#include <gtest/gtest.h>

#include "text/Encoding.h"

using namespace quorvane;

namespace {
// "条件设置" in GBK.
const std::string kGbk = "\xcc\xf5\xbc\xfe\xc9\xe8\xd6\xc3";
const std::string kUtf8 = "条件设置";
} // namespace

TEST(Encoding, ConvertsBetweenGbkAndUtf8)
{
    EXPECT_EQ(GbkToUtf8(kGbk), kUtf8);
    EXPECT_EQ(Utf8ToGbk(kUtf8), kGbk);
    EXPECT_EQ(Utf8ToGbk("abc 01"), "abc 01");
    // Characters GBK cannot hold become '?'.
    EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");
}

TEST(Encoding, FileTextMayBeGbkOrUtf8WithOrWithoutBom)
{
    EXPECT_EQ(DecodeFileText(kGbk), kUtf8);
    EXPECT_EQ(DecodeFileText(kUtf8), kUtf8);
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" + kUtf8), kUtf8);
    EXPECT_EQ(DecodeFileText(""), "");
}

TEST(Encoding, InvalidBytesBecomeReplacementCharacters)
{
    // 0xFF is neither UTF-8 nor GBK; a lone lead byte at the end is cut off.
    const std::string decoded = DecodeFileText("a\xff" "b\xcc");
    EXPECT_TRUE(IsValidUtf8(decoded));
    EXPECT_EQ(decoded, "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));       // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));   // surrogate
    EXPECT_TRUE(IsValidUtf8(std::string("a\0b", 3)));
}
