#pragma once
// Reads little-endian values from the data of one 3DS chunk, never past its
// end: a value that is not wholly inside the chunk is not read.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class ChunkBytes {
public:
    ChunkBytes(std::span<const std::uint8_t> file, std::size_t start, std::size_t end)
        : file_(file), position_(start), end_(end) {}

    std::size_t position() const { return position_; }
    std::size_t end() const { return end_; }
    std::size_t remaining() const { return end_ - position_; }
    // How many records of `size` bytes the rest of the chunk holds, at most `count`.
    std::size_t recordsPresent(std::size_t count, std::size_t size) const;

    // The next `length` bytes (fewer at the end of the chunk) as a chunk of
    // their own; this one goes on after them.
    ChunkBytes take(std::size_t length);

    bool u8(std::uint8_t& value);
    bool u16(std::uint16_t& value);
    bool u32(std::uint32_t& value);
    // A float that is not finite reads as 0.
    bool f32(float& value);
    // Bytes up to a zero byte or the end of the chunk; the zero is passed over.
    std::string text();

private:
    std::span<const std::uint8_t> file_;
    std::size_t position_;
    std::size_t end_;
};
