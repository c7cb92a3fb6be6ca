#pragma once

#include <string>
#include <vector>

#include "base/CodeRedArr.h"

namespace quorvane {

struct MeasureValue
{
    std::string Name;  // the measure's name, with its argument where it takes one: "Mod3NumOfCodeArr(0)"
    std::string Value; // a number, or a histogram as numbers joined by ","
};

// Every measure of a red set in table order; with a previous draw, the relational measures too.
std::vector<MeasureValue> MeasureValuesOf(const TCodeRedArr& reds, const TCodeRedArr* prev);

} // namespace quorvane
