#pragma once

#include <chrono>
#include <cstdint>

// How long the wheel and reduction searches may run. Both are anytime searches: each step keeps a
// valid result, and they stop when the time or the step limit runs out. For a given seed every step
// is the same from run to run, so a step limit gives the same result every time; a time budget
// cuts at whatever step the machine has reached, so the same seed and seconds can end at different
// steps (and results) on a busy or a different machine.

namespace quorvane {

struct SearchOptions
{
    double Seconds = 2.0;       // wall-clock budget of the search, > 0
    std::uint64_t MaxSteps = 0; // local-search steps; 0: no limit but the time
    std::uint32_t Seed = 1;     // start of the search's random generator
};

class SearchDeadline final
{
public:
    explicit SearchDeadline(const SearchOptions& options)
        : m_start(Clock::now())
        , m_seconds(options.Seconds)
        , m_maxSteps(options.MaxSteps)
    {
    }

    // Reads the clock.
    bool TimeUp() const { return Elapsed() >= m_seconds; }

    // True once this share (0..1) of the time has passed: a phase that must leave time for a quick
    // finish stops here.
    bool PastShare(double share) const { return Elapsed() >= m_seconds * share; }

    // For a search loop: true once `steps` reached the step limit, or when the time is up (the clock
    // is read every `interval` steps, 256 unless the steps are slow enough to read it more often).
    bool StepsDone(std::uint64_t steps)
    {
        if (m_maxSteps != 0 && steps >= m_maxSteps) {
            return true;
        }
        if (steps % m_interval == 0) {
            m_timeUp = TimeUp();
        }
        return m_timeUp;
    }

    void SetClockInterval(std::uint64_t steps) { m_interval = steps < 1 ? 1 : steps; }

    double Elapsed() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start;
    double m_seconds;
    std::uint64_t m_maxSteps;
    std::uint64_t m_interval = 256;
    bool m_timeUp = false;
};

} // namespace quorvane
