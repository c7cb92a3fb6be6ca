#pragma once

#include <string>

#include <QObject>

#include "text/FormatNumbers.h"

namespace quorvane::test {

// Counts how often a control raises its change signal.
class ChangeCounter final
{
public:
    template <typename Control> explicit ChangeCounter(Control& control)
    {
        QObject::connect(&control, &Control::OnChange, &control, [this](Control* sender) {
            ++m_count;
            m_lastSender = sender;
        });
    }

    // The number of signals since the last call, and restarts counting.
    int Take()
    {
        const int n = m_count;
        m_count = 0;
        return n;
    }
    const QObject* LastSender() const { return m_lastSender; }

private:
    int m_count = 0;
    const QObject* m_lastSender = nullptr;
};

// Adds the captions "01" .. "NN" (zero-padded) to a picker.
template <typename Control> void AddNumberCaptions(Control& control, int count)
{
    for (int n = 1; n <= count; ++n) {
        control.AddItem(Pad2(n));
    }
}

} // namespace quorvane::test
