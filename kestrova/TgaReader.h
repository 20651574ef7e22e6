#pragma once
// Truevision TGA decoding: true-colour images, uncompressed (type 2) or run-length
// encoded (type 10), 24 or 32 bits per pixel. Works on the file's bytes in memory
// and knows nothing of OpenGL, so it can be exercised on its own.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Pixel formats of the decoded data (the OpenGL enumerants).
constexpr std::uint32_t TGA_RGB = 0x1907;
constexpr std::uint32_t TGA_RGBA = 0x1908;

struct TGATEXTURE {
    std::vector<std::uint8_t> IMAGEDATA;  // red, green, blue (, alpha); bottom row first; kept only while loading
    std::uint32_t BPP = 0;                // 24 or 32
    std::uint32_t WIDTH = 0;
    std::uint32_t HEIGHT = 0;
    std::uint32_t TEXID = 0;  // OpenGL texture name
    std::uint32_t TYP = 0;    // TGA_RGB or TGA_RGBA
};

// The image information that follows the fixed 12-byte header.
struct TTGA {
    std::uint8_t HEADER[6] = {};
    std::uint32_t BYTESPERPIXEL = 0;
    std::uint64_t IMAGESIZE = 0;  // 64 bits: 65535 x 65535 x 4 does not fit in 32
    std::uint32_t TYP = 0;
    std::uint32_t HEIGH = 0;
    std::uint32_t WIDTH = 0;
    std::uint32_t BPP = 0;
};

// What went wrong, as the message box tells the user; no message means success.
struct TgaOutcome {
    const char* message = nullptr;
    const char* caption = nullptr;
    explicit operator bool() const { return message == nullptr; }
};

// Reads forward through the bytes of a file; a read either gets all it asks for or nothing.
class TgaBytes {
public:
    explicit TgaBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    // The next `count` bytes, or nullptr when fewer remain (the position stays).
    const std::uint8_t* take(std::size_t count);
    std::size_t remaining() const { return bytes_.size() - position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Decodes a whole TGA file into TEXTURE (IMAGEDATA, BPP, WIDTH, HEIGHT, TYP).
// On failure IMAGEDATA is released.
TgaOutcome READTGA(std::span<const std::uint8_t> FILE, TGATEXTURE& TEXTURE);
// The two image types, reading what follows the fixed header.
TgaOutcome LOADUNCOMPRESSEDTGA(TGATEXTURE& TEXTURE, TgaBytes& FILE);
TgaOutcome LOADCOMPRESSEDTGA(TGATEXTURE& TEXTURE, TgaBytes& FILE);
