// font_file.h -- which TrueType file the font tests render from
#pragma once

#include <string>

// The program's own font when the build has laid it out, else a system font with every Hungarian
// letter; empty when there is none.
std::string testFontPath();
