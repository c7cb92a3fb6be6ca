#pragma once

#include <string>

#include "base/CodeRedArr.h"

namespace quorvane {

// A number as at least two digits with a leading zero: 7 -> "07", 16 -> "16".
std::string Pad2(int value);

// The issue number as printed: the year in four characters (padded on the left with spaces)
// followed by the sequence number as three digits: (2009, 7) -> "2009007".
std::string FormatIssue(int year, int number);

// Six two-digit numbers separated by single spaces: "01 02 03 04 05 06".
std::string FormatTicket(const TCodeRedArr& reds);

// Appends the ticket text of FormatTicket to out (no allocation when out has capacity).
void AppendTicket(std::string& out, const TCodeRedArr& reds);

// part / whole as a percentage with one decimal, rounded half up: (812, 1000) -> "81.2%"; "-" when
// whole is 0 or less.
std::string FormatPercent(long long part, long long whole);

} // namespace quorvane
