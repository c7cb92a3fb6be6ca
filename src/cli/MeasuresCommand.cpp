#include <array>
#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "measures/MeasureTable.h"
#include "text/UserError.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage = "quorvane-cli measures R1 R2 R3 R4 R5 R6 [--prev P1 P2 P3 P4 P5 P6]";
constexpr const char* kBadRedSet = "红球必须是1到33之间的六个不同号码";

TCodeRedArr RedSetOf(const std::vector<std::string>& words)
{
    std::array<int, 6> numbers{};
    for (std::size_t i = 0; i < 6; ++i) {
        numbers[i] = IntArg(words[i]);
    }
    const auto reds = ToCodeRedArr(numbers);
    if (!reds) {
        throw UserError(kBadRedSet);
    }
    return *reds;
}

} // namespace

int RunMeasuresCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // "--prev" is followed by six numbers, so split the words by hand.
    std::vector<std::string> current;
    std::vector<std::string> previous;
    bool inPrev = false;
    for (const std::string& a : args) {
        if (a == "--prev") {
            if (inPrev) {
                return UsageError(err, "--prev given twice", kUsage);
            }
            inPrev = true;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            return UsageError(err, "unknown option " + a, kUsage);
        } else {
            (inPrev ? previous : current).push_back(a);
        }
    }
    if (current.size() != 6 || (inPrev && previous.size() != 6)) {
        return UsageError(err, "six red numbers are needed", kUsage);
    }
    const TCodeRedArr reds = RedSetOf(current);
    TCodeRedArr prev{};
    if (inPrev) {
        prev = RedSetOf(previous);
    }
    for (const MeasureValue& m : MeasureValuesOf(reds, inPrev ? &prev : nullptr)) {
        out << m.Name << '=' << m.Value << '\n';
    }
    return kExitOk;
}

} // namespace quorvane::cli
