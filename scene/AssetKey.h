#pragma once

#include <array>
#include <cstddef>

// The 50-byte key of the built-in assets, shared by the program (unscrambling at start-up) and
// by the build tool that scrambles them. Byte n of an asset (n from 1) goes with entry n mod 50.

constexpr std::size_t kAssetKeySize = 50;

using AssetKey = std::array<unsigned char, kAssetKeySize>;

// Built from a formula rather than stored, so the table never sits in the binary as plain data.
inline AssetKey BuildAssetKey() {
    AssetKey key{};
    unsigned int v = 0x5Au;
    for (std::size_t i = 0; i < kAssetKeySize; ++i) {
        v = (v * 73u + 41u + static_cast<unsigned int>(i) * 29u) % 251u;
        key[i] = static_cast<unsigned char>(v ^ (i * 7u));
    }
    return key;
}

// Unscrambles `size` bytes in place; `n` is the 1-based position of data[0] in the whole asset.
inline void UnscrambleAssetBytes(const AssetKey& key, unsigned char* data, std::size_t size,
                                 std::size_t n) {
    std::size_t k = n % kAssetKeySize;
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<unsigned char>(data[i] + key[k]);
        if (++k == kAssetKeySize)
            k = 0;
    }
}

// The inverse, used when the assets are built: stored byte = plain byte - key entry.
inline void ScrambleAssetBytes(const AssetKey& key, unsigned char* data, std::size_t size,
                               std::size_t n) {
    std::size_t k = n % kAssetKeySize;
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<unsigned char>(data[i] - key[k]);
        if (++k == kAssetKeySize)
            k = 0;
    }
}
