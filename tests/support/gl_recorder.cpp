// gl_recorder.cpp -- the recording OpenGL table of the tests, and the draw counter of the benchmarks
#include "gl_recorder.h"

#include <cstdarg>
#include <cstdio>
#include <deque>
#include <set>

std::vector<std::string> glCalls;

namespace {
GLuint nextTextureName = 1;
bool reuseNames = false;
std::set<GLuint> liveNames;
int recordedMaxTextureSize = 16384;
std::deque<GLenum> pendingErrors;

std::string enumText(GLenum value)
{
    switch (value) {
    case GL_QUADS: return "QUADS";
    case GL_TEXTURE_2D: return "TEXTURE_2D";
    case GL_BLEND: return "BLEND";
    case GL_DEPTH_TEST: return "DEPTH_TEST";
    case GL_CULL_FACE: return "CULL_FACE";
    case GL_SRC_ALPHA: return "SRC_ALPHA";
    case GL_ONE_MINUS_SRC_ALPHA: return "ONE_MINUS_SRC_ALPHA";
    case GL_MODELVIEW: return "MODELVIEW";
    case GL_PROJECTION: return "PROJECTION";
    case GL_RGB: return "RGB";
    case GL_RGBA: return "RGBA";
    case GL_RGB8: return "RGB8";
    case GL_RGBA8: return "RGBA8";
    case GL_UNSIGNED_BYTE: return "UNSIGNED_BYTE";
    case GL_NEAREST: return "NEAREST";
    case GL_LINEAR: return "LINEAR";
    case GL_TEXTURE_WRAP_S: return "TEXTURE_WRAP_S";
    case GL_TEXTURE_WRAP_T: return "TEXTURE_WRAP_T";
    case GL_CLAMP_TO_EDGE: return "CLAMP_TO_EDGE";
    case GL_TEXTURE_MAG_FILTER: return "TEXTURE_MAG_FILTER";
    case GL_TEXTURE_MIN_FILTER: return "TEXTURE_MIN_FILTER";
    case GL_UNPACK_ROW_LENGTH: return "UNPACK_ROW_LENGTH";
    case GL_MAX_TEXTURE_SIZE: return "MAX_TEXTURE_SIZE";
    }
    char text[16];
    snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

void record(const char *format, ...) __attribute__((format(printf, 1, 2)));
void record(const char *format, ...)
{
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    glCalls.emplace_back(line);
}

#define E(value) enumText(value).c_str()

void APIENTRY recBegin(GLenum mode) { record("Begin(%s)", E(mode)); }
void APIENTRY recEnd() { record("End()"); }
void APIENTRY recVertex2i(GLint x, GLint y) { record("Vertex2i(%d, %d)", x, y); }
void APIENTRY recTexCoord2f(GLfloat s, GLfloat t) { record("TexCoord2f(%g, %g)", s, t); }
void APIENTRY recColor4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a) { record("Color4ub(%d, %d, %d, %d)", r, g, b, a); }
void APIENTRY recColor3ub(GLubyte r, GLubyte g, GLubyte b) { record("Color3ub(%d, %d, %d)", r, g, b); }
void APIENTRY recEnable(GLenum cap) { record("Enable(%s)", E(cap)); }
void APIENTRY recDisable(GLenum cap) { record("Disable(%s)", E(cap)); }
void APIENTRY recBlendFunc(GLenum s, GLenum d) { record("BlendFunc(%s, %s)", E(s), E(d)); }
void APIENTRY recBindTexture(GLenum target, GLuint name) { record("BindTexture(%s, %u)", E(target), name); }
void APIENTRY recGenTextures(GLsizei count, GLuint *names)
{
    for (GLsizei i = 0; i < count; i++) {
        GLuint name = nextTextureName++;
        if (reuseNames)  // the lowest name not in use, as many drivers hand them out
            for (name = 1; liveNames.count(name) != 0; name++) continue;
        liveNames.insert(name);
        names[i] = name;
    }
    record("GenTextures(%d) -> %u", count, names[0]);
}
void APIENTRY recDeleteTextures(GLsizei count, const GLuint *names)
{
    for (GLsizei i = 0; i < count; i++) liveNames.erase(names[i]);
    record("DeleteTextures(%d, %u)", count, names[0]);
}
void APIENTRY recTexParameteri(GLenum target, GLenum name, GLint value)
{
    record("TexParameteri(%s, %s, %s)", E(target), E(name), E(static_cast<GLenum>(value)));
}
void APIENTRY recTexImage2D(GLenum target, GLint level, GLint internal, GLsizei w, GLsizei h, GLint border,
                            GLenum format, GLenum type, const void *pixels)
{
    record("TexImage2D(%s, %d, %s, %d, %d, %d, %s, %s, %s)", E(target), level, E(static_cast<GLenum>(internal)), w, h,
           border, E(format), E(type), pixels ? "data" : "null");
}
void APIENTRY recTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei w, GLsizei h, GLenum format,
                               GLenum type, const void *pixels)
{
    record("TexSubImage2D(%s, %d, %d, %d, %d, %d, %s, %s, %s)", E(target), level, x, y, w, h, E(format), E(type),
           addressText(pixels).c_str());
}
void APIENTRY recPixelStorei(GLenum name, GLint value) { record("PixelStorei(%s, %d)", E(name), value); }
void APIENTRY recReadPixels(GLint x, GLint y, GLsizei w, GLsizei h, GLenum format, GLenum type, void *)
{
    record("ReadPixels(%d, %d, %d, %d, %s, %s)", x, y, w, h, E(format), E(type));
}
void APIENTRY recViewport(GLint x, GLint y, GLsizei w, GLsizei h) { record("Viewport(%d, %d, %d, %d)", x, y, w, h); }
void APIENTRY recMatrixMode(GLenum mode) { record("MatrixMode(%s)", E(mode)); }
void APIENTRY recLoadIdentity() { record("LoadIdentity()"); }
void APIENTRY recOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f)
{
    record("Ortho(%g, %g, %g, %g, %g, %g)", l, r, b, t, n, f);
}
void APIENTRY recGetIntegerv(GLenum name, GLint *values)
{
    if (name == GL_MAX_TEXTURE_SIZE) values[0] = recordedMaxTextureSize;
    record("GetIntegerv(%s)", E(name));
}
GLenum APIENTRY recGetError()
{
    if (pendingErrors.empty()) return GL_NO_ERROR;
    GLenum error = pendingErrors.front();
    pendingErrors.pop_front();
    return error;
}
void APIENTRY recFlush() { record("Flush()"); }
void APIENTRY recCopyTexSubImage2D(GLenum target, GLint level, GLint xOffset, GLint yOffset, GLint x, GLint y,
                                   GLsizei w, GLsizei h)
{
    record("CopyTexSubImage2D(%s, %d, %d, %d, %d, %d, %d, %d)", E(target), level, xOffset, yOffset, x, y, w, h);
}
}  // namespace

void installGLRecorder(int maxTextureSize, bool reuseTextureNames)
{
    recordedMaxTextureSize = maxTextureSize;
    nextTextureName = 1;
    reuseNames = reuseTextureNames;
    liveNames.clear();
    pendingErrors.clear();
    VideoGLTable table{recBegin,         recEnd,           recVertex2i,    recTexCoord2f,    recColor4ub,
                       recColor3ub,      recEnable,        recDisable,     recBlendFunc,     recBindTexture,
                       recGenTextures,   recDeleteTextures, recTexParameteri, recTexImage2D, recTexSubImage2D,
                       recPixelStorei,   recReadPixels,    recViewport,    recMatrixMode,    recLoadIdentity,
                       recOrtho,         recGetIntegerv,   recGetError,    recFlush,         recCopyTexSubImage2D};
    VideoInstallGL(table);
    glCalls.clear();
}

void clearGLCalls() { glCalls.clear(); }

void queueGLError(GLenum error) { pendingErrors.push_back(error); }

std::string addressText(const void *pointer)
{
    char text[32];
    snprintf(text, sizeof text, "@%p", pointer);
    return text;
}

std::vector<std::string> glCallsStartingWith(const std::string &prefix)
{
    std::vector<std::string> found;
    for (const std::string &call : glCalls)
        if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    return found;
}

GLDrawCounts glDrawCounts;

namespace {
void(APIENTRY *passBindTexture)(GLenum, GLuint);
void(APIENTRY *passVertex2i)(GLint, GLint);
void APIENTRY countBindTexture(GLenum target, GLuint name)
{
    glDrawCounts.binds++;
    passBindTexture(target, name);
}
void APIENTRY countVertex2i(GLint x, GLint y)
{
    glDrawCounts.vertices++;
    passVertex2i(x, y);
}
}  // namespace

void countGLDrawing()
{
    passBindTexture = gl.BindTexture;
    passVertex2i = gl.Vertex2i;
    gl.BindTexture = countBindTexture;
    gl.Vertex2i = countVertex2i;
    glDrawCounts = {};
}
