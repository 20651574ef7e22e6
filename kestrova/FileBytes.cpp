#include "kestrova/FileBytes.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool readFileBytes(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return false;
    // Room for the whole file at once where its size can be told; reading goes on past it if the file grew.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0) bytes.reserve(bytes.size() + static_cast<std::size_t>(size));
        std::rewind(file.get());
    }
    std::uint8_t chunk[65536];
    while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get()))
        bytes.insert(bytes.end(), chunk, chunk + count);
    return true;
}
