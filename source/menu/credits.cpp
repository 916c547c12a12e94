// credits.cpp -- product configuration: the lines of the credits screen and the addresses the logos open
#include "menu/menu.h"

// Texts are Windows-1250. A hex escape runs on over every hex digit, so a string is split where an
// escaped letter is followed by one of a to f.
const std::array<CreditsLine, CreditsLineCount> creditsLines = {{
    {"Ez a j\xE1t\xE9kcsomag szeretettel k\xE9sz\xFClt", 140, true},
    {"minden k\xEDv\xE1ncsi kis felfedez\xF5nek.", 170, true},
    {"K\xE9sz\xEDtette: a Tavrin csapata", 215, true},
    {"K\xF6zrem\xFBk\xF6" "dtek:", 257, false},  // the heading of the two lines below
    {"rajzok \xE9s hangok: a Tavrin m\xFBhely", 275, false},
    {"\xF6tletek, pr\xF3" "baj\xE1t\xE9k: sok-sok gyerek", 293, false},
}};

const char *const logo1Address = "https://tavrin.hu/jatekok/";
const char *const logo2Address = "https://tavrin.hu/szuloknek/";
const char *const logo4Address = "https://tavrin.hu/";
const char *const logo5Address = "https://tavrin.hu/tamogatok/";
