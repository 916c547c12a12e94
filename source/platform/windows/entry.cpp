// entry.cpp -- the Windows program's entry: its output sent to files, SDL started, then the main routine
//
// It does what SDL's own Windows entry does, through the wide calls so that any folder name works:
// standard output and standard error go to stdout.txt and stderr.txt, each made afresh beside the
// executable, and each is deleted at exit when nothing was written to it; SDL is started without its
// signal handlers and stopped at exit; the main routine gets the arguments (in UTF-8) and its result
// becomes the exit code. Where the program's folder cannot be written (a copy under Program Files), the
// two files go to the user's state folder, with the log. SDL_STDIO_REDIRECT=0 leaves the streams alone.
#include <SDL/SDL.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/places.h"
#include "wide.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static std::array<std::wstring, 2> outputFiles;  // stdout.txt and stderr.txt once redirected

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Sends both streams to files in folder (UTF-8); false, with the streams untouched, when it cannot be
// written.
static bool redirectInto(const std::string &folder)
{
    std::wstring base = utf16FromUtf8(folder.c_str());
    if (base.empty()) return false;
    std::wstring out = base + L"\\stdout.txt", err = base + L"\\stderr.txt";
    // Tried apart first: a failed reopen would leave the stream closed.
    FILE *probe = _wfopen(out.c_str(), L"w");
    if (!probe) return false;
    fclose(probe);
    if (!_wfreopen(out.c_str(), L"w", stdout) || !_wfreopen(err.c_str(), L"w", stderr)) return false;
    outputFiles = {out, err};
    setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    setbuf(stderr, nullptr);
    return true;
}

static void redirectOutput()
{
    const char *setting = getenv("SDL_STDIO_REDIRECT");
    if (setting && atoi(setting) == 0) return;
    std::array<char, 32768> folder{};
    if (executableDirectory(folder.data(), folder.size()) && redirectInto(folder.data())) return;
    if (stateDirectory(folder.data(), folder.size())) redirectInto(folder.data());
}

static void removeEmptyOutput()
{
    fclose(stdout);  // what is still buffered is written first
    fclose(stderr);
    for (const std::wstring &path : outputFiles) {
        if (path.empty()) continue;
        FILE *file = _wfopen(path.c_str(), L"rb");
        if (!file) continue;
        bool empty = fgetc(file) == EOF;
        fclose(file);
        if (empty) DeleteFileW(path.c_str());
    }
}

static void quitSdl() { SDL_Quit(); }

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    redirectOutput();
    atexit(removeEmptyOutput);

    std::vector<std::string> arguments = commandLineArguments(0, nullptr);
    std::vector<char *> argv;
    for (std::string &argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) {
        fprintf(stderr, "WinMain() error: %s\n", SDL_GetError());
        return 0;
    }
    atexit(quitSdl);
    // SDL needs the program's instance for the window it makes later.
    SDL_SetModuleHandle(GetModuleHandle(nullptr));
    exit(SDL_main(static_cast<int>(arguments.size()), argv.data()));
}
