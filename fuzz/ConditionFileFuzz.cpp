// The condition file: any bytes load without a crash; a refused file gives a message and leaves the
// conditions exactly as they were; an accepted one, saved and loaded again, gives the same values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "FuzzCheck.h"
#include "shrink/AnalysisSettings.h"
#include "shrink/ConditionFile.h"
#include "shrink/ConditionKeys.h"
#include "text/Encoding.h"
#include "text/IniFile.h"
#include "text/UserError.h"

using namespace quorvane;

namespace {

// Every value the file stores, as the file would hold it (GBK keeps what it can of each text; the
// values hold no line breaks, so one conversion serves them all).
std::string FileValues(const ShrinkConditions& c)
{
    std::string out;
    for (const ConditionKey& key : ConditionKeys()) {
        if (key.Stored || key.Analysis) {
            out += key.Name + "=" + key.Get(c) + "\n";
        }
    }
    return GbkToUtf8(Utf8ToGbk(out));
}

// Conditions that differ from the start state, so that a load that changes something shows.
ShrinkConditions Before()
{
    ShrinkConditions c;
    const std::initializer_list<std::pair<const char*, const char*>> settings = {
        {"tj1HeZhiChk", "1"},
        {"tj1HeZhiSpEd", "50,120"},
        {"ssTb0MChk", "01#02#03#04#05#06#07"},
        {"tj2BiXuanHaoEd", "01 02"},
        {"ToleranceSpEd", "0,1"}};
    for (const auto& [name, value] : settings) {
        if (!ApplyConditionSetting(c, name, value)) {
            std::abort();
        }
    }
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ShrinkConditions before = Before();
    static const std::string beforeValues = FileValues(before);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ShrinkConditions c = before;
    try {
        ReadConditionSection(IniFile::Parse(DecodeFileText(bytes)), c);
    } catch (const UserError& e) {
        QUORVANE_FUZZ_CHECK(e.what()[0] != '\0');
        QUORVANE_FUZZ_CHECK(FileValues(c) == beforeValues);
        return 0;
    }

    IniFile saved;
    for (const IniFile::Entry& e : ConditionFileEntries(c)) {
        saved.Set(kConditionSection, e.Key, e.Value);
    }
    for (const IniFile::Entry& e : AnalysisFileEntries(c)) {
        saved.Set(kAnalysisSection, e.Key, e.Value);
    }
    ShrinkConditions back;
    ReadConditionSection(IniFile::Parse(DecodeFileText(Utf8ToGbk(saved.ToText()))), back);
    QUORVANE_FUZZ_CHECK(FileValues(back) == FileValues(c));
    return 0;
}
