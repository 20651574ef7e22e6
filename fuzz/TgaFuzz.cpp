// Any bytes as a TGA file: the whole decode, uncompressed or run-length encoded.
// A decoded image must hold exactly its pixels; a failed one must hold none.
#include "kestrova/TgaReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGATEXTURE texture;
    const TgaOutcome outcome = READTGA({data, size}, texture);
    const std::size_t expected =
        outcome ? std::size_t{texture.WIDTH} * texture.HEIGHT * (texture.BPP / 8) : std::size_t{0};
    if (texture.IMAGEDATA.size() != expected) std::abort();
    return 0;
}
