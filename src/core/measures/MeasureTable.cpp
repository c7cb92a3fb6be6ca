#include "measures/MeasureTable.h"

#include "measures/Layouts.h"
#include "measures/Measures.h"
#include "text/CheckedText.h"

namespace quorvane {

namespace {

// A histogram or vector measure as its numbers joined by ",".
template <std::size_t N> std::string JoinNumbers(const std::array<int, N>& values)
{
    return ValuesToText({values.begin(), values.end()}, ",");
}

} // namespace

std::vector<MeasureValue> MeasureValuesOf(const TCodeRedArr& a, const TCodeRedArr* prev)
{
    std::vector<MeasureValue> v;
    const auto add = [&v](std::string name, int value) {
        v.push_back({std::move(name), std::to_string(value)});
    };
    add("SumOfCodeArr", SumOfCodeArr(a));
    add("AverageOfCodeArr", AverageOfCodeArr(a));
    add("TailSumOfCodeArr", TailSumOfCodeArr(a));
    add("OddNumOfCodeArr", OddNumOfCodeArr(a));
    add("EvenNumOfCodeArr", EvenNumOfCodeArr(a));
    add("OddEvenDevOfCodeArr", OddEvenDevOfCodeArr(a));
    add("BigNumOfCodeArr", BigNumOfCodeArr(a));
    add("SmallNumOfCodeArr", SmallNumOfCodeArr(a));
    add("BigSmallDevOfCodeArr", BigSmallDevOfCodeArr(a));
    add("BigTailNumOfCodeArr", BigTailNumOfCodeArr(a));
    add("OddChainOfCodeArr", OddChainOfCodeArr(a));
    add("EvenChainOfCodeArr", EvenChainOfCodeArr(a));
    add("ACOfCodeArr", ACOfCodeArr(a));
    add("PrimeNumOfCodeArr", PrimeNumOfCodeArr(a));
    add("ConsecNumOfCodeArr", ConsecNumOfCodeArr(a));
    add("ConsecGroupOfCodeArr", ConsecGroupOfCodeArr(a));
    const ConsecRuns runs = ConsecRunsOfCodeArr(a);
    v.push_back({"ConsecRunsOfCodeArr", JoinNumbers(runs.Hist)});
    add("ConsecRunsOfCodeArr.Longest", runs.Longest);
    add("ConsecRunsOfCodeArr.Count", runs.Count);
    add("HeadTailDiffOfCodeArr", HeadTailDiffOfCodeArr(a));
    add("MaxGapOfCodeArr", MaxGapOfCodeArr(a));
    add("MinGapOfCodeArr", MinGapOfCodeArr(a));
    v.push_back({"GapVectorOfCodeArr", JoinNumbers(GapVectorOfCodeArr(a))});
    v.push_back({"GapHistOfCodeArr", JoinNumbers(GapHistOfCodeArr(a))});
    add("SameTailGroupOfCodeArr", SameTailGroupOfCodeArr(a));
    add("TailGroupNumOfCodeArr", TailGroupNumOfCodeArr(a));
    add("MaxTailRepeatOfCodeArr", MaxTailRepeatOfCodeArr(a));
    v.push_back({"TailHistOfCodeArr", JoinNumbers(TailHistOfCodeArr(a))});
    add("TailMod5GroupOfCodeArr", TailMod5GroupOfCodeArr(a));
    for (int r = 0; r < 3; ++r) {
        add("Mod3NumOfCodeArr(" + std::to_string(r) + ")", Mod3NumOfCodeArr(a, r));
    }
    add("Mod6GroupOfCodeArr", Mod6GroupOfCodeArr(a));
    add("Zone6GroupOfCodeArr", Zone6GroupOfCodeArr(a));
    for (int z = 1; z <= 3; ++z) {
        add("ZoneNumOfCodeArr(" + std::to_string(z) + ")", ZoneNumOfCodeArr(a, z));
    }
    for (int z = 1; z <= 3; ++z) {
        add("ZoneSumOfCodeArr(" + std::to_string(z) + ")", ZoneSumOfCodeArr(a, z));
    }
    for (int r = 0; r < 6; ++r) {
        add("TailRowNumOfCodeArr(" + std::to_string(r) + ")", TailRowNumOfCodeArr(a, r));
    }
    for (int c = 0; c < 6; ++c) {
        add("TailColNumOfCodeArr(" + std::to_string(c) + ")", TailColNumOfCodeArr(a, c));
    }
    if (prev != nullptr) {
        add("SamePosOfCodeArr", SamePosOfCodeArr(a, *prev));
        add("RepeatOfCodeArr", RepeatOfCodeArr(a, *prev));
        add("DiagonalOfCodeArr", DiagonalOfCodeArr(a, *prev));
        add("SameTailWithOfCodeArr", SameTailWithOfCodeArr(a, *prev));
    }
    return v;
}

} // namespace quorvane
