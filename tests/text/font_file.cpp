// font_file.cpp -- finds a TrueType file with the Hungarian letters for the font tests
#include "font_file.h"

#include <array>
#include <cstdio>

std::string testFontPath()
{
    const std::array<std::string, 3> candidates = {
        std::string(TAVRIN_RUN_DIR) + "/g/KOMIKATA.TTF",
        "/usr/share/fonts/truetype/andika/Andika-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
    for (const std::string &path : candidates) {
        if (FILE *file = std::fopen(path.c_str(), "rb")) {
            std::fclose(file);
            return path;
        }
    }
    return {};
}
