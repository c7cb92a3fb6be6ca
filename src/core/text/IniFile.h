#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

// The most an INI file may hold when read (a condition file is a few kilobytes).
inline constexpr std::size_t kIniFileLimit = std::size_t{16} << 20;

// An INI document: sections of "key=value" lines. Section names and keys are compared without
// regard to ASCII letter case; values are kept as text (everything after the first '=', with
// surrounding spaces removed). Text is UTF-8 in memory and GBK on disk (reading accepts UTF-8 too).
class IniFile final
{
public:
    struct Entry
    {
        std::string Key;
        std::string Value;
    };
    struct Section
    {
        std::string Name;
        std::vector<Entry> Entries;
    };

    IniFile() = default;

    // Parses INI text (already decoded to UTF-8). Lines outside any section, comment lines
    // (';' or '#') and lines without '=' are ignored; a repeated section is merged into the first.
    static IniFile Parse(std::string_view text);
    // Reads and parses a file; throws UserError when it cannot be read or holds more than
    // kIniFileLimit bytes.
    static IniFile Load(const std::string& path);

    // Reading and writing take time linear in the size of the document: sections are found
    // through an index, and so are the keys of a section that Set writes into.

    // The value of the first entry with that key in that section.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Replaces the value of the key (its first entry) or appends the key to the section, creating
    // the section at the end when it is missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<Section>& Sections() const { return m_sections; }

    // The document as text with CR LF line ends (UTF-8).
    std::string ToText() const;
    // Writes the document to the file in GBK, atomically. Throws UserError on failure.
    void Save(const std::string& path) const;

private:
    // Index of the section in m_sections, or npos.
    std::size_t FindSection(std::string_view name) const;
    std::size_t AddSection(std::string_view name);

    std::vector<Section> m_sections;
    // Lower-case section name -> index in m_sections.
    std::unordered_map<std::string, std::size_t> m_sectionIndex;
    // Per section, lower-case key -> index of its first entry; built on the first Set into it.
    std::vector<std::unordered_map<std::string, std::size_t>> m_keyIndex;
};

// Writes the given keys into one section of an INI file: an existing file keeps its other
// sections and keys (an unreadable one is started afresh only when it does not exist).
void WriteIniKeys(const std::string& path, std::string_view section,
                  const std::vector<IniFile::Entry>& entries);

bool EqualsNoCase(std::string_view a, std::string_view b);
// The text with ASCII letters in lower case (other bytes, such as GBK or UTF-8, unchanged).
std::string LowerAscii(std::string_view text);

} // namespace quorvane
