#pragma once
// Text drawn as polygon glyphs of the system's bold sans face: one display list per
// character code (Windows-1252), outlines in em units, each list ending with a
// translation by the glyph's advance so that consecutive lists set a line of text.
#include <cstdint>
#include <string>
#include <string_view>

struct GLYPHMETRICSFLOAT {
    float gmfBlackBoxX = 0, gmfBlackBoxY = 0;
    struct {
        float x = 0, y = 0;
    } gmfptGlyphOrigin;
    float gmfCellIncX = 0, gmfCellIncY = 0;
};

extern std::uint32_t BASE;             // first of the 256 lists, 0 before INITTEXT
extern GLYPHMETRICSFLOAT GMF[256];     // in em units
extern std::uint32_t TEXTLISTCHANGES;  // how many times the lists were built or deleted

// Builds the lists: DEPTH extrusion along -Z (0 = flat), ANG baseline angle in tenths
// of a degree, ITAL non-zero for the italic face. GRAS (underline) leaves outlines alone.
void INITTEXT(float DEPTH, std::int32_t ANG, std::int32_t ITAL, std::int32_t GRAS);
void DELETEGLTEXT();
// TEXT at (X / 200, Y / 200, 0), glyphs (1 + SIZE) / 10 units per em.
void PUTGLTEXT(float X, float Y, float SIZE, std::string_view TEXT);
// TEXT starting at (X, Y, Z) and running towards +X, SIZE units per em.
void PUTGLTEXT3D(float X, float Y, float Z, float SIZE, std::string_view TEXT);
// UTF-8 text (the menu's labels) in the lists' character codes; characters
// that Windows-1252 lacks become '?'.
std::string WINDOWS1252TEXT(std::string_view utf8);
