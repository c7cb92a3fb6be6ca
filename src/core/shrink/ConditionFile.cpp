#include "shrink/ConditionFile.h"

#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "shrink/ConditionKeys.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& ch : out) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return out;
}

std::string SingleLine(std::string value)
{
    for (char& ch : value) {
        if (ch == '\r' || ch == '\n') {
            ch = ' ';
        }
    }
    return value;
}

// The values of the condition section by lower-case key; the first of duplicated keys counts.
std::unordered_map<std::string, std::string_view> SectionValues(const IniFile& ini)
{
    std::unordered_map<std::string, std::string_view> values;
    for (const IniFile::Section& section : ini.Sections()) {
        if (!EqualsNoCase(section.Name, kConditionSection)) {
            continue;
        }
        values.reserve(section.Entries.size());
        for (const IniFile::Entry& e : section.Entries) {
            values.emplace(LowerAscii(e.Key), e.Value);
        }
        break; // IniFile merges repeated sections into the first
    }
    return values;
}

} // namespace

std::vector<IniFile::Entry> ConditionFileEntries(const ShrinkConditions& conditions)
{
    std::vector<IniFile::Entry> entries;
    for (const ConditionKey& key : ConditionKeys()) {
        if (key.Stored) {
            entries.push_back(IniFile::Entry{key.Name, SingleLine(key.Get(conditions))});
        }
    }
    return entries;
}

void SaveConditionFile(const std::string& path, const ShrinkConditions& conditions)
{
    WriteIniKeys(path, kConditionSection, ConditionFileEntries(conditions));
}

void ReadConditionSection(const IniFile& ini, ShrinkConditions& conditions)
{
    const auto values = SectionValues(ini);
    ShrinkConditions next = conditions;
    for (const ConditionKey& key : ConditionKeys()) {
        if (!key.Stored) {
            continue;
        }
        const auto found = values.find(LowerAscii(key.Name));
        const std::string_view value =
            found != values.end() ? found->second : std::string_view(key.MissingValue);
        if (key.Encoding == ConditionEncoding::Bool || key.Encoding == ConditionEncoding::Integer) {
            try {
                key.Set(next, value);
            } catch (const UserError&) {
                key.Set(next, key.MissingValue);
            }
        } else {
            key.Set(next, value); // a malformed range piece ends the load here, before anything is applied
        }
    }
    conditions = std::move(next);
}

void LoadConditionFile(const std::string& path, ShrinkConditions& conditions)
{
    ReadConditionSection(IniFile::Load(path), conditions);
}

std::string ConditionFileCaption(const std::string& path)
{
    return "Quorvane v2010 - " + std::filesystem::path(path).filename().string();
}

} // namespace quorvane
