#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Writes mono 16-bit PCM as a plain RIFF/WAVE file (44-byte header).
bool WriteWavMono16(const std::vector<int16_t>& samples, int sampleRate, const QString& path);
