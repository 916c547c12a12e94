// gl_recorder.h -- an OpenGL table that writes every call as a line of text, for checking without a window
#pragma once

#include <string>
#include <vector>

#include "video/video_internal.h"

// The calls since the last clear, one per entry, e.g. "BindTexture(TEXTURE_2D, 3)".
extern std::vector<std::string> glCalls;

// Installs the recorder as the layer's OpenGL table. GenTextures hands out 1, 2, 3, ... or, when names
// are reused, the lowest name not in use; GetIntegerv of GL_MAX_TEXTURE_SIZE answers maxTextureSize.
void installGLRecorder(int maxTextureSize = 16384, bool reuseTextureNames = false);
void clearGLCalls();

// Errors that the next GetError calls return, first to last; then GL_NO_ERROR.
void queueGLError(GLenum error);

// Pointer arguments of TexSubImage2D and ReadPixels are logged as "@" and their address in hex.
std::string addressText(const void *pointer);

// The calls whose text starts with prefix.
std::vector<std::string> glCallsStartingWith(const std::string &prefix);

// Counts the texture binds and the vertices of whatever the layer's OpenGL table draws, passing each call
// on to it: for measuring real drawing.
struct GLDrawCounts {
    long binds = 0;
    long vertices = 0;
};
extern GLDrawCounts glDrawCounts;
void countGLDrawing();
