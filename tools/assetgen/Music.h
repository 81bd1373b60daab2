#pragma once

#include <cstdint>
#include <vector>

constexpr int kMusicSampleRate = 22050;

// The built-in tune: 48 s of slow pads, a plucked arpeggio and a pentatonic melody in D major,
// mono 16-bit. Every note and the reverb tail are folded round the loop, so the last sample
// runs straight on into the first.
std::vector<int16_t> ComposeMusic();
