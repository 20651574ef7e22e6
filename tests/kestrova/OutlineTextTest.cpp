// Outline text: the font lists, their advances, and text placed on screen.
#include "kestrova/OutlineText.h"

#include "kestrova/Texture.h"
#include "support/OffscreenGL.h"

#include <GL/gl.h>

#include <array>
#include <filesystem>

namespace {

class OutlineTextTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        INITTEXT(0, 0, 0, 0);
        // The overlay's view: x from -2 to 2, y from -1.5 to 1.5.
        glMatrixMode(GL_PROJECTION);
        glOrtho(-2, 2, -1.5, 1.5, -2, 2);
        glMatrixMode(GL_MODELVIEW);
    }
    static std::array<float, 16> modelView() {
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        return m;
    }
    static GLint stackDepth() {
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        return depth;
    }
    // Pen position after calling the lists of `text` from the identity.
    static float advanceOf(const char* text) {
        glPushMatrix();
        glLoadIdentity();
        for (const char* c = text; *c; ++c) glCallList(BASE + static_cast<unsigned char>(*c));
        const float x = modelView()[12];
        glPopMatrix();
        return x;
    }
    bool lit(int x, int y) { return pixelAt(x, y)[0] > 128; }
};

TEST_F(OutlineTextTest, TextLeavesTheMatrixStackAsItWas) {
    glTranslatef(0.25f, 0.5f, 0);
    const auto before = modelView();
    const GLint depth = stackDepth();
    PUTGLTEXT(10, 20, 0, "");
    EXPECT_EQ(modelView(), before);
    EXPECT_EQ(stackDepth(), depth);
    PUTGLTEXT3D(1, 2, 3, 0.5f, "GRAVITA TERRA");
    EXPECT_EQ(modelView(), before);
    EXPECT_EQ(stackDepth(), depth);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(OutlineTextTest, ListsAdvanceByTheGlyphAdvancesInEms) {
    EXPECT_NEAR(advanceOf("MM"), 2 * GMF['M'].gmfCellIncX, 1e-5);
    EXPECT_NEAR(advanceOf("ii"), 2 * GMF['i'].gmfCellIncX, 1e-5);
    EXPECT_LT(advanceOf("ii"), advanceOf("MM"));
    // A bold sans capital M is most of an em wide.
    EXPECT_GT(GMF['M'].gmfCellIncX, 0.7f);
    EXPECT_LT(GMF['M'].gmfCellIncX, 1.1f);
    EXPECT_GT(GMF[' '].gmfCellIncX, 0.2f) << "a space moves the pen without drawing";
}

TEST_F(OutlineTextTest, GravityCaptionFitsBetweenTheArrows) {
    // The overlay writes "GRAVITA" from x = 0.35 at 0.095 units per em and the right
    // arrow begins near x = 0.78: the word must stay within about 4.5 em, as in the
    // Windows default face the overlay was laid out for.
    const float inkEnd = advanceOf("GRAVIT") + GMF['A'].gmfptGlyphOrigin.x + GMF['A'].gmfBlackBoxX;
    EXPECT_LT(inkEnd, 4.5f);
}

TEST_F(OutlineTextTest, Windows1252CodesDrawTheirGlyphs) {
    // 224 is a grave a in Windows-1252: as wide as a plain a, and with a glyph.
    EXPECT_GT(GMF[224].gmfBlackBoxX, 0);
    EXPECT_FLOAT_EQ(GMF[224].gmfCellIncX, GMF['a'].gmfCellIncX);
    EXPECT_GT(GMF[224].gmfBlackBoxY, GMF['a'].gmfBlackBoxY) << "the accent stands above the letter";
    EXPECT_GT(GMF[0x80].gmfBlackBoxX, 0) << "the euro sign";
    EXPECT_EQ(advanceOf("\xFF"), 0) << "code 255 has an empty list";
    EXPECT_EQ(advanceOf("\x81"), 0) << "an unassigned code draws nothing";
}

TEST_F(OutlineTextTest, OverlayTextStartsAtItsPlaceOnTheBaseline) {
    glColor3f(1, 1, 1);
    PUTGLTEXT(70, 236, -0.05f, "I");  // origin (0.35, 1.18), 0.095 units per em
    const float left = (0.35f + 2 + GMF['I'].gmfptGlyphOrigin.x * 0.095f) * 200;
    const int baselineRow = static_cast<int>((1.5f - 1.18f) * 200);
    int leftmost = 800, lowest = -1;
    for (int y = 0; y < 150; ++y)
        for (int x = 400; x < 600; ++x)
            if (lit(x, y)) {
                leftmost = std::min(leftmost, x);
                lowest = std::max(lowest, y);
            }
    EXPECT_NEAR(leftmost, left, 1.5);
    EXPECT_NEAR(lowest, baselineRow, 1.5);
}

TEST_F(OutlineTextTest, FacesStayVisibleWithBackFaceCulling) {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glColor3f(1, 1, 1);
    PUTGLTEXT3D(-1, -0.5f, 0, 1, "H");
    EXPECT_TRUE(lit(static_cast<int>((-1 + 2 + GMF['H'].gmfptGlyphOrigin.x + 0.05f) * 200), 350));
}

TEST_F(OutlineTextTest, ExtrudedLettersReachBackAlongMinusZ) {
    INITTEXT(0.5f, 0, 0, 0);
    glCallList(BASE + 'H');  // builds without errors and still advances
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_NEAR(modelView()[12], GMF['H'].gmfCellIncX, 1e-5);
    INITTEXT(0, 0, 0, 0);
}

// A picture to look at: the overlay caption line and the logo on its quad.
TEST_F(OutlineTextTest, DrawsCaptionAndLogo) {
    glClearColor(0.1f, 0.12f, 0.18f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    TEXTURELOADTGAID(KESTROVA_TEST_DATA "/logoKestrova.tga", 0);
    TEXTURETGASELECTID(0);
    TEXTUREON();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.4f);
    glColor3f(1, 1, 1);
    glPushMatrix();
    glTranslatef(-1.2916666f, 1.0833334f, 0);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-0.6666667f, -0.1666667f);
    glTexCoord2f(1, 0), glVertex2f(0.6666667f, -0.1666667f);
    glTexCoord2f(1, 1), glVertex2f(0.6666667f, 0.1666667f);
    glTexCoord2f(0, 1), glVertex2f(-0.6666667f, 0.1666667f);
    glEnd();
    glPopMatrix();
    TEXTUREOFF();
    glDisable(GL_ALPHA_TEST);
    glColor3f(0.6f, 0.6f, 0.6f);
    PUTGLTEXT(70, 236, -0.05f, "GRAVITA");
    PUTGLTEXT(180, 236, -0.05f, "TERRA");
    PUTGLTEXT(-150, 0, 0.8f, "Selezionare un demo");
    PUTGLTEXT3D(-1.8f, -0.8f, 0, 0.24f, "GRAVITA TERRA \xE0 \x80 1234");
    savePng((std::filesystem::temp_directory_path() / "kestrova_text_and_logo.png").c_str());
    int litInCaptionRow = 0;
    for (int x = 250; x < 700; ++x) litInCaptionRow += lit(x, 290);
    EXPECT_GT(litInCaptionRow, 40) << "the start screen caption stands just above the middle";
    EXPECT_GT(pixelAt(60, 80)[0], 200) << "the logo's K";
}

}  // namespace
