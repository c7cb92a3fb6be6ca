#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Files are stored in GBK, the code page of the platform the data files come from; in memory all
// text is UTF-8.

// Decodes the bytes of a text file: UTF-8 with a BOM (the BOM is dropped), valid UTF-8, or else
// GBK. Bytes that are not valid GBK either become U+FFFD, so the result is always valid UTF-8.
std::string DecodeFileText(std::string_view bytes);

// GBK bytes to UTF-8; invalid sequences become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK; a character GBK cannot hold becomes '?'.
std::string Utf8ToGbk(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

} // namespace quorvane
