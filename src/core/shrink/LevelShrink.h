#pragma once

#include <string>
#include <vector>

#include "base/TicketPool.h"

// The level shrink ("级别缩水"): an evenly spread subset of the survivors of the last shrink run,
// smaller at each of twenty levels. It reads the run's flags and never changes them.

namespace quorvane {

inline constexpr int kLevelCount = 20;
inline constexpr const char* kLevelShrinkNeedsRunMessage =
    "先执行缩水命令，得到若干注号码，然后才能执行级别缩水！";

// The factor of level 1..20: 0.8 to the power of the level, in single precision.
float LevelFactor(int level);

// The caption of the menu item of a level: "第" + level + "级智能缩水号码".
std::string LevelMenuCaption(int level);

// The status text after a level shrink: "完成 第" + level + "级智能预测".
std::string LevelShrinkStatus(int level);

// The memo lines of the level shrink of level 1..20: the line "第L级智能预测(K注):", the K chosen
// tickets one to a line, and an empty line. Above 20,000 survivors only every step-th survivor
// (step = ceiling(survivors / 10000)) is a candidate; the candidates are walked in pool order with
// a single-precision accumulator that grows by the level's factor, and a candidate is chosen
// whenever the accumulator has moved a whole unit past the tickets chosen so far.
// Throws UserError(kLevelShrinkNeedsRunMessage) when the pool holds fewer than 1,100,000 entries
// (no shrink run yet).
std::vector<std::string> LevelShrinkLines(const TicketPool& pool, const SurvivorFlags& flags, int level);

} // namespace quorvane
