#include "kestrova/FileBytes.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool readFileBytes(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return false;
    // Room for a regular file's whole content at once; reading goes on past it if the file grew.
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    if (!error && std::filesystem::is_regular_file(fileName, error)) bytes.reserve(bytes.size() + size);
    std::uint8_t chunk[65536];
    while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get()))
        bytes.insert(bytes.end(), chunk, chunk + count);
    return true;
}
