#include "Reverb.h"

#include <cstddef>

namespace {

class Comb {
public:
    explicit Comb(int length) : m_buffer(length, 0.0) {}
    double Process(double in) {
        const double out = m_buffer[m_nPos];
        m_fStore = out * 0.72 + m_fStore * 0.28;  // high frequencies fade first
        m_buffer[m_nPos] = in + m_fStore * 0.86;
        if (++m_nPos == m_buffer.size()) {
            m_nPos = 0;
        }
        return out;
    }

private:
    std::vector<double> m_buffer;
    size_t m_nPos = 0;
    double m_fStore = 0;
};

class Allpass {
public:
    explicit Allpass(int length) : m_buffer(length, 0.0) {}
    double Process(double in) {
        const double held = m_buffer[m_nPos];
        const double out = held - in;
        m_buffer[m_nPos] = in + held * 0.5;
        if (++m_nPos == m_buffer.size()) {
            m_nPos = 0;
        }
        return out;
    }

private:
    std::vector<double> m_buffer;
    size_t m_nPos = 0;
};

}  // namespace

std::vector<double> ReverbLoop(const std::vector<double>& loop, int sampleRate) {
    const double k = sampleRate / 44100.0;
    Comb combs[] = {Comb(int(1557 * k)), Comb(int(1617 * k)), Comb(int(1491 * k)),
                    Comb(int(1422 * k)), Comb(int(1277 * k)), Comb(int(1356 * k))};
    Allpass allpasses[] = {Allpass(int(556 * k)), Allpass(int(441 * k)), Allpass(int(341 * k))};
    std::vector<double> wet(loop.size(), 0.0);
    // The first two passes only fill the delay lines; the third, in steady state, is kept.
    for (int pass = 0; pass < 3; ++pass) {
        for (size_t i = 0; i < loop.size(); ++i) {
            double sum = 0;
            for (Comb& c : combs) {
                sum += c.Process(loop[i] * 0.15);
            }
            for (Allpass& a : allpasses) {
                sum = a.Process(sum);
            }
            if (pass == 2) {
                wet[i] = sum;
            }
        }
    }
    return wet;
}
