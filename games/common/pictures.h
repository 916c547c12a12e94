// pictures.h -- the friendly pictures of the games, drawn in code, and the panels and buttons around them
#pragma once

#include "atlas.h"
#include "tasks.h"

constexpr int PicBigSize = 128;
constexpr int PicSmallSize = 64;
constexpr int PicMediumSize = 100; // a scene of six pictures or more
constexpr int PicHugeSize = 192; // a scene of one picture: a clock, a sign, an animal to name

// A clock's hands in its picture, which is 100 units across: their length from the centre.
constexpr float ClockHourHand = 18, ClockMinuteHand = 29;

// Draws the picture at size x size pixels (smoothed) onto the atlas and returns its sprite, or -1.
int pictureSprite(Pic pic, int size);
// The sprite made earlier for this picture and size, or -1.
int pictureFind(Pic pic, int size);

// A rounded panel with a border and a soft shadow, w x h pixels; returns its sprite, or -1.
int panelSprite(int w, int h, Rgba fill, Rgba border, int radius);

// A big star, for the praise and the finished tasks.
int starSprite(int size, bool lit);

// A round button with a white speaker and its sound waves on it, size x size pixels.
int speakerSprite(int size, Rgba fill);

// Forgets the pictures made so far (the atlas pages are freed with the atlas).
void picturesForget();

// For tests: draws the picture into a new surface of size x size (not on the atlas); the caller frees it.
SDL_Surface *pictureRender(Pic pic, int size);
