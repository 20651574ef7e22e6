#include "KEVA_3DS/ChunkBytes.h"

#include <algorithm>
#include <bit>
#include <cmath>

std::size_t ChunkBytes::recordsPresent(std::size_t count, std::size_t size) const {
    return std::min(count, remaining() / size);
}

ChunkBytes ChunkBytes::take(std::size_t length) {
    const ChunkBytes part(file_, position_, position_ + std::min(length, remaining()));
    position_ = part.end_;
    return part;
}

bool ChunkBytes::u8(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = file_[position_++];
    return true;
}

bool ChunkBytes::u16(std::uint16_t& value) {
    if (remaining() < 2) return false;
    value = static_cast<std::uint16_t>(file_[position_] | file_[position_ + 1] << 8);
    position_ += 2;
    return true;
}

bool ChunkBytes::u32(std::uint32_t& value) {
    if (remaining() < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | file_[position_ + static_cast<std::size_t>(i)];
    position_ += 4;
    return true;
}

bool ChunkBytes::f32(float& value) {
    std::uint32_t bits = 0;
    if (!u32(bits)) return false;
    value = std::bit_cast<float>(bits);
    if (!std::isfinite(value)) value = 0;
    return true;
}

std::string ChunkBytes::text() {
    const auto begin = file_.begin() + static_cast<std::ptrdiff_t>(position_);
    const auto stop = file_.begin() + static_cast<std::ptrdiff_t>(end_);
    const auto zero = std::find(begin, stop, std::uint8_t{0});
    std::string result(begin, zero);
    position_ = zero == stop ? end_ : static_cast<std::size_t>(zero - file_.begin()) + 1;
    return result;
}
