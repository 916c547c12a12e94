// audio.cpp -- the audio device, its log line, the failure message and the click
#include "audio/audio.h"

#include <cstdio>

#include "base/log.h"
#include "platform/desktop.h"
#include "platform/filekind.h"
#include "store/settings.h"
#include "text/charset.h"
#include "tavrin/host.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
// The games play their effects and their voice on the channels the shared header gives them.
static_assert(TavrinChannelCount == MIX_CHANNELS, "the mixer opens with the channels the games are promised");

constexpr const char *noSoundCardMessage = "Az alkalmaz\xE1s nem tudta megnyitni a hangk\xE1rty\xE1t.\n"
                                           "Ellen\xF5rizze, hogy egy m\xE1sik alkalmaz\xE1s nem foglalja-e.";

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
Mix_Music *musicTrack = nullptr;
Mix_Chunk *clickSound = nullptr;
int audioOpened = 0;

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void openAudio(int frequency, int channels)
{
    if (audioOpened == 1) return;
    if (Mix_OpenAudio(frequency, AUDIO_S16LSB, channels, audioChunkSize) < 0) {
        // Written before the box, which may stand on the screen for a long time.
        char line[300];
        snprintf(line, sizeof line, " \xB7 Couldn't open the sound card: %s", Mix_GetError());
        logLine(line);
        // The desktop takes UTF-8.
        showMessageBox("Tavrin", windows1250ToUtf8(noSoundCardMessage).c_str());
        audioOpened = 1;
        return;
    }
    int deviceFrequency = 0;
    Uint16 deviceFormat = 0;
    int deviceChannels = 0;
    Mix_QuerySpec(&deviceFrequency, &deviceFormat, &deviceChannels);

    // The format ends in a line feed of its own, so an empty line follows it in the log.
    char line[160];
    snprintf(line, sizeof line, "Opened audio at %d Hz %d bit %s, %d bytes audio buffer\n", deviceFrequency,
             deviceFormat & 0xFF, deviceChannels < 2 ? "mono" : "stereo", audioChunkSize);
    logLine(line);
    audioOpened = 1;
}

void closeAudio()
{
    if (audioOpened != 1) return;
    Mix_CloseAudio();
    audioOpened = 0;
}

bool audioDeviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

void playClick(Mix_Chunk *chunk)
{
    if (!audioDeviceOpen()) return;
    // The click plays on a channel of its own so that a new click cuts the old one off. The volume is set
    // again after the start, each time; setting it before as well keeps the mixer from sounding the first
    // moments of a click at the previous volume (a click at volume 0 stays silent).
    Mix_Volume(TavrinChannelClick, appSettings.fxvolume);
    Mix_PlayChannelTimed(TavrinChannelClick, chunk, 0, -1);
    Mix_Volume(TavrinChannelClick, appSettings.fxvolume);
}

// Only a plain file is opened: a named pipe in a sound's place would keep the loader waiting for ever.
// Without a device the loader refuses every sound, which is no news worth a line in the log.
static bool soundFileReadable(const char *path)
{
    char reason[128];
    if (isRegularFile(path, reason, sizeof reason)) return true;
    logLoadFailure(path, reason);
    return false;
}

Mix_Music *loadMusic(const char *path)
{
    if (!soundFileReadable(path)) return nullptr;
    Mix_Music *music = Mix_LoadMUS(path);
    if (!music && audioDeviceOpen()) logLoadFailure(path, Mix_GetError());
    return music;
}

Mix_Chunk *loadSound(const char *path)
{
    if (!soundFileReadable(path)) return nullptr;
    SDL_RWops *stream = SDL_RWFromFile(path, "rb");
    Mix_Chunk *chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (!chunk && audioDeviceOpen()) logLoadFailure(path, Mix_GetError());
    return chunk;
}
