#include "wheel/WheelCheck.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "wheel/KeepSets.h"

namespace quorvane {

namespace {

constexpr PointMask kAllPoints = (PointMask{1} << 33) - 1;

bool IsRedSet(const TCodeRedArr& reds)
{
    for (std::size_t i = 0; i < reds.size(); ++i) {
        if (reds[i] < 1 || reds[i] > 33 || (i > 0 && reds[i] <= reds[i - 1])) {
            return false;
        }
    }
    return true;
}

PointMask ChosenMask(const std::vector<int>& numbers)
{
    PointMask chosen = 0;
    for (const int n : numbers) {
        if (n < 1 || n > 33 || (chosen & PointBit(n - 1)) != 0) {
            throw std::invalid_argument("wheel numbers must be distinct numbers 1..33");
        }
        chosen |= PointBit(n - 1);
    }
    if (numbers.size() < kWheelMinNumbers || numbers.size() > kWheelMaxNumbers) {
        throw std::invalid_argument("a wheel needs 7..33 numbers");
    }
    return chosen;
}

} // namespace

CoverVerdict CheckWheel(const std::vector<int>& numbers, const TCodeRedArrArr& tickets,
                        WheelGuarantee guarantee)
{
    const PointMask chosen = ChosenMask(numbers);
    if (!IsWheelGuarantee(guarantee)) {
        throw std::invalid_argument("not a wheel guarantee");
    }
    KeepSets held(guarantee.Keep);
    for (const TCodeRedArr& t : tickets) {
        const PointMask ticket = MaskOfTicket(t);
        if (!IsRedSet(t) || (ticket & ~chosen) != 0) {
            throw std::invalid_argument("a wheel ticket must be six ascending chosen numbers");
        }
        held.Add(ticket);
    }
    // Every draw that the guarantee speaks of meets the chosen numbers in at least `match` of them,
    // and therefore holds some `match`-set of them; and each such set is the whole meeting of some
    // draw, filled up with numbers that are not chosen. So testing those sets is exact.
    const int match = EffectiveMatch(static_cast<int>(numbers.size()), guarantee);
    CoverVerdict verdict;
    ForEachSubset(chosen, match, [&](PointMask set) {
        if (held.Hits(set)) {
            return true;
        }
        PointMask draw = set;
        for (PointMask rest = kAllPoints & ~chosen; PointCount(draw) < 6; rest &= rest - 1) {
            draw |= PointBit(LowestPoint(rest));
        }
        verdict.Holds = false;
        verdict.Counterexample = TicketOfMask(draw);
        return false;
    });
    return verdict;
}

CoverVerdict CheckReduction(const TCodeRedArrArr& survivors, const TCodeRedArrArr& tickets, int keep)
{
    if (keep < 1 || keep > 6) {
        throw std::invalid_argument("a reduction keeps 1..6 reds");
    }
    KeepSets held(keep);
    for (const TCodeRedArr& t : tickets) {
        held.Add(MaskOfTicket(t));
    }
    CoverVerdict verdict;
    const auto missed = std::find_if(survivors.begin(), survivors.end(),
                                     [&held](const TCodeRedArr& s) { return !held.Hits(MaskOfTicket(s)); });
    if (missed != survivors.end()) {
        verdict.Holds = false;
        verdict.Counterexample = *missed;
    }
    return verdict;
}

} // namespace quorvane
