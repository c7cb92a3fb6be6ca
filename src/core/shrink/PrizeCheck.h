#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/TicketPool.h"
#include "shrink/ShrinkConditions.h"

// The prize check ("号码兑奖"): every surviving ticket of the last shrink run is checked against a
// typed draw, with the checked blues or with reds only, and the winners are listed in a report
// that replaces the result memo.

namespace quorvane {

inline constexpr const char* kPrizeDialogTitle = "开奖号码";
inline constexpr const char* kPrizeDialogPrompt = "请输入兑奖的开奖号码：";
inline constexpr const char* kPrizeFormatMessage = "开奖号码填写有错误，请重新填写好开奖号码，最少包含6个红球"
                                                   "。\r\n格式如：\r\n01 02 09 21 30 32+05\r\n或者\r\n"
                                                   "01 02 09 21 30 32";
inline constexpr const char* kPrizeNoRedsMessage = "缩水结果没有有效的红球号码，请重新缩水产生红球号码。";
inline constexpr const char* kPrizeNoBlueMessage = "蓝球没有选择，请打开\"选号范围\"，设置好要投注的蓝球。";

// Above this many survivors the prize check asks before it starts.
inline constexpr std::int32_t kPrizeConfirmThreshold = 20000;

// Prize levels 0 (no prize) to 6 and their labels; label 0 is two spaces.
inline constexpr int kPrizeLevelCount = 7;
const std::array<const char*, kPrizeLevelCount>& PrizeLabels();

// The level of a ticket with redHits (0..6) red numbers of the draw and blueHit (1 when the played
// blue is the drawn blue, else 0).
int PrizeLevel(int redHits, int blueHit);

// A typed draw: six reds and an optional blue.
struct PrizeAnswer
{
    std::string Text;                   // the trimmed answer, as the report repeats it
    std::array<std::int32_t, 6> Reds{}; // as typed; a number outside 1..33 never matches
    bool HasBlue = false;
    std::int32_t Blue = 0;
};

// Reads the answer: trimmed; with a "+" the blue is the (at most) two characters that follow the
// first "+" and the spaces after it, trimmed, as a whole number (else UserError with the integer message) and the reds are the
// text before it. The red text is split at spaces and its first six pieces must be whole numbers,
// else UserError(kPrizeFormatMessage).
PrizeAnswer ParsePrizeAnswer(std::string_view answer);

// "红球号码总共" + survivors + "组，兑奖时间比较长，继续吗？" and the advice to add conditions first.
std::string PrizeConfirmQuestion(std::int32_t survivors);

struct PrizeCheckResult
{
    // More than kPrizeConfirmThreshold survivors and not confirmed: ask Question (Yes/No) and, on
    // Yes, check again with confirmed = true.
    bool NeedsConfirmation = false;
    std::string Question;
    std::vector<std::string> Lines; // the report, empty when confirmation is needed
};

// The whole check: parses the answer, checks that there are survivors (and checked blues when the
// answer has a blue), asks for confirmation above the threshold unless confirmed, and builds the
// report. The user's mistakes throw UserError with their message; nothing is changed.
PrizeCheckResult CheckPrizes(std::string_view answer, const TCheckCells<16>& blues, const TicketPool& pool,
                             const SurvivorFlags& flags, bool confirmed);

} // namespace quorvane
