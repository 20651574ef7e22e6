#include "showcase/Screenshot.h"

#include "kestrova/FramePicture.h"
#include "kestrova/Input.h"
#include "kestrova/OutlineText.h"
#include "kestrova/PicturesFolder.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "kestrova/WinTypes.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <filesystem>
#include <system_error>

namespace {

constexpr std::uint32_t kNoticeMs = 4000;
std::string notice;
std::uint32_t noticeSince = 0;

// A name not taken yet in the folder: a second picture in the same second gets "-2", and so on.
std::filesystem::path freePath(const std::filesystem::path& folder, const std::string& name) {
    const std::filesystem::path first = folder / name;
    std::error_code error;
    if (!std::filesystem::exists(first, error)) return first;
    const std::string stem = first.stem().string();
    for (int n = 2;; ++n) {
        const std::filesystem::path next = folder / (stem + "-" + std::to_string(n) + ".png");
        if (!std::filesystem::exists(next, error)) return next;
    }
}

std::filesystem::path picturesFolder() {
    const std::string folder = PICTURESFOLDER();
    if (!folder.empty()) return folder;
    std::error_code error;
    return std::filesystem::current_path(error);
}

void takeScreenshot() {
    const std::filesystem::path path = freePath(picturesFolder(), SCREENSHOTFILENAME(SELECTDEMO, std::time(nullptr)));
    int width = 0, height = 0;
    std::vector<std::uint8_t> rows = READFRAMEPIXELS(width, height);
    const bool written = WRITEPNGFILE(path.string(), width, height, std::move(rows));
    notice = (written ? "Immagine salvata: " : "Impossibile salvare l'immagine: ") + path.string();
    noticeSince = platform::tickCount();
}

}  // namespace

std::string SCREENSHOTFILENAME(int scene, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32] = "";
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return "kestrova-" + std::to_string(scene) + "-" + stamp + ".png";
}

void SCREENSHOTKEY() {
    static bool wasHeld = false;
    const bool held = SETGLKEY(VK_F12);
    if (held && !wasHeld) takeScreenshot();
    wasHeld = held;
}

std::string SCREENSHOTNOTICE() {
    if (!notice.empty() && platform::tickCount() - noticeSince > kNoticeMs) notice.clear();
    return notice;
}

void DRAWSCREENSHOTNOTICE() {
    const std::string line = SCREENSHOTNOTICE();
    if (line.empty()) return;
    glDisable(GL_LIGHTING);
    glColor3f(0.9f, 0.9f, 0.9f);
    // Under the logo, where the sky is dark in every scene: the overlay adds its light.
    PUTGLTEXT3D(static_cast<float>(0.1 - OVERLAYHALFWIDTH()), 0.8f, 0, 0.07f, line);
    glEnable(GL_LIGHTING);
}
