// Build tool: stores one built-in asset scrambled, the inverse of what the program does when it
// writes the asset out at start-up. Usage: merow-scramble INFILE OUTFILE

#include <cstdio>
#include <vector>

#include "scene/AssetKey.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INFILE OUTFILE\n", argv[0]);
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "rb");
    if (!in) {
        std::fprintf(stderr, "merow-scramble: cannot read %s\n", argv[1]);
        return 1;
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::fprintf(stderr, "merow-scramble: cannot write %s\n", argv[2]);
        std::fclose(in);
        return 1;
    }
    const AssetKey key = BuildAssetKey();
    std::vector<unsigned char> block(1 << 16);
    std::size_t n = 1;
    bool ok = true;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got == 0)
            break;
        ScrambleAssetBytes(key, block.data(), got, n);
        n += got;
        ok = ok && std::fwrite(block.data(), 1, got, out) == got;
    }
    ok = ok && !std::ferror(in);
    std::fclose(in);
    ok = (std::fclose(out) == 0) && ok;
    if (!ok) {
        std::fprintf(stderr, "merow-scramble: failed writing %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
