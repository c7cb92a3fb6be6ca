#include "text/IniFile.h"

#include <filesystem>

#include "text/AtomicFile.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

namespace quorvane {

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

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

IniFile IniFile::Parse(std::string_view text)
{
    IniFile ini;
    Section* current = nullptr;
    for (const std::string& raw : SplitLines(text)) {
        const std::string_view line = TrimText(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) {
                continue;
            }
            const std::string_view name = TrimText(line.substr(1, close - 1));
            std::size_t index = ini.FindSection(name);
            if (index == std::string::npos) {
                index = ini.AddSection(name);
            }
            current = &ini.m_sections[index];
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos) {
            continue;
        }
        const std::string_view key = TrimText(line.substr(0, eq));
        if (key.empty()) {
            continue;
        }
        current->Entries.push_back(Entry{std::string(key), std::string(TrimText(line.substr(eq + 1)))});
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path)
{
    return Parse(DecodeFileText(ReadFileBytes(path, kIniFileLimit)));
}

std::size_t IniFile::FindSection(std::string_view name) const
{
    const auto found = m_sectionIndex.find(LowerAscii(name));
    return found != m_sectionIndex.end() ? found->second : std::string::npos;
}

std::size_t IniFile::AddSection(std::string_view name)
{
    m_sections.push_back(Section{std::string(name), {}});
    m_keyIndex.emplace_back();
    m_sectionIndex.emplace(LowerAscii(name), m_sections.size() - 1);
    return m_sections.size() - 1;
}

bool IniFile::HasSection(std::string_view section) const
{
    return FindSection(section) != std::string::npos;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const
{
    const std::size_t index = FindSection(section);
    if (index == std::string::npos) {
        return std::nullopt;
    }
    const std::vector<Entry>& entries = m_sections[index].Entries;
    const std::unordered_map<std::string, std::size_t>& keys = m_keyIndex[index];
    if (!keys.empty() || entries.empty()) {
        const auto found = keys.find(LowerAscii(key));
        return found != keys.end() ? std::optional<std::string>(entries[found->second].Value) : std::nullopt;
    }
    for (const Entry& e : entries) {
        if (EqualsNoCase(e.Key, key)) {
            return e.Value;
        }
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    std::size_t index = FindSection(section);
    if (index == std::string::npos) {
        index = AddSection(section);
    }
    std::vector<Entry>& entries = m_sections[index].Entries;
    std::unordered_map<std::string, std::size_t>& keys = m_keyIndex[index];
    if (keys.empty()) {
        // The first write into this section: index the keys read so far (the first entry of a
        // repeated key is the one that counts).
        keys.reserve(entries.size() + 1);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            keys.emplace(LowerAscii(entries[i].Key), i);
        }
    }
    const auto [found, added] = keys.emplace(LowerAscii(key), entries.size());
    if (added) {
        entries.push_back(Entry{std::string(key), std::string(value)});
    } else {
        entries[found->second].Value = std::string(value);
    }
}

std::string IniFile::ToText() const
{
    std::string out;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0) {
            out += "\r\n";
        }
        out += '[';
        out += m_sections[i].Name;
        out += "]\r\n";
        for (const Entry& e : m_sections[i].Entries) {
            out += e.Key;
            out += '=';
            out += e.Value;
            out += "\r\n";
        }
    }
    return out;
}

void IniFile::Save(const std::string& path) const
{
    WriteFileAtomic(path, Utf8ToGbk(ToText()));
}

void WriteIniKeys(const std::string& path, std::string_view section, const std::vector<IniFile::Entry>& entries)
{
    std::error_code ec;
    IniFile ini = std::filesystem::exists(path, ec) ? IniFile::Load(path) : IniFile();
    for (const IniFile::Entry& e : entries) {
        ini.Set(section, e.Key, e.Value);
    }
    ini.Save(path);
}

} // namespace quorvane
