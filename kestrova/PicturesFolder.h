#pragma once
// The user's pictures folder as the desktop names it (XDG user directories).
#include <string>
#include <string_view>

// The pictures entry of a user-dirs.dirs text (XDG_PICTURES_DIR="$HOME/Bilder"),
// with $HOME replaced by `home`; empty when the text names none that is usable
// (a path must be absolute or start at $HOME). The last entry counts.
std::string PICTURESENTRY(std::string_view userDirs, std::string_view home);
// Where pictures of the window go: $XDG_PICTURES_DIR, else the pictures entry of
// the user's user-dirs.dirs, else ~/Pictures, whichever is first an existing
// folder; empty (the working directory) when there is none.
std::string PICTURESFOLDER();
