// gl_table.cpp -- the one table through which the video layer calls OpenGL
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "video/video_internal.h"

VideoGLTable gl;

namespace {
template <typename Fn> bool loadEntry(Fn &slot, const char *name)
{
    slot = reinterpret_cast<Fn>(SDL_GL_GetProcAddress(name));
    return slot != nullptr;
}
}  // namespace

bool VideoLoadGL()
{
    VideoGLTable table{};
    bool ok = loadEntry(table.Begin, "glBegin") && loadEntry(table.End, "glEnd") &&
              loadEntry(table.Vertex2i, "glVertex2i") && loadEntry(table.TexCoord2f, "glTexCoord2f") &&
              loadEntry(table.Color4ub, "glColor4ub") && loadEntry(table.Color3ub, "glColor3ub") &&
              loadEntry(table.Enable, "glEnable") && loadEntry(table.Disable, "glDisable") &&
              loadEntry(table.BlendFunc, "glBlendFunc") && loadEntry(table.BindTexture, "glBindTexture") &&
              loadEntry(table.GenTextures, "glGenTextures") &&
              loadEntry(table.DeleteTextures, "glDeleteTextures") &&
              loadEntry(table.TexParameteri, "glTexParameteri") && loadEntry(table.TexImage2D, "glTexImage2D") &&
              loadEntry(table.TexSubImage2D, "glTexSubImage2D") && loadEntry(table.PixelStorei, "glPixelStorei") &&
              loadEntry(table.ReadPixels, "glReadPixels") && loadEntry(table.Viewport, "glViewport") &&
              loadEntry(table.MatrixMode, "glMatrixMode") && loadEntry(table.LoadIdentity, "glLoadIdentity") &&
              loadEntry(table.Ortho, "glOrtho") && loadEntry(table.GetIntegerv, "glGetIntegerv") &&
              loadEntry(table.GetError, "glGetError") && loadEntry(table.Flush, "glFlush") &&
              loadEntry(table.CopyTexSubImage2D, "glCopyTexSubImage2D");
    if (!ok) return false;
    VideoInstallGL(table);
    return true;
}

void VideoInstallGL(const VideoGLTable &table)
{
    VideoEndQuads();  // through the table that began them
    gl = table;
    video.glLoaded = true;
}

void VideoUnloadGL()
{
    gl = VideoGLTable{};
    video.glLoaded = false;
    video.quadsOpen = false;  // the context is gone, and the run with it
}

bool VideoGLLoaded() { return video.glLoaded; }

// ----------------------------------------------------------------------------------------------------
// Runs of quads
// ----------------------------------------------------------------------------------------------------
// Quads of one texture and one state go out between one glBegin and one glEnd: on a software
// rasterizer every glEnd is a draw of its own. Every other OpenGL call of the layer ends the run first
// (OpenGL allows only vertex data inside it).
void VideoBeginQuads()
{
    if (video.quadsOpen) return;
    gl.Begin(GL_QUADS);
    video.quadsOpen = true;
}

void VideoEndQuads()
{
    if (!video.quadsOpen) return;
    video.quadsOpen = false;
    if (video.glLoaded) gl.End();
}

// ----------------------------------------------------------------------------------------------------
// The renderer
// ----------------------------------------------------------------------------------------------------
void VideoRendererName(char *buffer, size_t size)
{
    if (size == 0) return;
    buffer[0] = '\0';
    // Asked of whichever context is current (the start-up probe's window has no table of its own).
    using GetStringFn = const GLubyte *(APIENTRY *)(GLenum);
    auto getString = reinterpret_cast<GetStringFn>(SDL_GL_GetProcAddress("glGetString"));
    const GLubyte *name = getString && SDL_GetVideoSurface() ? getString(GL_RENDERER) : nullptr;
    if (name) snprintf(buffer, size, "%s", reinterpret_cast<const char *>(name));
}

bool VideoSoftwareRenderer(const char *name)
{
    // What the renderers that draw with the processor call themselves: Mesa's llvmpipe, softpipe and
    // swrast ("Software Rasterizer"), its OpenSWR ("SWR (LLVM ...)"), its X11 and off-screen drivers,
    // Windows' own OpenGL 1.1 ("GDI Generic") and its WARP device under Direct3D 12 ("Microsoft Basic
    // Render Driver"), and Apple's "Apple Software Renderer".
    static const char *const software[] = {"llvmpipe", "softpipe", "swrast", "software rasterizer",
                                           "software renderer", "swr (", "mesa x11", "mesa offscreen",
                                           "gdi generic", "basic render driver"};
    if (!name) return false;
    std::string lower(name);
    for (char &c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    for (const char *word : software)
        if (lower.find(word) != std::string::npos) return true;
    return false;
}
