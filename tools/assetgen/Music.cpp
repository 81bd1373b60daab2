#include "Music.h"

#include <algorithm>
#include <cmath>

#include "AssetRandom.h"
#include "Reverb.h"

namespace {

constexpr double kBeat = 0.75;  // 80 beats a minute
constexpr int kBars = 16;
constexpr int kBeatsPerBar = 4;
constexpr int kLoopSamples =
    static_cast<int>(kBars * kBeatsPerBar * kBeat * kMusicSampleRate + 0.5);

struct Chord {
    int bass;
    int pad[5];
};

// Two bars each; the last leans back into the first.
const Chord kChords[8] = {
    {38, {50, 57, 61, 64, 66}},  // Dmaj9
    {35, {50, 54, 57, 61, 64}},  // Bm9
    {43, {50, 54, 57, 59, 62}},  // G6/9
    {45, {49, 52, 57, 59, 64}},  // Asus2
    {42, {49, 52, 57, 61, 64}},  // F#m7
    {40, {50, 54, 55, 59, 62}},  // Em9
    {43, {47, 50, 54, 57, 59}},  // Gmaj7
    {45, {50, 52, 55, 57, 62}},  // A7sus4
};

const int kPentatonic[] = {62, 64, 66, 69, 71, 74, 76, 78, 81};

double Hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int At(double seconds) {
    return static_cast<int>(seconds * kMusicSampleRate + 0.5);
}

// Adds one voice into the loop, wrapping past the end back to the start.
template <typename Voice>
void AddNote(std::vector<double>& loop, double start, double length, Voice voice) {
    const int s0 = At(start);
    const int n = At(length);
    for (int i = 0; i < n; ++i) {
        loop[(s0 + i) % kLoopSamples] += voice(double(i) / kMusicSampleRate);
    }
}

// Warm pad: two slightly detuned sines and a touch of octave, slow swell in and out.
void Pad(std::vector<double>& loop, int midi, double start, double hold, double gain) {
    const double f = Hz(midi);
    const double attack = 1.6, release = 2.2;
    AddNote(loop, start, hold + release, [=](double t) {
        double env = std::min(1.0, t / attack);
        env = env * env * (3 - 2 * env);
        if (t > hold) {
            env *= std::exp(-(t - hold) / (release / 4.0)) * (1.0 - (t - hold) / release);
        }
        const double w = 2 * M_PI * f * t;
        const double tone = std::sin(w * 1.0017) + std::sin(w * 0.9983) +
                            0.18 * std::sin(2 * w + 0.7 * std::sin(0.8 * t)) +
                            0.05 * std::sin(3 * w);
        return gain * env * tone;
    });
}

// Soft round bass.
void Bass(std::vector<double>& loop, int midi, double start, double gain) {
    const double f = Hz(midi);
    AddNote(loop, start, 5.5, [=](double t) {
        const double env = std::min(1.0, t / 0.04) * std::exp(-t / 2.2) * (1.0 - t / 5.5);
        const double w = 2 * M_PI * f * t;
        return gain * env * (std::sin(w) + 0.25 * std::sin(2 * w));
    });
}

// Plucked bell for the arpeggio: upper partials die away first.
void Pluck(std::vector<double>& loop, int midi, double start, double gain) {
    const double f = Hz(midi);
    AddNote(loop, start, 2.4, [=](double t) {
        const double env = std::min(1.0, t / 0.006) * (1.0 - t / 2.4);
        const double w = 2 * M_PI * f * t;
        return gain * env *
               (std::exp(-t / 0.7) * std::sin(w) + 0.3 * std::exp(-t / 0.25) * std::sin(2 * w) +
                0.08 * std::exp(-t / 0.12) * std::sin(3.01 * w));
    });
}

// Breathy flute-like lead with a late, gentle vibrato.
void Lead(std::vector<double>& loop, int midi, double start, double length, double gain) {
    const double f = Hz(midi);
    const double release = 0.6;
    AddNote(loop, start, length + release, [=](double t) {
        double env = std::min(1.0, t / 0.12);
        if (t > length) {
            env *= 1.0 - (t - length) / release;
        }
        const double vib = 0.004 * std::min(1.0, t / 0.8) * std::sin(2 * M_PI * 4.8 * t);
        const double w = 2 * M_PI * f * t * (1.0 + vib);
        return gain * env * (std::sin(w) + 0.22 * std::sin(2 * w) + 0.06 * std::sin(3 * w));
    });
}

struct MelodyNote {
    double beat;    // from the phrase's start
    double length;  // beats
    int index;      // into kPentatonic, -1 for a rest
};

// A four-bar phrase: a gentle random walk on the pentatonic scale, ending on a long D.
std::vector<MelodyNote> ComposePhrase() {
    AssetRandom random(0x70E5);
    static const double kRhythms[][4] = {
        {2, 2, 0, 0}, {1, 1, 2, 0}, {3, 1, 0, 0}, {1.5, 0.5, 2, 0}, {1, 1, 1, 1},
    };
    std::vector<MelodyNote> phrase;
    int index = 4;
    for (int bar = 0; bar < 3; ++bar) {
        const double* rhythm = kRhythms[random.Below(5)];
        double beat = bar * kBeatsPerBar;
        for (int k = 0; k < 4 && rhythm[k] > 0; ++k) {
            index = std::clamp(index + random.Below(5) - 2, 1, 8);
            phrase.push_back({beat, rhythm[k], random.Unit() < 0.1 ? -1 : index});
            beat += rhythm[k];
        }
    }
    phrase.push_back({12, 1, std::clamp(index, 4, 6)});
    phrase.push_back({13, 3, 5});
    return phrase;
}

// The phrase sings over bars 3-6 and again over bars 11-14, the answer ending on B instead.
void ComposeMelody(std::vector<double>& loop) {
    const std::vector<MelodyNote> phrase = ComposePhrase();
    for (int pass = 0; pass < 2; ++pass) {
        const double first = (pass == 0 ? 2 : 10) * kBeatsPerBar;
        for (size_t i = 0; i < phrase.size(); ++i) {
            int index = phrase[i].index;
            if (index < 0) {
                continue;
            }
            if (pass == 1 && i + 1 == phrase.size()) {
                index = 4;
            }
            Lead(loop, kPentatonic[index], (first + phrase[i].beat) * kBeat,
                 phrase[i].length * kBeat * 0.92, 0.09);
        }
    }
}

}  // namespace

std::vector<int16_t> ComposeMusic() {
    std::vector<double> loop(kLoopSamples, 0.0);
    const double bar = kBeatsPerBar * kBeat;
    AssetRandom random(0xA4E6);
    static const int kArp[8] = {0, 2, 4, 1, 3, 4, 2, 1};
    for (int c = 0; c < 8; ++c) {
        const Chord& chord = kChords[c];
        const double start = c * 2 * bar;
        for (int midi : chord.pad) {
            Pad(loop, midi, start, 2 * bar, 0.045);
        }
        Bass(loop, chord.bass, start, 0.16);
        Bass(loop, chord.bass, start + bar, 0.11);
        for (int e = 0; e < 16; ++e) {
            if (random.Unit() < 0.18) {
                continue;  // breathing space
            }
            const int midi = chord.pad[kArp[e % 8]] + 12;
            const double accent = (e % 4 == 0) ? 1.0 : 0.7;
            Pluck(loop, midi, start + e * kBeat / 2, 0.05 * accent * random.Range(0.8, 1.0));
        }
    }
    ComposeMelody(loop);

    std::vector<double> wet = ReverbLoop(loop, kMusicSampleRate);
    double peak = 0;
    for (int i = 0; i < kLoopSamples; ++i) {
        loop[i] = 0.75 * loop[i] + 0.45 * wet[i];
        peak = std::max(peak, std::abs(loop[i]));
    }
    const double scale = peak > 0 ? 0.62 * 32767.0 / peak : 0.0;
    std::vector<int16_t> out(kLoopSamples);
    for (int i = 0; i < kLoopSamples; ++i) {
        out[i] = static_cast<int16_t>(std::lround(loop[i] * scale));
    }
    return out;
}
