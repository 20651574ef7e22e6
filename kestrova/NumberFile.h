#pragma once
// A reader of line-oriented text files whose numbers stand in fixed character
// columns. One file at a time is open, with its current line. Empty lines and
// lines whose second character is "[" (sections, comments) are passed over.
// Decimal numbers use "." in every locale. A missing file, a read past the
// last line or a field that is not a number sets FILEFAILED; the reads then
// give 0 until the next file is begun.
#include <cstdint>
#include <string>
#include <string_view>

struct TTextFile {
    std::string TEXT;
    std::size_t POSITION = 0;  // start of the next line
};

extern TTextFile FILEIN;
extern std::string FILELINE;
extern bool FILEFAILED;

// Reads lines of F into S until one is a data line: not empty and without
// CHAR at its LENGHT characters from position X (1-based). False, with S
// empty, when the file ends first. Lines end at a line feed, optionally after
// a carriage return.
bool READSTR(std::int32_t X, std::int32_t LENGHT, std::string_view CHAR, TTextFile& F, std::string& S);
// Opens the file and makes its first data line, without its first 11
// characters, the current line.
void LOADFILEBEGIN(const std::string& FILENAME);
// The same for a file's text already in memory.
void LOADTEXTBEGIN(std::string_view TEXT);
// The integer in the LENGHT characters of the current line from position X
// (fewer where the line ends first; spaces around it allowed); with VERTICAL
// the next data line becomes current first.
std::int32_t LOADFILEDATEI(std::int32_t X, std::int32_t LENGHT, bool VERTICAL);
// The same for a decimal number.
float LOADFILEDATEF(std::int32_t X, std::int32_t LENGHT, bool VERTICAL);
void LOADFILEEND();
