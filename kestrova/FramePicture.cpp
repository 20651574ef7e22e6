#include "kestrova/FramePicture.h"

#include "kestrova/OGLWindow.h"

#include <GL/gl.h>
#include <stb_image_write.h>

#include <algorithm>

std::vector<std::uint8_t> READFRAMEPIXELS(int& width, int& height) {
    width = std::max(WIDTH, 0);
    height = std::max(HEIGHT, 0);
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    std::vector<std::uint8_t> bottomUp(stride * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> rows(bottomUp.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(bottomUp.data() + stride * (height - 1 - y), stride, rows.data() + stride * y);
    return rows;
}

bool WRITEPNGFILE(const std::string& path, int width, int height, std::vector<std::uint8_t> rows) {
    if (width <= 0 || height <= 0 || rows.size() < static_cast<std::size_t>(width) * height * 4) return false;
    // A picture of the window is opaque, as the window is.
    for (std::size_t i = 3; i < rows.size(); i += 4) rows[i] = 255;
    return stbi_write_png(path.c_str(), width, height, 4, rows.data(), width * 4) != 0;
}
