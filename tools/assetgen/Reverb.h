#pragma once

#include <vector>

// A small comb-and-allpass hall run over a looping signal until its tail has settled, so the
// returned reverb of the loop wraps round seamlessly. Returns the wet signal only.
std::vector<double> ReverbLoop(const std::vector<double>& loop, int sampleRate);
