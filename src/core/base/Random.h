#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvane {

// The program's pseudo-random generator: a 32-bit linear congruential state, 0 when the program
// starts and never reseeded, so its sequence is the same in every run. The program holds one
// object and passes it to every feature that draws (the random picks, the random reference sets).
class Random final
{
public:
    Random() = default;
    explicit Random(std::uint32_t state)
        : m_state(state)
    {
    }

    // One step, then (state * range) div 2^32: a value in 0..range-1 (0 for range <= 0).
    std::int32_t Next(std::int32_t range)
    {
        Step();
        if (range <= 0) {
            return 0;
        }
        return static_cast<std::int32_t>(
            (static_cast<std::uint64_t>(m_state) * static_cast<std::uint32_t>(range)) >> 32);
    }

    // One step, then state / 2^32: a value in [0, 1).
    double NextReal()
    {
        Step();
        return static_cast<double>(m_state) / 4294967296.0;
    }

    std::uint32_t State() const { return m_state; }

private:
    void Step() { m_state = m_state * 134775813u + 1u; }

    std::uint32_t m_state = 0;
};

// Up to `attempts` draws of random.Next(range), each value not drawn before kept, until `wanted`
// are kept; the kept values in the order they were drawn. Next(range) equals
// trunc(NextReal() * range) for the same step.
inline std::vector<int> DrawDistinct(Random& random, int range, int wanted, int attempts)
{
    std::vector<int> kept;
    if (range <= 0) {
        return kept;
    }
    std::vector<bool> seen(static_cast<std::size_t>(range), false);
    for (int attempt = 0; attempt < attempts && static_cast<int>(kept.size()) < wanted; ++attempt) {
        const int value = random.Next(range);
        if (!seen[static_cast<std::size_t>(value)]) {
            seen[static_cast<std::size_t>(value)] = true;
            kept.push_back(value);
        }
    }
    return kept;
}

} // namespace quorvane
