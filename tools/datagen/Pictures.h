#pragma once
// The pictures of the program's image files.
#include "Canvas.h"

#include <filesystem>

// The window icon: a lit ball bouncing on a box, `size` pixels square.
Image iconPicture(int size);
// The logo "Kestrova Phy", four times as wide as high, on a transparent ground.
Image logoPicture(const std::filesystem::path& fontFile);
// The gravity selector's arrow, pointing left; the program turns it round for the
// right-hand button. Highlighted is the arrow under the mouse.
Image arrowPicture(bool highlighted);
