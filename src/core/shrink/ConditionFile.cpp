#include "shrink/ConditionFile.h"

#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "shrink/AnalysisSettings.h"
#include "shrink/ConditionKeys.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

std::string SingleLine(std::string value)
{
    for (char& ch : value) {
        if (ch == '\r' || ch == '\n') {
            ch = ' ';
        }
    }
    return value;
}

// The values of a section by lower-case key; the first of duplicated keys counts.
std::unordered_map<std::string, std::string_view> SectionValues(const IniFile& ini, std::string_view name)
{
    std::unordered_map<std::string, std::string_view> values;
    for (const IniFile::Section& section : ini.Sections()) {
        if (!EqualsNoCase(section.Name, name)) {
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

std::vector<IniFile::Entry> AnalysisFileEntries(const ShrinkConditions& conditions)
{
    std::vector<IniFile::Entry> entries;
    for (const ConditionKey& key : ConditionKeys()) {
        if (key.Analysis) {
            entries.push_back(IniFile::Entry{key.Name, key.Get(conditions)});
        }
    }
    return entries;
}

void SaveConditionFile(const std::string& path, const ShrinkConditions& conditions)
{
    std::error_code ec;
    IniFile ini = std::filesystem::exists(path, ec) ? IniFile::Load(path) : IniFile();
    for (const IniFile::Entry& e : ConditionFileEntries(conditions)) {
        ini.Set(kConditionSection, e.Key, e.Value);
    }
    // At their start values the analysis settings are left out, so that the file is the one the
    // condition pages alone would write; a section saved before is updated, never left stale.
    if (HasAnalysisSettings(conditions) || ini.HasSection(kAnalysisSection)) {
        for (const IniFile::Entry& e : AnalysisFileEntries(conditions)) {
            ini.Set(kAnalysisSection, e.Key, e.Value);
        }
    }
    ini.Save(path);
}

void ReadConditionSection(const IniFile& ini, ShrinkConditions& conditions)
{
    const auto values = SectionValues(ini, kConditionSection);
    const auto analysis = SectionValues(ini, kAnalysisSection);
    ShrinkConditions next = conditions;
    for (const ConditionKey& key : ConditionKeys()) {
        if (!key.Stored && !key.Analysis) {
            continue;
        }
        const auto& section = key.Analysis ? analysis : values;
        const auto found = section.find(LowerAscii(key.Name));
        const std::string_view value =
            found != section.end() ? found->second : std::string_view(key.MissingValue);
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
    CheckAnalysisSettings(next);
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
