// A --set value for any key (the first byte picks the key): no crash; a refused value gives a
// message; an accepted value of a control with a fixed set of states (a switch, a number, a range,
// a picker) reads back as the same text once written and read again, and that text passes the
// strict reading. (Lists and free texts keep their pieces untrimmed, so "a #" reads as the entry
// "a ", which written alone reads as "a": there the text is the user's own.)
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "shrink/ConditionKeys.h"
#include "text/UserError.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::vector<ConditionKey>& keys = ConditionKeys();
    const ConditionKey& key = keys[data[0] % keys.size()];
    const std::string_view value(reinterpret_cast<const char*>(data) + 1, size - 1);

    // The command line's strict reading takes any value too.
    [[maybe_unused]] const std::string problem = StrictSettingProblem(key, value);
    ShrinkConditions c;
    try {
        key.Set(c, value);
    } catch (const UserError& e) {
        QUORVANE_FUZZ_CHECK(e.what()[0] != '\0');
        return 0;
    }
    if (key.Encoding == ConditionEncoding::EntryList || key.Encoding == ConditionEncoding::Text) {
        return 0;
    }
    const std::string text = key.Get(c);
    ShrinkConditions again;
    key.Set(again, text);
    QUORVANE_FUZZ_CHECK(key.Get(again) == text);
    // What the control writes is always acceptable to the strict reading.
    QUORVANE_FUZZ_CHECK(StrictSettingProblem(key, text).empty());
    return 0;
}
