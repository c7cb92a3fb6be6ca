#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvane {

// Receives the developer message of an index error in a table model, e.g. "SetValue x>=FColsCount ".
// By the time it is called the model has already ignored the write (or answered the read with an
// empty text or NoColor). The widget that owns a model shows the message in a message box; tests
// record it. An empty hook drops the message.
using IndexErrorHook = std::function<void(const std::string& message)>;

// The index check the models share: a column outside 0 .. colCount - 1 reports colError, a row
// outside 0 .. rowCount - 1 (or a cell index past the `cells` stored, when the public counts were
// changed by hand) reports rowError. Returns the cell index, or -1 after the report.
inline std::int64_t CheckedCellIndex(const IndexErrorHook& hook, std::int64_t col, std::int64_t colCount,
                                     std::int64_t row, std::int64_t rowCount, std::int64_t index,
                                     std::size_t cells, const char* colError, const char* rowError)
{
    const char* error = nullptr;
    if (col < 0 || col >= colCount) {
        error = colError;
    } else if (row < 0 || row >= rowCount || index < 0 || static_cast<std::size_t>(index) >= cells) {
        error = rowError;
    }
    if (error == nullptr) {
        return index;
    }
    if (hook) {
        hook(error);
    }
    return -1;
}

} // namespace quorvane
