// The prize answer: no crash; a refused answer gives a message; an accepted one gives a report that
// repeats the answer and counts no more winning tickets than there are survivors.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/TicketPool.h"
#include "shrink/PrizeCheck.h"
#include "text/UserError.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TicketPool pool = [] {
        TicketPool p;
        BuildTicketPool(p);
        return p;
    }();
    // Every 5,000th ticket survives (222 tickets), blues 01, 05 and 16 are checked.
    static const SurvivorFlags flags = [] {
        SurvivorFlags f(pool.size(), 0);
        for (std::size_t i = 0; i < f.size(); i += 5000) {
            f[i] = 1;
        }
        return f;
    }();
    static const TCheckCells<16> blues = [] {
        TCheckCells<16> b{};
        b[0] = b[4] = b[15] = 1;
        return b;
    }();

    const std::string_view answer(reinterpret_cast<const char*>(data), size);
    PrizeCheckResult result;
    try {
        const PrizeAnswer parsed = ParsePrizeAnswer(answer);
        result = CheckPrizes(answer, blues, pool, flags, true);
        QUORVANE_FUZZ_CHECK(!result.NeedsConfirmation);
        QUORVANE_FUZZ_CHECK(result.Lines.size() > 3);
        QUORVANE_FUZZ_CHECK(result.Lines[2].find(parsed.Text) != std::string::npos);
    } catch (const UserError& e) {
        QUORVANE_FUZZ_CHECK(e.what()[0] != '\0');
    }
    return 0;
}
