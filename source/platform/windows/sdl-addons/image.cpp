// image.cpp -- SDL_image's loading calls for the Windows build: JPEG, PNG, TGA and BMP into SDL surfaces
//
// The surfaces have the formats SDL_image gives on Linux (24-bit RGB for JPEG, 32-bit ARGB or 24-bit RGB
// for TGA, RGB(A) byte order for PNG), so the program sees the same pictures on both platforms.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" {
#include <jpeglib.h>
#include <png.h>
}

namespace {

// The stream's bytes from its current position to its end; false on a read error.
bool readAll(SDL_RWops *src, std::vector<Uint8> *bytes)
{
    Uint8 chunk[16384];
    for (;;) {
        int got = SDL_RWread(src, chunk, 1, sizeof chunk);
        if (got < 0) return false;
        if (got == 0) return true;
        bytes->insert(bytes->end(), chunk, chunk + got);
    }
}

bool startsWith(SDL_RWops *src, const Uint8 *magic, int size)
{
    int start = SDL_RWtell(src);
    Uint8 head[8] = {};
    bool same = SDL_RWread(src, head, 1, size) == size && std::memcmp(head, magic, size) == 0;
    SDL_RWseek(src, start, RW_SEEK_SET);
    return same;
}

// ---- JPEG, through libjpeg-turbo

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegFailed(j_common_ptr info)
{
    JpegError *error = reinterpret_cast<JpegError *>(info->err);
    std::longjmp(error->jump, 1);
}

void jpegQuiet(j_common_ptr) {}

SDL_Surface *loadJpeg(const std::vector<Uint8> &bytes)
{
    jpeg_decompress_struct info;
    JpegError error;
    SDL_Surface *volatile surface = nullptr;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.output_message = jpegQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        if (surface) SDL_FreeSurface(surface);
        SDL_SetError("JPEG loading error");
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.quantize_colors = FALSE;
    jpeg_calc_output_dimensions(&info);
    surface = SDL_CreateRGBSurface(SDL_SWSURFACE, info.output_width, info.output_height, 24,
                                   0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (!surface) {
        jpeg_destroy_decompress(&info);
        SDL_SetError("Out of memory");
        return nullptr;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = static_cast<Uint8 *>(surface->pixels) + info.output_scanline * surface->pitch;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return surface;
}

// ---- PNG, through libpng: every kind expanded to 8-bit RGB or RGBA

struct PngInput {
    const std::vector<Uint8> *bytes;
    size_t at;
};

void pngRead(png_structp png, png_bytep out, png_size_t size)
{
    PngInput *input = static_cast<PngInput *>(png_get_io_ptr(png));
    if (input->bytes->size() - input->at < size) png_error(png, "truncated");
    std::memcpy(out, input->bytes->data() + input->at, size);
    input->at += size;
}

void pngWarning(png_structp, png_const_charp) {}

SDL_Surface *loadPng(const std::vector<Uint8> &bytes)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, pngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        SDL_SetError("Out of memory");
        return nullptr;
    }
    SDL_Surface *volatile surface = nullptr;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (surface) SDL_FreeSurface(surface);
        SDL_SetError("Error reading the PNG file.");
        return nullptr;
    }
    PngInput input{&bytes, 0};
    png_set_read_fn(png, &input, pngRead);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_packing(png);
    png_set_expand(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    int channels = png_get_channels(png, info);
    surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8 * channels, 0x000000FF, 0x0000FF00, 0x00FF0000,
                                   channels == 4 ? 0xFF000000 : 0);
    if (!surface) png_error(png, "out of memory");
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = static_cast<png_bytep>(surface->pixels) + y * surface->pitch;
    png_read_image(png, rows.data());
    png_read_end(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}

// ---- TGA: true colour, grey and colour-mapped, plain or run-length encoded

SDL_Surface *loadTga(const std::vector<Uint8> &bytes)
{
    auto fail = [](const char *why) -> SDL_Surface * {
        SDL_SetError("%s", why);
        return nullptr;
    };
    if (bytes.size() < 18) return fail("Error reading TGA data");
    const Uint8 *h = bytes.data();
    int idLength = h[0], mapType = h[1], type = h[2];
    int mapFirst = h[3] | h[4] << 8, mapLength = h[5] | h[6] << 8, mapBits = h[7];
    int width = h[12] | h[13] << 8, height = h[14] | h[15] << 8, bits = h[16], flags = h[17];
    bool rle = type >= 9;
    int kind = rle ? type - 8 : type;  // 1 colour-mapped, 2 true colour, 3 grey
    if ((kind != 1 && kind != 2 && kind != 3) || width == 0 || height == 0) return fail("Unsupported TGA format");
    if ((kind == 1 && (bits != 8 || mapType != 1)) || (kind == 3 && bits != 8) ||
        (kind == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32))
        return fail("Unsupported TGA format");
    size_t at = 18 + idLength;
    int mapBytes = (mapBits + 7) / 8;
    std::vector<SDL_Color> palette;
    if (mapType == 1) {
        if (mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return fail("Unsupported TGA format");
        if (bytes.size() < at + size_t(mapLength) * mapBytes) return fail("Error reading TGA data");
        for (int i = 0; i < mapLength; ++i, at += mapBytes) {
            const Uint8 *e = &bytes[at];
            SDL_Color c{};
            if (mapBytes == 2) {
                int v = e[0] | e[1] << 8;
                c.r = ((v >> 10) & 31) << 3;
                c.g = ((v >> 5) & 31) << 3;
                c.b = (v & 31) << 3;
            } else {
                c.b = e[0];
                c.g = e[1];
                c.r = e[2];
            }
            palette.push_back(c);
        }
    }

    SDL_Surface *surface = nullptr;
    if (kind == 2 && bits >= 24) {
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bits, 0x00FF0000, 0x0000FF00, 0x000000FF,
                                       bits == 32 ? 0xFF000000 : 0);
    } else if (kind == 2) {
        bool alpha = bits == 16 && (flags & 0x0F) != 0;
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0x7C00, 0x03E0, 0x001F, alpha ? 0x8000 : 0);
    } else {
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8, 0, 0, 0, 0);
        if (surface && kind == 3) {
            std::vector<SDL_Color> grey(256);
            for (int i = 0; i < 256; ++i) grey[i].r = grey[i].g = grey[i].b = static_cast<Uint8>(i);
            SDL_SetColors(surface, grey.data(), 0, 256);
        } else if (surface) {
            std::vector<SDL_Color> colours(256);
            for (size_t i = 0; i < palette.size(); ++i)
                if (mapFirst + i < 256) colours[mapFirst + i] = palette[i];
            SDL_SetColors(surface, colours.data(), 0, 256);
        }
    }
    if (!surface) return fail("Out of memory");

    // The pixels, decoded into one top-to-bottom, left-to-right row store of the file's pixel size.
    int pixelBytes = (bits + 7) / 8;
    size_t total = size_t(width) * height * pixelBytes;
    std::vector<Uint8> pixels;
    pixels.reserve(total);
    if (!rle) {
        if (bytes.size() - at < total) {
            SDL_FreeSurface(surface);
            return fail("Error reading TGA data");
        }
        pixels.assign(bytes.begin() + at, bytes.begin() + at + total);
    } else {
        while (pixels.size() < total) {
            if (at >= bytes.size()) break;
            int packet = bytes[at++];
            int count = (packet & 0x7F) + 1;
            size_t need = packet & 0x80 ? pixelBytes : size_t(count) * pixelBytes;
            if (bytes.size() - at < need) break;
            for (int i = 0; i < count && pixels.size() < total; ++i) {
                const Uint8 *p = &bytes[at + (packet & 0x80 ? 0 : size_t(i) * pixelBytes)];
                pixels.insert(pixels.end(), p, p + pixelBytes);
            }
            at += need;
        }
        if (pixels.size() < total) {
            SDL_FreeSurface(surface);
            return fail("Error reading TGA data");
        }
    }

    bool topDown = flags & 0x20, rightToLeft = flags & 0x10;
    size_t rowBytes = size_t(width) * pixelBytes;
    for (int y = 0; y < height; ++y) {
        const Uint8 *from = &pixels[size_t(topDown ? y : height - 1 - y) * rowBytes];
        Uint8 *to = static_cast<Uint8 *>(surface->pixels) + y * surface->pitch;
        if (!rightToLeft) {
            std::memcpy(to, from, rowBytes);
        } else {
            for (int x = 0; x < width; ++x)
                std::memcpy(to + x * pixelBytes, from + size_t(width - 1 - x) * pixelBytes, pixelBytes);
        }
    }
    return surface;
}

bool typeIs(const char *type, const char *name)
{
    if (!type) return false;
    for (; *type && *name; ++type, ++name)
        if ((*type | 0x20) != (*name | 0x20)) return false;
    return *type == 0 && *name == 0;
}

}  // namespace

extern "C" {

int IMG_Init(int flags) { return flags & (IMG_INIT_JPG | IMG_INIT_PNG); }
void IMG_Quit(void) {}

int IMG_isJPG(SDL_RWops *src)
{
    static const Uint8 magic[] = {0xFF, 0xD8};
    return src && startsWith(src, magic, 2);
}

int IMG_isPNG(SDL_RWops *src)
{
    static const Uint8 magic[] = {0x89, 'P', 'N', 'G'};
    return src && startsWith(src, magic, 4);
}

int IMG_isBMP(SDL_RWops *src)
{
    static const Uint8 magic[] = {'B', 'M'};
    return src && startsWith(src, magic, 2);
}

// The kind is found from the file's first bytes; TGA, which has no mark of its own, only by its name.
SDL_Surface *IMG_LoadTyped_RW(SDL_RWops *src, int freesrc, char *type)
{
    if (!src) {
        SDL_SetError("Passed a NULL data source");
        return nullptr;
    }
    SDL_Surface *surface = nullptr;
    if (IMG_isBMP(src)) {
        surface = SDL_LoadBMP_RW(src, 0);
    } else {
        bool jpeg = IMG_isJPG(src), png = IMG_isPNG(src);
        std::vector<Uint8> bytes;
        if (!jpeg && !png && !typeIs(type, "TGA")) {
            SDL_SetError("Unsupported image format");
        } else if (!readAll(src, &bytes)) {
            SDL_SetError("Error reading the file");
        } else {
            surface = jpeg ? loadJpeg(bytes) : png ? loadPng(bytes) : loadTga(bytes);
        }
    }
    if (freesrc) SDL_RWclose(src);
    return surface;
}

SDL_Surface *IMG_Load_RW(SDL_RWops *src, int freesrc) { return IMG_LoadTyped_RW(src, freesrc, nullptr); }

SDL_Surface *IMG_Load(const char *file)
{
    SDL_RWops *src = SDL_RWFromFile(file, "rb");
    if (!src) return nullptr;  // SDL has said why
    const char *dot = std::strrchr(file, '.');
    return IMG_LoadTyped_RW(src, 1, const_cast<char *>(dot ? dot + 1 : ""));
}

SDL_Surface *IMG_LoadJPG_RW(SDL_RWops *src) { return IMG_LoadTyped_RW(src, 0, nullptr); }
SDL_Surface *IMG_LoadPNG_RW(SDL_RWops *src) { return IMG_LoadTyped_RW(src, 0, nullptr); }
SDL_Surface *IMG_LoadBMP_RW(SDL_RWops *src) { return IMG_LoadTyped_RW(src, 0, nullptr); }
SDL_Surface *IMG_LoadTGA_RW(SDL_RWops *src) { return IMG_LoadTyped_RW(src, 0, const_cast<char *>("TGA")); }

}  // extern "C"
