#pragma once

#include <array>
#include <string>

// What a wheel promises. "中m保t" on v chosen numbers: whenever at least m of the six winning reds
// are among the chosen numbers, at least one ticket holds at least t of the winning reds.

namespace quorvane {

struct WheelGuarantee
{
    int Match = 6; // m: winning reds among the chosen numbers
    int Keep = 5;  // t: winning reds guaranteed on one ticket

    friend bool operator==(WheelGuarantee a, WheelGuarantee b)
    {
        return a.Match == b.Match && a.Keep == b.Keep;
    }
    friend bool operator!=(WheelGuarantee a, WheelGuarantee b) { return !(a == b); }
};

// The guarantees a wheel can be built for, strongest first.
inline constexpr std::array<WheelGuarantee, 9> kWheelGuarantees = {
    {{6, 6}, {6, 5}, {6, 4}, {6, 3}, {5, 5}, {5, 4}, {4, 4}, {4, 3}, {3, 3}}};

// Chosen numbers for a wheel: at least 7, at most all 33.
inline constexpr int kWheelMinNumbers = 7;
inline constexpr int kWheelMaxNumbers = 33;

// "中6保5".
std::string GuaranteeCaption(WheelGuarantee guarantee);

// "6:5", as the command line writes a guarantee.
std::string GuaranteeArg(WheelGuarantee guarantee);

// True for the guarantees of kWheelGuarantees.
bool IsWheelGuarantee(WheelGuarantee guarantee);

// The number of winning reds among the chosen ones that the wheel must answer for. Six winning reds
// hold at least v - 27 of any v chosen numbers (only 33 - v numbers are left outside), so with more
// than 27 + m chosen numbers the promise starts above m.
int EffectiveMatch(int chosen, WheelGuarantee guarantee);

} // namespace quorvane
