#include "wheel/WheelInput.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "text/FormatNumbers.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

constexpr const char* kNumbersCountPrefix = "旋转矩阵需要7到33个红球号码，现在有";
constexpr const char* kNumberRangePrefix = "红球号码必须在01到33之间：";
constexpr const char* kNumberTwicePrefix = "红球号码重复：";
constexpr const char* kGuaranteePrefix = "不支持的保证条件：";
constexpr const char* kGuaranteeChoices = "。可选：";
constexpr const char* kKeepPrefix = "保证缩水只能保3、4或5个红球：";
constexpr const char* kSecondsPrefix = "搜索时间必须是大于0、不超过3600的秒数：";
constexpr const char* kSeedPrefix = "随机种子必须是0到4294967295之间的整数：";
constexpr const char* kStepsPrefix = "搜索步数必须是1到1000000000000000之间的整数：";

// An unsigned whole number of digits only, surrounding spaces allowed.
template <typename T> std::optional<T> ParseUnsigned(std::string_view text)
{
    text = TrimText(text);
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// "m:t", "m：t" or "中m保t" split into its two numbers.
std::optional<WheelGuarantee> GuaranteeParts(std::string_view text)
{
    std::string_view first;
    std::string_view second;
    const std::string_view zhong = "中";
    const std::string_view bao = "保";
    if (text.substr(0, zhong.size()) == zhong && text.find(bao) != std::string_view::npos) {
        first = text.substr(zhong.size(), text.find(bao) - zhong.size());
        second = text.substr(text.find(bao) + bao.size());
    } else {
        for (const std::string_view colon : {std::string_view(":"), std::string_view("：")}) {
            if (const std::size_t at = text.find(colon); at != std::string_view::npos) {
                first = text.substr(0, at);
                second = text.substr(at + colon.size());
                break;
            }
        }
    }
    const auto match = ParseUnsigned<int>(first);
    const auto keep = ParseUnsigned<int>(second);
    if (!match || !keep) {
        return std::nullopt;
    }
    return WheelGuarantee{*match, *keep};
}

} // namespace

std::vector<int> ParseWheelNumbers(std::string_view text)
{
    std::vector<int> numbers;
    for (const std::string& commaPiece : SplitText(",", text)) {
        for (const std::string& piece : SplitText(" ", commaPiece)) {
            const int n = StrToInt(piece);
            if (n < 1 || n > 33) {
                throw UserError(kNumberRangePrefix + piece);
            }
            if (std::find(numbers.begin(), numbers.end(), n) != numbers.end()) {
                throw UserError(kNumberTwicePrefix + Pad2(n));
            }
            numbers.push_back(n);
        }
    }
    if (numbers.size() < kWheelMinNumbers || numbers.size() > kWheelMaxNumbers) {
        throw UserError(kNumbersCountPrefix + std::to_string(numbers.size()) + "个。");
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

WheelGuarantee ParseWheelGuarantee(std::string_view text)
{
    const std::string_view trimmed = TrimText(text);
    const auto guarantee = GuaranteeParts(trimmed);
    if (guarantee && IsWheelGuarantee(*guarantee)) {
        return *guarantee;
    }
    std::string message = kGuaranteePrefix + std::string(trimmed) + kGuaranteeChoices;
    for (std::size_t i = 0; i < kWheelGuarantees.size(); ++i) {
        message += (i == 0 ? "" : "、") + GuaranteeCaption(kWheelGuarantees[i]) + "(" +
                   GuaranteeArg(kWheelGuarantees[i]) + ")";
    }
    throw UserError(message);
}

int ParseReduceKeep(std::string_view text)
{
    const auto keep = ParseUnsigned<int>(text);
    if (!keep || *keep < 3 || *keep > 5) {
        throw UserError(kKeepPrefix + std::string(TrimText(text)));
    }
    return *keep;
}

double ParseSearchSeconds(std::string_view text)
{
    const std::string_view trimmed = TrimText(text);
    double seconds = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, seconds, std::chars_format::fixed);
    if (trimmed.empty() || ec != std::errc{} || ptr != end || !(seconds > 0) ||
        seconds > kMostSearchSeconds) {
        throw UserError(kSecondsPrefix + std::string(trimmed));
    }
    return seconds;
}

std::uint32_t ParseSearchSeed(std::string_view text)
{
    const auto seed = ParseUnsigned<std::uint32_t>(text);
    if (!seed) {
        throw UserError(kSeedPrefix + std::string(TrimText(text)));
    }
    return *seed;
}

std::uint64_t ParseSearchSteps(std::string_view text)
{
    const auto steps = ParseUnsigned<std::uint64_t>(text);
    if (!steps || *steps < 1 || *steps > 1000000000000000u) {
        throw UserError(kStepsPrefix + std::string(TrimText(text)));
    }
    return *steps;
}

} // namespace quorvane
