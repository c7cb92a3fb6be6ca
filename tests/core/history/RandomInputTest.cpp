// Random bytes and random mutations of good lines fed to the readers of user text: each must give
// a result or a message and never crash or read outside its input (run under the sanitizers too).
#include <random>

#include <gtest/gtest.h>

#include "history/DemoHistory.h"
#include "history/DrawHistory.h"
#include "text/Encoding.h"
#include "text/IniFile.h"
#include "text/SplitText.h"

using namespace quorvane;

namespace {

std::string RandomBytes(std::mt19937& rng, std::size_t maxLen)
{
    std::string s(rng() % (maxLen + 1), '\0');
    for (char& c : s) {
        c = static_cast<char>(rng() % 256);
    }
    return s;
}

std::string Mutate(std::mt19937& rng, std::string line)
{
    const int edits = 1 + static_cast<int>(rng() % 4);
    static const char kAlphabet[] = " 0123456789+-\t\r\nax\xff\xcc";
    for (int e = 0; e < edits; ++e) {
        const std::size_t pos = line.empty() ? 0 : rng() % line.size();
        const char c = kAlphabet[rng() % (sizeof kAlphabet - 1)];
        switch (rng() % 3) {
        case 0:
            if (!line.empty()) {
                line[pos] = c;
            }
            break;
        case 1:
            line.insert(line.begin() + static_cast<std::ptrdiff_t>(pos), c);
            break;
        default:
            if (!line.empty()) {
                line.erase(pos, 1);
            }
            break;
        }
    }
    return line;
}

} // namespace

TEST(RandomInput, ParseDrawTextAcceptsOnlyValidDraws)
{
    std::mt19937 rng(12345);
    const auto good = MakeDemoHistoryLines(200, 3);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> lines;
        const int n = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < n; ++i) {
            lines.push_back(rng() % 4 == 0 ? RandomBytes(rng, 40) : Mutate(rng, good[rng() % good.size()]));
        }
        const ParseResult r = ParseDrawText(lines);
        if (!r.Ok) {
            ASSERT_TRUE(r.History.empty());
            ASSERT_EQ(r.Message.rfind(kBadLinesMessage, 0), 0u);
            continue;
        }
        for (const TBeenCodesRec& d : r.History) {
            ASSERT_GE(d.Blue, 1);
            ASSERT_LE(d.Blue, 16);
            for (std::size_t k = 0; k < 6; ++k) {
                ASSERT_GE(d.Reds[k], 1);
                ASSERT_LE(d.Reds[k], 33);
                if (k > 0) {
                    ASSERT_LT(d.Reds[k - 1], d.Reds[k]);
                }
            }
        }
    }
}

TEST(RandomInput, IniReaderAndSplitTextTakeAnyBytes)
{
    std::mt19937 rng(777);
    for (int round = 0; round < 3000; ++round) {
        std::string text = RandomBytes(rng, 200);
        if (round % 2 == 0) {
            text = "[条件设置]\r\n" + text + "\r\nk=" + RandomBytes(rng, 20);
        }
        const IniFile ini = IniFile::Parse(DecodeFileText(text));
        const IniFile again = IniFile::Parse(ini.ToText());
        ASSERT_EQ(again.Sections().size(), ini.Sections().size());

        const std::string delimiter = RandomBytes(rng, 2);
        std::size_t total = 0;
        for (const std::string& piece : SplitText(delimiter, text)) {
            ASSERT_FALSE(piece.empty());
            total += piece.size();
        }
        ASSERT_LE(total, text.size());
        ASSERT_TRUE(IsValidUtf8(DecodeFileText(text)));
    }
}
