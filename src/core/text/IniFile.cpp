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
            current = ini.FindSection(name);
            if (current == nullptr) {
                ini.m_sections.push_back(Section{std::string(name), {}});
                current = &ini.m_sections.back();
            }
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
    return Parse(DecodeFileText(ReadFileBytes(path)));
}

IniFile::Section* IniFile::FindSection(std::string_view name)
{
    for (Section& s : m_sections) {
        if (EqualsNoCase(s.Name, name)) {
            return &s;
        }
    }
    return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const
{
    for (const Section& s : m_sections) {
        if (EqualsNoCase(s.Name, name)) {
            return &s;
        }
    }
    return nullptr;
}

bool IniFile::HasSection(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const
{
    if (const Section* s = FindSection(section)) {
        for (const Entry& e : s->Entries) {
            if (EqualsNoCase(e.Key, key)) {
                return e.Value;
            }
        }
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    Section* s = FindSection(section);
    if (s == nullptr) {
        m_sections.push_back(Section{std::string(section), {}});
        s = &m_sections.back();
    }
    for (Entry& e : s->Entries) {
        if (EqualsNoCase(e.Key, key)) {
            e.Value = std::string(value);
            return;
        }
    }
    s->Entries.push_back(Entry{std::string(key), std::string(value)});
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
