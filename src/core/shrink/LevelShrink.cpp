#include "shrink/LevelShrink.h"

#include <cmath>
#include <cstdint>

#include "text/FormatNumbers.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

constexpr std::size_t kRunPoolMinimum = 1100000;
constexpr std::int32_t kThinAbove = 20000;
constexpr std::int32_t kThinTarget = 10000;

} // namespace

float LevelFactor(int level)
{
    return static_cast<float>(std::pow(0.8, level));
}

std::string LevelMenuCaption(int level)
{
    return "第" + std::to_string(level) + "级智能缩水号码";
}

std::string LevelShrinkStatus(int level)
{
    return "完成 第" + std::to_string(level) + "级智能预测";
}

std::vector<std::string> LevelShrinkLines(const TicketPool& pool, const SurvivorFlags& flags, int level)
{
    if (pool.size() < kRunPoolMinimum) {
        throw UserError(kLevelShrinkNeedsRunMessage);
    }
    const std::int32_t survivors = CountPoolSurvivors(pool, flags);
    const std::int32_t step = survivors > kThinAbove ? (survivors + kThinTarget - 1) / kThinTarget : 1;
    const float factor = LevelFactor(level);

    std::vector<std::string> lines(1);
    std::int32_t running = 0;
    float x = 0.0f; // single precision: rounded after every addition
    std::int32_t y = 0;
    ForEachSurvivor(pool, flags, [&](const TCodeRedArr& ticket) {
        if (++running % step != 0) {
            return;
        }
        x = x + factor;
        if (static_cast<double>(x) - y >= 1.0) {
            lines.push_back(FormatTicket(ticket));
            ++y;
        }
    });
    lines.emplace_back();
    lines.front() = "第" + std::to_string(level) + "级智能预测(" + std::to_string(y) + "注):";
    return lines;
}

} // namespace quorvane
