// voice.cpp -- the voice's clips: the manifest, decoding ahead of need, the voice channel and what waits
#include "voice.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cctype>
#include <cstring>

#include "platform/filekind.h"
#include "tavrin/host.h"

//----------------------------------------------------------------------------------------------------------
// Defines and state
//----------------------------------------------------------------------------------------------------------

namespace {

constexpr int MaxClips = 4096;
// A decoded clip is the mixer's own format, about 180 KB a second, so only the latest are kept.
constexpr int MaxDecoded = 48;
constexpr int MaxWaiting = 4;
constexpr int MaxPrepared = 16;
constexpr const char *ClipFolder = "snd/voice/";

struct Clip {
    uint64_t key;                  // the shown text's hash
    std::array<char, 32> file;     // the clip's name in ClipFolder
    Mix_Chunk *chunk;              // decoded, or null
    int lastUse;
    bool broken;                   // could not be decoded: never tried again
};

// Plain fixed tables, so that nothing here needs destroying while the library is unloaded (see engineRelease).
struct Voice {
    bool audio;                    // the shell's audio is open
    int volume;
    std::array<Clip, MaxClips> clips;
    int clipCount;
    int decodedCount;
    int uses;
    std::array<int, MaxWaiting> waiting;   // clips to say in turn once the voice is free
    std::array<const char *, MaxWaiting> waitingTexts;
    int waitingCount;
    std::array<int, MaxPrepared> prepared; // clips to decode before they are needed
    int preparedCount;
    int playing;                   // the clip last started, or -1
    const char *playingText;
    const char *pointed;           // the word under the pointer, and how long it has rested there
    int restFrames;
    bool armed;                    // the pointer moved onto the word, so it may be said
    bool pointedSaid;
    bool moved;
    int missing;
};
Voice voice{};

//----------------------------------------------------------------------------------------------------------
// Internal functions
//----------------------------------------------------------------------------------------------------------

uint64_t textKey(const char *text)
{
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) h = (h ^ *p) * 1099511628211ull;
    return h;
}

bool sameText(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

int findClip(const char *text)
{
    if (!text) return -1;
    uint64_t key = textKey(text);
    auto end = voice.clips.begin() + voice.clipCount;
    auto found = std::lower_bound(voice.clips.begin(), end, key, [](const Clip &c, uint64_t k) { return c.key < k; });
    return found != end && found->key == key ? static_cast<int>(found - voice.clips.begin()) : -1;
}

// A clip's name is the manifest's only way into the file system: letters, digits and one point, nothing that
// could lead out of the clips' folder.
bool plainClipName(const char *name)
{
    size_t length = std::strlen(name);
    if (length < 5 || length >= sizeof(Clip::file) || std::strcmp(name + length - 4, ".ogg") != 0) return false;
    for (size_t i = 0; i + 4 < length; ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

void readManifest()
{
    char reason[128];
    std::FILE *f = isRegularFile(VoiceManifest, reason, sizeof reason) ? std::fopen(VoiceManifest, "rb") : nullptr;
    if (!f) {
        std::fprintf(stderr, "voice: %s: %s; the games say nothing\n", VoiceManifest,
                     reason[0] ? reason : "cannot be read");
        return;
    }
    char line[1024];
    int rejected = 0;
    while (std::fgets(line, sizeof line, f)) {
        char *tab = std::strchr(line, '\t');
        size_t length = std::strcspn(line, "\r\n");
        bool whole = line[length] != '\0' || std::feof(f);
        line[length] = '\0';
        if (!tab || !whole || voice.clipCount == MaxClips) {
            rejected += line[0] != '\0';
            if (!whole) // the rest of an overlong line is no line of its own
                while (std::fgets(line, sizeof line, f) && !std::strchr(line, '\n')) {
                }
            continue;
        }
        *tab = '\0';
        if (!plainClipName(line) || tab[1] == '\0') {
            ++rejected;
            continue;
        }
        Clip &c = voice.clips[static_cast<size_t>(voice.clipCount++)];
        c = Clip{};
        c.key = textKey(tab + 1);
        std::snprintf(c.file.data(), c.file.size(), "%s", line);
    }
    std::fclose(f);
    auto end = voice.clips.begin() + voice.clipCount;
    std::stable_sort(voice.clips.begin(), end, [](const Clip &a, const Clip &b) { return a.key < b.key; });
    voice.clipCount = static_cast<int>(
        std::unique(voice.clips.begin(), end, [](const Clip &a, const Clip &b) { return a.key == b.key; }) -
        voice.clips.begin());
    if (rejected) std::fprintf(stderr, "voice: %s: %d lines that name no clip were skipped\n", VoiceManifest, rejected);
}

void freeClip(Clip &c)
{
    if (!c.chunk) return;
    Mix_FreeChunk(c.chunk); // stops the channel first if it still plays this clip
    c.chunk = nullptr;
    --voice.decodedCount;
}

// The clip decoded into the mixer's format, or null; the one used longest ago makes room.
Mix_Chunk *decode(int index)
{
    Clip &c = voice.clips[static_cast<size_t>(index)];
    c.lastUse = ++voice.uses;
    if (c.chunk || c.broken || !voice.audio) return c.chunk;
    if (voice.decodedCount >= MaxDecoded) {
        int oldest = -1;
        for (int i = 0; i < voice.clipCount; ++i)
            if (voice.clips[i].chunk && i != voice.playing &&
                (oldest < 0 || voice.clips[i].lastUse < voice.clips[static_cast<size_t>(oldest)].lastUse))
                oldest = i;
        if (oldest >= 0) freeClip(voice.clips[static_cast<size_t>(oldest)]);
    }
    char path[64], reason[128] = "";
    std::snprintf(path, sizeof path, "%s%s", ClipFolder, c.file.data());
    SDL_RWops *stream = isRegularFile(path, reason, sizeof reason) ? SDL_RWFromFile(path, "rb") : nullptr;
    c.chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (!c.chunk) {
        c.broken = true;
        std::fprintf(stderr, "voice: %s: %s\n", path, reason[0] ? reason : Mix_GetError());
        return nullptr;
    }
    ++voice.decodedCount;
    return c.chunk;
}

void start(int index, const char *text)
{
    if (voice.volume <= 0) return;
    Mix_Chunk *chunk = decode(index);
    if (!chunk) {
        ++voice.missing;
        return;
    }
    // As the shell does with its click: the volume is set before the start, so that the first moments do not
    // sound at an earlier volume, and after it, because a start may reset it.
    Mix_Volume(TavrinChannelVoice, voice.volume);
    if (Mix_PlayChannel(TavrinChannelVoice, chunk, 0) < 0) return;
    Mix_Volume(TavrinChannelVoice, voice.volume);
    voice.playing = index;
    voice.playingText = text;
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

void voiceOpen(int volume)
{
    voiceClose();
    voice.audio = Mix_QuerySpec(nullptr, nullptr, nullptr) != 0 && Mix_AllocateChannels(-1) > TavrinChannelVoice;
    voice.volume = std::clamp(volume, 0, MIX_MAX_VOLUME);
    // The manifest is read without sound too, so that what has no clip is known all the same.
    readManifest();
}

void voiceClose()
{
    if (voice.audio && Mix_QuerySpec(nullptr, nullptr, nullptr)) Mix_HaltChannel(TavrinChannelVoice);
    for (int i = 0; i < voice.clipCount; ++i) freeClip(voice.clips[static_cast<size_t>(i)]);
    voice.clipCount = 0;
    voice.audio = false;
    voice.playing = -1;
    voice.playingText = nullptr;
    voice.waitingCount = voice.preparedCount = 0;
    voice.pointed = nullptr;
    voice.missing = 0;
}

void voiceStop()
{
    if (voice.audio) Mix_HaltChannel(TavrinChannelVoice);
    voice.playing = -1;
    voice.playingText = nullptr;
    voice.waitingCount = 0;
}

void voiceSay(const char *text)
{
    voiceStop();
    int index = findClip(text);
    if (index < 0) {
        voice.missing += text != nullptr;
        return;
    }
    start(index, text);
}

void voiceSayNext(const char *text)
{
    int index = findClip(text);
    if (index < 0) {
        voice.missing += text != nullptr;
        return;
    }
    if (!voiceSaying() && voice.waitingCount == 0) return start(index, text);
    if (voice.waitingCount == MaxWaiting) return;
    voice.waiting[static_cast<size_t>(voice.waitingCount)] = index;
    voice.waitingTexts[static_cast<size_t>(voice.waitingCount++)] = text;
    voicePrepare(text);
}

void voicePrepare(const char *text)
{
    int index = findClip(text);
    if (index < 0 || voice.clips[static_cast<size_t>(index)].chunk || voice.preparedCount == MaxPrepared) return;
    for (int i = 0; i < voice.preparedCount; ++i)
        if (voice.prepared[static_cast<size_t>(i)] == index) return;
    voice.prepared[static_cast<size_t>(voice.preparedCount++)] = index;
}

void voicePointerMoved() { voice.moved = true; }

void voiceFrame(const char *pointed)
{
    if (voice.waitingCount > 0 && !voiceSaying()) {
        int index = voice.waiting[0];
        const char *text = voice.waitingTexts[0];
        --voice.waitingCount;
        std::copy_n(voice.waiting.begin() + 1, voice.waitingCount, voice.waiting.begin());
        std::copy_n(voice.waitingTexts.begin() + 1, voice.waitingCount, voice.waitingTexts.begin());
        start(index, text);
    }

    // A word is said once the pointer has rested on it, and once only until the pointer leaves it.
    if (!sameText(pointed, voice.pointed)) {
        voicePrepare(pointed); // decoded while the pointer rests, so that saying it costs nothing
        voice.pointed = pointed;
        voice.restFrames = 0;
        voice.pointedSaid = false;
        voice.armed = voice.moved;
    } else if (voice.moved) {
        voice.armed = true;
    }
    voice.moved = false;
    if (voice.pointed && voice.armed && !voice.pointedSaid && ++voice.restFrames >= VoiceRestFrames) {
        voice.pointedSaid = true;
        voiceSay(voice.pointed);
    }

    // One clip a frame at most, so that no frame grows long.
    if (voice.preparedCount > 0) {
        decode(voice.prepared[0]);
        --voice.preparedCount;
        std::copy_n(voice.prepared.begin() + 1, voice.preparedCount, voice.prepared.begin());
    }
}

bool voiceHasClip(const char *text) { return findClip(text) >= 0; }

const char *voiceSaying()
{
    if (!voice.audio || voice.playing < 0 || !Mix_Playing(TavrinChannelVoice) ||
        Mix_GetChunk(TavrinChannelVoice) != voice.clips[static_cast<size_t>(voice.playing)].chunk)
        return nullptr;
    return voice.playingText;
}

int voiceClipCount() { return voice.clipCount; }
int voiceMissing() { return voice.missing; }
