#pragma once

#include <cstdint>

// Paces the tick: one tick per period at most, and a slow tick is followed by exactly one tick
// at once, never by a burst that catches up. There is no simulation clock: one tick is one step.
class TickPacer {
public:
    explicit TickPacer(int periodMs) : m_periodMs(periodMs) {}

    void tickStarted(int64_t nowMs) { m_lastStartMs = nowMs; }

    // Milliseconds to wait, after a tick that ended at nowMs, before the next one starts.
    int64_t delayAfterTick(int64_t nowMs) const {
        const int64_t due = m_lastStartMs + m_periodMs;
        return due > nowMs ? due - nowMs : 0;
    }

    int periodMs() const { return m_periodMs; }

private:
    int m_periodMs;
    int64_t m_lastStartMs = 0;
};
