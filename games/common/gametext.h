// gametext.h -- Hungarian text for the games: rendered once from the game font onto the atlas pages
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "atlas.h"

enum TextStyle {
    TextTitle,    // big headings
    TextPrompt,   // the question of a round
    TextLabel,    // the label under a picture, hints, the task title
    TextAnswer,   // the label of an answer that has no picture
    TextBigAnswer, // an answer that is a number alone
    TextCard,     // the label under the picture of an answer
    TextHint,     // the gentle hint after a wrong answer, up to two lines in the hint box
    TextButton,   // white, on the buttons
    TextCheer,    // the big praise after a right answer
    TextNumber,   // numbers on the task tiles and on pictures being counted
    TextWarning,  // a kind warning after an answer that would be dangerous
    TextStyleCount
};

// Opens the font "g/KOMIKATA.TTF" of the working directory, or a bold sans-serif font of the system's when
// that cannot be read. Without either every text is still made, with a small built-in typeface of plain
// letters, so the games stay playable.
void textOpen();
void textClose();
bool textHasFont();

// Renders UTF-8 text of at most maxWidth pixels per line (wrapped at spaces, lines centred) in the style's
// size and colour, for pictures that carry words or numbers; the caller frees the surface. Null for an
// empty text or when nothing can be rendered.
SDL_Surface *textRender(const char *utf8, int size, Rgba colour, int maxWidth);

// The sprite of a text in a style, made on first request; -1 when it cannot be made. All texts must be
// requested before the first frame is drawn, because the pages do not change afterwards.
int textSprite(const char *utf8, TextStyle style);
// The lines a text is written in within a style, and the size it is written at: the style's own, or smaller
// when the text would not fit the style's room (a number never starts a line, and the lines are even).
std::vector<std::string> textLines(const char *utf8, TextStyle style, int *size = nullptr);
// The sprite made earlier for this text and style, or -1.
int textFind(const char *utf8, TextStyle style);
