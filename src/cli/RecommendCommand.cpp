#include <functional>
#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "base/Random.h"
#include "recommend/NumberRecommend.h"
#include "recommend/PropertyRecommend.h"
#include "recommend/QuickPicks.h"
#include "recommend/TicketForecast.h"
#include "shrink/ShrinkCaptions.h"
#include "text/CheckedText.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage =
    "quorvane-cli recommend KIND --data FILE [--repeat K]\n"
    "KIND: cold hot must banker single compound23 compound15 compound12 tail oddeven\n"
    "      zonesum1 zonesum2 zonesum3 expert-red expert-blue random-red random-blue";
constexpr int kMaxRepeat = 10000;

using MemoCommand = std::function<RecommendResult(const DrawHistory&)>;
using PickCommand = std::function<std::vector<int>(const DrawHistory&, Random&)>;

// A command of the recommendation view (memo lines) or a quick pick (cells of a selector).
struct RecommendKind
{
    const char* Name;
    MemoCommand Memo;
    PickCommand Pick;
    int Cells = 0; // cells of the pick's selector
    bool NeedsHistory = true;
};

std::vector<RecommendKind> Kinds()
{
    using H = const DrawHistory&;
    return {
        {"cold", ColdNumberRecommend, nullptr},
        {"hot", HotNumberRecommend, nullptr},
        {"must", MustNumberRecommend, nullptr},
        {"banker", BankerNumberRecommend, nullptr},
        {"single", SingleTicketForecast, nullptr},
        {"compound23", [](H h) { return CompoundForecast(h, CompoundKind::Reds22Groups2); }, nullptr},
        {"compound15", [](H h) { return CompoundForecast(h, CompoundKind::Reds15Groups20); }, nullptr},
        {"compound12", [](H h) { return CompoundForecast(h, CompoundKind::Reds12Groups30); }, nullptr},
        {"tail", TailRecommend, nullptr},
        {"oddeven", OddEvenRecommend, nullptr},
        {"zonesum1", [](H h) { return ZoneSumRecommend(h, 1); }, nullptr},
        {"zonesum2", [](H h) { return ZoneSumRecommend(h, 2); }, nullptr},
        {"zonesum3", [](H h) { return ZoneSumRecommend(h, 3); }, nullptr},
        {"expert-red", nullptr, [](H h, Random&) { return ExpertRedPick(h); }, 33},
        {"expert-blue", nullptr, [](H h, Random&) { return ExpertBluePick(h); }, 16},
        {"random-red", nullptr, [](H, Random& r) { return RandomRedPick(r); }, 33, false},
        {"random-blue", nullptr, [](H, Random& r) { return RandomBluePick(r); }, 16, false},
    };
}

// The selector's text after the pick: the captions "01".. of the checked cells, joined by ",".
std::string PickText(const std::vector<int>& cells, int cellCount)
{
    const std::vector<std::string> captions = TwoDigitCaptions(cellCount);
    std::vector<std::uint8_t> checked(static_cast<std::size_t>(cellCount), 0);
    for (const int cell : cells) {
        checked[static_cast<std::size_t>(cell)] = 1;
    }
    return CheckedToText(captions, checked, ",", CaptionTrim::None);
}

} // namespace

int RunRecommendCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader(args, {"--data", "--repeat"});
    if (const std::string problem = ArgsProblem(reader, 1, "KIND is required"); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const std::string& name = reader.Positional().front();
    const std::vector<RecommendKind> kinds = Kinds();
    const RecommendKind* kind = nullptr;
    for (const RecommendKind& k : kinds) {
        if (name == k.Name) {
            kind = &k;
        }
    }
    if (kind == nullptr) {
        return UsageError(err, "unknown KIND " + name, kUsage);
    }
    const int repeat = IntOption(reader, "--repeat", 1);
    if (repeat < 1 || repeat > kMaxRepeat) {
        return UsageError(err, "--repeat must be between 1 and " + std::to_string(kMaxRepeat), kUsage);
    }

    const DrawHistory history = kind->NeedsHistory ? LoadHistoryArg(reader) : DrawHistory{};
    // One generator for the process, as the program holds one: repeated picks continue its sequence.
    Random random;
    for (int press = 0; press < repeat; ++press) {
        if (kind->Memo) {
            PrintLines(out, kind->Memo(history).Lines);
        } else {
            out << PickText(kind->Pick(history, random), kind->Cells) << '\n';
        }
    }
    return kExitOk;
}

} // namespace quorvane::cli
