#pragma once

// Texts of the faults a caller of the selection controls can cause: an index outside the cells or
// a negative count, column count or width. They are thrown as std::out_of_range (indices) or
// std::invalid_argument (arguments); the program's top-level handler shows the text, and the
// control is unchanged when one is thrown.

namespace quorvane::gui {

inline constexpr const char* kSetCountError = "SetCount Error!";
inline constexpr const char* kSetColsError = "SetCols Error!";
inline constexpr const char* kSetCapWidthError = "SetCapWidth Error!";
inline constexpr const char* kSetCheckError = "SetCheck Error!";
inline constexpr const char* kGetCaptionError = "GetCaption Error!";
inline constexpr const char* kSetItemError = "SetItem Error!";
inline constexpr const char* kRectOfChkError = "RectOfChk Index Error!";
inline constexpr const char* kRectOfCapError = "RectOfCap Index Error!";
inline constexpr const char* kRectOfSpinEdError = "RectOfSpinEd Index Error!";

} // namespace quorvane::gui
