#include "wheel/WheelGuarantee.h"

#include <algorithm>

namespace quorvane {

std::string GuaranteeCaption(WheelGuarantee guarantee)
{
    return "中" + std::to_string(guarantee.Match) + "保" + std::to_string(guarantee.Keep);
}

std::string GuaranteeArg(WheelGuarantee guarantee)
{
    return std::to_string(guarantee.Match) + ":" + std::to_string(guarantee.Keep);
}

bool IsWheelGuarantee(WheelGuarantee guarantee)
{
    return std::find(kWheelGuarantees.begin(), kWheelGuarantees.end(), guarantee) != kWheelGuarantees.end();
}

int EffectiveMatch(int chosen, WheelGuarantee guarantee)
{
    return std::max(guarantee.Match, chosen - 27);
}

} // namespace quorvane
