#pragma once

#include <string>
#include <vector>

// Frame times gathered by the benchmark mode, and the one line it prints at exit.
class FrameStats {
public:
    void add(double frameMs) { m_frameMs.push_back(frameMs); }
    size_t frames() const { return m_frameMs.size(); }
    // The p-th percentile (0..100) by nearest rank; 0 with no frames.
    double percentile(double p) const;
    double maxMs() const;
    // "frames=N median_ms=A p95_ms=B max_ms=C cpu_s=D"
    std::string summary(double cpuSeconds) const;

private:
    std::vector<double> m_frameMs;
};
