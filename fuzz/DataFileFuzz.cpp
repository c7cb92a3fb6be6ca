// The data file: any bytes are decoded, split into lines and parsed without a crash; a refused text
// gives the bad-lines message; an accepted one, saved as the program saves it (GBK, CR LF) and read
// back, gives the same draws.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "history/DrawHistory.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitLines(DecodeFileText(bytes));
    const ParseResult parsed = ParseDrawText(lines);
    if (!parsed.Ok) {
        QUORVANE_FUZZ_CHECK(!parsed.Message.empty());
        QUORVANE_FUZZ_CHECK(parsed.History.empty());
        return 0;
    }
    std::string saved;
    for (const std::string& line : lines) {
        saved += line;
        saved += "\r\n";
    }
    const ParseResult again = ParseDrawText(SplitLines(DecodeFileText(Utf8ToGbk(saved))));
    QUORVANE_FUZZ_CHECK(again.Ok);
    QUORVANE_FUZZ_CHECK(again.History == parsed.History);
    return 0;
}
