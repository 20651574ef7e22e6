#include "kestrova/OutlineText.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <iconv.h>

#include <memory>
#include <string>

std::uint32_t BASE = 0;
GLYPHMETRICSFLOAT GMF[256];
std::uint32_t TEXTLISTCHANGES = 0;

namespace {

constexpr int CODES = 256;
constexpr int OUTLINED_CODES = 255;  // code 255 keeps an empty list
constexpr unsigned FACE_SIZE = 64;   // font units per em while outlines are built
constexpr float EM_PER_UNIT = 1.0f / FACE_SIZE;

// The file of the system's default bold sans face (bold italic when asked), in its
// semi-condensed width where the family has one: the overlay's captions were laid
// out for the advances of the Windows default face, which DejaVu Sans Bold exceeds
// by a tenth and its condensed cut matches.
std::string defaultBoldFaceFile(bool italic) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    if (!pattern) return path;
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern, FC_WIDTH, FC_WIDTH_SEMICONDENSED);
    if (italic) FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

// Maps Windows-1252 codes to Unicode; codes without a printable character give 0.
class Windows1252 {
public:
    Windows1252() : converter_(iconv_open("UTF-32LE", "WINDOWS-1252")) {}
    ~Windows1252() {
        if (converter_ != invalid()) iconv_close(converter_);
    }
    Windows1252(const Windows1252&) = delete;
    Windows1252& operator=(const Windows1252&) = delete;

    wchar_t unicode(unsigned char code) const {
        if (code < 32 || code == 127 || converter_ == invalid()) return 0;
        char in = static_cast<char>(code);
        unsigned char out[4] = {};
        char* inPointer = &in;
        char* outPointer = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        if (iconv(converter_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1)) return 0;
        return static_cast<wchar_t>(out[0] | out[1] << 8 | out[2] << 16);
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t converter_;
};

std::unique_ptr<FTFont> openFont(float depth, bool italic) {
    const std::string file = defaultBoldFaceFile(italic);
    std::unique_ptr<FTFont> font;
    if (depth > 0)
        font = std::make_unique<FTExtrudeFont>(file.c_str());
    else
        font = std::make_unique<FTPolygonFont>(file.c_str());
    if (font->Error() || !font->FaceSize(FACE_SIZE)) return nullptr;
    font->Depth(depth * FACE_SIZE);
    // Glyphs are emitted straight into our lists; lists of their own could not be nested.
    font->UseDisplayList(false);
    return font;
}

GLYPHMETRICSFLOAT metricsOf(FTFont& font, const wchar_t* glyph) {
    const FTBBox box = font.BBox(glyph, 1);
    GLYPHMETRICSFLOAT metrics;
    metrics.gmfBlackBoxX = (box.Upper().Xf() - box.Lower().Xf()) * EM_PER_UNIT;
    metrics.gmfBlackBoxY = (box.Upper().Yf() - box.Lower().Yf()) * EM_PER_UNIT;
    metrics.gmfptGlyphOrigin.x = box.Lower().Xf() * EM_PER_UNIT;
    metrics.gmfptGlyphOrigin.y = box.Upper().Yf() * EM_PER_UNIT;
    metrics.gmfCellIncX = font.Advance(glyph, 1) * EM_PER_UNIT;
    return metrics;
}

// One list: the glyph at the origin in em units, then the pen moved by its advance
// along the baseline turned by `angle` degrees.
void compileGlyph(FTFont& font, const wchar_t* glyph, const GLYPHMETRICSFLOAT& metrics, float angle) {
    if (angle != 0) glRotatef(angle, 0, 0, 1);
    glPushMatrix();
    glScalef(EM_PER_UNIT, EM_PER_UNIT, EM_PER_UNIT);
    font.Render(glyph, 1);
    glPopMatrix();
    glTranslatef(metrics.gmfCellIncX, 0, 0);
    if (angle != 0) glRotatef(-angle, 0, 0, 1);
}

}  // namespace

void INITTEXT(float EXTRUSION, std::int32_t ANG, std::int32_t ITAL, std::int32_t /*GRAS: not part of outlines*/) {
    DELETEGLTEXT();
    BASE = glGenLists(CODES);
    const std::unique_ptr<FTFont> font = openFont(EXTRUSION, ITAL != 0);
    if (!font) return;
    const Windows1252 charset;
    const float angle = static_cast<float>(ANG) / 10.0f;
    for (int code = 0; code < OUTLINED_CODES; ++code) {
        const wchar_t glyph[1] = {charset.unicode(static_cast<unsigned char>(code))};
        if (glyph[0] == 0) continue;
        GMF[code] = metricsOf(*font, glyph);
        glNewList(BASE + code, GL_COMPILE);
        compileGlyph(*font, glyph, GMF[code], angle);
        glEndList();
    }
}

void DELETEGLTEXT() {
    if (BASE != 0) glDeleteLists(BASE, CODES);
    BASE = 0;
    ++TEXTLISTCHANGES;
    for (GLYPHMETRICSFLOAT& metrics : GMF) metrics = GLYPHMETRICSFLOAT{};
}

void PUTGLTEXT(float X, float Y, float TEXTSIZE, std::string_view TEXT) {
    PUTGLTEXT3D(X / 200, Y / 200, 0, (1 + TEXTSIZE) / 10, TEXT);
}

void PUTGLTEXT3D(float X, float Y, float Z, float TEXTSIZE, std::string_view TEXT) {
    if (TEXT.empty()) return;
    glPushMatrix();
    // Placing before scaling puts the text at (X, Y, Z) without dividing by TEXTSIZE.
    glTranslatef(X, Y, Z);
    glScalef(TEXTSIZE, TEXTSIZE, TEXTSIZE);
    glPushAttrib(GL_LIST_BIT);
    glListBase(BASE);
    glCallLists(static_cast<GLsizei>(TEXT.size()), GL_UNSIGNED_BYTE, TEXT.data());
    glPopAttrib();
    glPopMatrix();
}

std::string WINDOWS1252TEXT(std::string_view utf8) {
    const iconv_t converter = iconv_open("WINDOWS-1252//TRANSLIT", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
    std::string in(utf8), out(utf8.size(), '\0');  // never longer than the UTF-8 text
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    while (inLeft > 0 && iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1)) {
        if (outLeft == 0) break;
        // A byte that is no UTF-8 at all: a '?' for it, and on with the rest.
        *outPointer++ = '?';
        --outLeft;
        ++inPointer;
        --inLeft;
    }
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}
