#pragma once

#include <string>
#include <vector>

#include "shrink/ShrinkConditions.h"
#include "text/IniFile.h"

// The condition file: an INI file whose section "条件设置" holds one key per stored condition
// control (ConditionKeys), in GBK on disk. Saving writes every key in table order; loading reads
// every key, a missing one as its missing-key value.

namespace quorvane {

inline constexpr const char* kConditionSection = "条件设置";
inline constexpr const char* kConditionFileFilter = "配置文件|*.ini";
inline constexpr const char* kConditionFileExtension = "ini";
inline constexpr const char* kConditionSaveTitle = "将条件配置保存到指定的配置文件";
inline constexpr const char* kConditionLoadTitle = "打开条件配置文件，导入配置";

// The key/value lines of every stored key, in the order of the key table. A line break inside a
// value (which a single-line edit cannot hold) is written as a space so that it cannot start a
// line of its own in the file.
std::vector<IniFile::Entry> ConditionFileEntries(const ShrinkConditions& conditions);

// The key/value lines of the analysis settings (section kAnalysisSection), in table order.
std::vector<IniFile::Entry> AnalysisFileEntries(const ShrinkConditions& conditions);

// Writes every stored key into the section "条件设置" of the file, and the analysis settings into
// their own section when they differ from their start values (or the file has that section
// already); an existing file keeps its other sections and keys. Throws UserError when the file
// cannot be read or written (the file is then unchanged).
void SaveConditionFile(const std::string& path, const ShrinkConditions& conditions);

// Reads every stored key of the section, compared without regard to letter case (the first of
// duplicated keys counts), and applies it to the conditions with the reading rules of its
// encoding: a missing key reads as its missing-key value, and so does a malformed bool or integer
// value (or a list index outside its list). A malformed range piece throws UserError with the
// integer message. The analysis settings are read from their own section alike (a file without it
// reads as tolerance 0..0 and no exclusion); settings out of their range throw UserError with
// their message. Everything is read before anything is applied, so on any error the conditions
// stay exactly as they were.
void ReadConditionSection(const IniFile& ini, ShrinkConditions& conditions);

// Loads the file (GBK or UTF-8) and reads its section as ReadConditionSection does. Throws
// UserError when the file cannot be read or holds a malformed range piece; the conditions are
// then unchanged.
void LoadConditionFile(const std::string& path, ShrinkConditions& conditions);

// The main window's caption after a condition file was saved or loaded:
// "Quorvane v2010 - " and the file's name without its folder.
std::string ConditionFileCaption(const std::string& path);

} // namespace quorvane
