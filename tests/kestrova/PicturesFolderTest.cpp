// The pictures folder named in a user-dirs.dirs file, as xdg-user-dirs writes it
// and as people edit it.
#include "kestrova/PicturesFolder.h"

#include <gtest/gtest.h>

TEST(PicturesFolder, TheEntryOfAUserDirsFileWithHomeAbsoluteAndBrokenLines) {
    const char* written = "# This file is written by xdg-user-dirs-update\n"
                          "XDG_DESKTOP_DIR=\"$HOME/Scrivania\"\n"
                          "XDG_PICTURES_DIR=\"$HOME/Immagini\"\n";
    EXPECT_EQ(PICTURESENTRY(written, "/home/anna"), "/home/anna/Immagini");
    EXPECT_EQ(PICTURESENTRY("  XDG_PICTURES_DIR = \"/srv/foto \\\"2026\\\"\"\n", "/home/anna"), "/srv/foto \"2026\"");
    // Unquoted, relative, another variable, unclosed: none of them names a folder.
    EXPECT_EQ(PICTURESENTRY("XDG_PICTURES_DIR=$HOME/Pictures\nXDG_PICTURES_DIR=\"Pictures\"\n"
                            "XDG_PICTURES_DIR=\"$HOMEX/a\"\nXDG_PICTURES_DIR=\"/unclosed\n",
                            "/home/anna"),
              "");
    // The last usable entry counts; $HOME without a home names nothing.
    EXPECT_EQ(PICTURESENTRY("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\n", ""), "/b");
    EXPECT_EQ(PICTURESENTRY("XDG_PICTURES_DIR=\"$HOME/Pictures\"", ""), "");
}
