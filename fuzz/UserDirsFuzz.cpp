// Any bytes as a user-dirs.dirs file: the pictures entry is empty, or a path
// inside the home folder, or an absolute path.
#include "kestrova/PicturesFolder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string entry = PICTURESENTRY({reinterpret_cast<const char*>(data), size}, "/home/u");
    if (!entry.empty() && entry.front() != '/') std::abort();
    return 0;
}
