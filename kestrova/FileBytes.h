#pragma once
// Whole files read into memory, for the readers that work on a file's bytes.
#include <cstdint>
#include <string>
#include <vector>

// The content of the file up to the first read error; false when it cannot be opened.
bool readFileBytes(const std::string& fileName, std::vector<std::uint8_t>& bytes);
