#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/Random.h"

namespace quorvane {

// The acceptance rule shared by the wheel and reduction searches, whose cost is the number of open
// (uncovered) cases: a move that opens d more cases than it closes is made with the probability
// exp(-d / temperature). The temperature follows the search: after every window of steps it falls
// while more than kAimedOpen cases were open on average and rises while fewer were, so that small
// and large problems alike hover a few cases away from a complete cover, where covers are found.
class AnnealTemperature final
{
public:
    static constexpr double kStart = 0.5;
    static constexpr double kAimedOpen = 6.0;
    static constexpr double kStep = 1.03;
    static constexpr double kLeast = 0.05;
    static constexpr double kMost = 2.0;

    explicit AnnealTemperature(std::uint64_t window)
        : m_window(std::max<std::uint64_t>(window, 1))
    {
    }

    // Called once per step with the number of cases open before the step.
    void Observe(std::int64_t open)
    {
        m_openSum += static_cast<double>(open);
        if (++m_steps % m_window == 0) {
            m_temperature *= m_openSum / static_cast<double>(m_window) > kAimedOpen ? 1 / kStep : kStep;
            m_temperature = std::clamp(m_temperature, kLeast, kMost);
            m_openSum = 0;
        }
    }

    bool Accept(std::int64_t delta, Random& random) const
    {
        return delta <= 0 || random.NextReal() < std::exp(-static_cast<double>(delta) / m_temperature);
    }

private:
    std::uint64_t m_window;
    std::uint64_t m_steps = 0;
    double m_openSum = 0;
    double m_temperature = kStart;
};

} // namespace quorvane
