#pragma once

#include <functional>
#include <string>

namespace quorvane {

// Receives the developer message of an index error in a table model, e.g. "SetValue x>=FColsCount ".
// By the time it is called the model has already ignored the write (or answered the read with an
// empty text or NoColor). The widget that owns a model shows the message in a message box; tests
// record it. An empty hook drops the message.
using IndexErrorHook = std::function<void(const std::string& message)>;

} // namespace quorvane
