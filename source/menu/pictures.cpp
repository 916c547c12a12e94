// pictures.cpp -- the menu's pictures and clouds, filled in at start-up, and how a run-time picture is read
#include "menu/menu.h"

#include <SDL/SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/filekind.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
std::array<SDL_Surface *, 3> cloudImages;
std::array<SDL_Surface *, 4> mascotFrames;
SDL_Surface *sliderBar, *sliderKnob;
std::array<SDL_Surface *, 2> checkImages;
std::array<Cloud, 10> clouds;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// A picture cut short (a broken copy, a full disk) would still load: the loaders leave what is missing
// empty, and a button plate becomes a thin line. The kinds of picture the program's files are made of
// are followed to their end first: a TGA's pixels, packed in runs or not, and a JPEG's segments up to its
// end marker. Others are left to their loader, which refuses a short PNG or BMP by itself.
static bool tgaWhole(const std::vector<Uint8> &bytes)
{
    if (bytes.size() < 18) return false;
    auto word = [&bytes](size_t at) { return static_cast<size_t>(bytes[at] | bytes[at + 1] << 8); };
    const size_t pixelSize = (bytes[16] + 7u) / 8u, pixels = word(12) * word(14);
    size_t at = 18 + bytes[0] + (bytes[1] ? word(5) * ((bytes[7] + 7u) / 8u) : 0);
    const int kind = bytes[2];
    if (kind == 1 || kind == 2 || kind == 3) return at + pixels * pixelSize <= bytes.size();
    if (kind != 9 && kind != 10 && kind != 11) return true;
    for (size_t done = 0; done < pixels;) {
        if (at >= bytes.size()) return false;
        const Uint8 head = bytes[at++];
        const size_t count = (head & 0x7F) + 1u;
        at += head & 0x80 ? pixelSize : count * pixelSize;
        done += count;
    }
    return at <= bytes.size();
}

static bool jpegWhole(const std::vector<Uint8> &bytes)
{
    size_t at = 2;  // after the start marker
    while (at + 1 < bytes.size()) {
        if (bytes[at] != 0xFF) return true;  // not what it should be: the loader says more
        const Uint8 marker = bytes[at + 1];
        at += 2;
        if (marker == 0xFF) {
            at--;  // padding before a marker
            continue;
        }
        if (marker == 0xD9) return true;  // the end marker
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (at + 1 >= bytes.size()) return false;
        at += static_cast<size_t>(bytes[at] << 8 | bytes[at + 1]);
        if (marker != 0xDA) continue;
        // Coded data follows a scan's header up to the next marker; FF 00 and the restart markers are
        // part of it.
        while (at + 1 < bytes.size() &&
               !(bytes[at] == 0xFF && bytes[at + 1] != 0 && (bytes[at + 1] < 0xD0 || bytes[at + 1] > 0xD7)))
            at++;
    }
    return false;
}

// The file's bytes, or false when it cannot be read. The program's pictures are a few hundred KB; a file
// far larger is none of them, and is not read into memory.
constexpr std::streamoff largestPicture = 32 << 20;

static bool readWhole(const char *path, std::vector<Uint8> &bytes, char *reason, size_t reasonSize)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || size > largestPicture) {
        snprintf(reason, reasonSize, "%s", size < 0 ? strerror(errno) : "far too large for a picture");
        return false;
    }
    in.seekg(0);
    bytes.resize(static_cast<size_t>(size));
    if (size > 0) in.read(reinterpret_cast<char *>(bytes.data()), size);
    bytes.resize(static_cast<size_t>(in.gcount() > 0 ? in.gcount() : 0));
    return true;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
SDL_Surface *loadImage(const char *path)
{
    // Only a plain file is opened: a named pipe in a picture's place would keep the reader waiting for ever.
    char reason[128];
    if (!isRegularFile(path, reason, sizeof reason)) {
        IMG_SetError("%s", reason);
        return nullptr;
    }
    std::vector<Uint8> bytes;
    if (!readWhole(path, bytes, reason, sizeof reason)) {
        IMG_SetError("%s", reason);
        return nullptr;
    }
    // The loader is told the kind by the name's ending, as for a file, since a TGA has no mark of its own.
    const char *dot = strrchr(path, '.');
    const char *kind = dot ? dot + 1 : "";
    const bool jpeg = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
    if ((jpeg && !jpegWhole(bytes)) || (!jpeg && SDL_strcasecmp(kind, "tga") == 0 && !tgaWhole(bytes))) {
        // SDL formats its errors itself, without the C library's size modifiers.
        char damaged[96];
        snprintf(damaged, sizeof damaged, "damaged: the picture is cut short at %zu bytes", bytes.size());
        IMG_SetError("%s", damaged);
        return nullptr;
    }
    SDL_RWops *memory = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_Surface *image = memory ? IMG_LoadTyped_RW(memory, 1, const_cast<char *>(kind)) : nullptr;
    if (image) image->unused1 = 0;  // no texture record yet; the video layer makes one at the first draw
    return image;
}
