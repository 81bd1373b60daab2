#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <string>

// The samples of a PCM WAV file (8-bit unsigned or 16-bit signed, any channel count), held in
// memory with their format.
struct WavData {
    QAudioFormat format;
    QByteArray samples;  // whole frames only
    bool valid() const { return format.isValid() && !samples.isEmpty(); }
};

// Reads a WAV file; an invalid result when it cannot be read or is not PCM of those kinds.
WavData ReadWavFile(const std::string& path);
