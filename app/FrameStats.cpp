#include "app/FrameStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double FrameStats::percentile(double p) const {
    if (m_frameMs.empty())
        return 0.0;
    std::vector<double> sorted = m_frameMs;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(sorted.size()));
    size_t index = rank < 1.0 ? 0 : static_cast<size_t>(rank) - 1;
    if (index >= sorted.size())
        index = sorted.size() - 1;
    return sorted[index];
}

double FrameStats::maxMs() const {
    return m_frameMs.empty() ? 0.0 : *std::max_element(m_frameMs.begin(), m_frameMs.end());
}

std::string FrameStats::summary(double cpuSeconds) const {
    char line[160];
    std::snprintf(line, sizeof line, "frames=%zu median_ms=%.2f p95_ms=%.2f max_ms=%.2f cpu_s=%.2f",
                  frames(), percentile(50), percentile(95), maxMs(), cpuSeconds);
    return line;
}
