// voice.cpp -- the voice's clips: the manifest, decoding ahead of need, the voice channel and what waits
#include "voice.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/filekind.h"
#include "tavrin/host.h"

//----------------------------------------------------------------------------------------------------------
// Defines and state
//----------------------------------------------------------------------------------------------------------

namespace {

constexpr int MaxClips = 4096;
constexpr int MaxParts = 4;       // the sentences of a text, each said from a clip of its own
// A decoded clip is the mixer's own format, about 180 KB a second, so only the latest are kept.
constexpr int MaxDecoded = 48;
constexpr int MaxWaiting = 8;
constexpr int MaxQueued = 16;
constexpr const char *ClipFolder = "snd/voice/";

// A text, and the clips of its sentences in turn. Texts that share a sentence ("Hányan vannak együtt?") share
// its clip.
struct Entry {
    uint64_t key;                  // the shown text's hash
    std::array<int16_t, MaxParts> parts;
    int partCount;
};

struct Clip {
    std::array<char, 32> file;     // the clip's name in ClipFolder; never changes while the decoder runs
    Mix_Chunk *chunk;              // decoded, or null
    int lastUse;
    bool asked;                    // handed to the decoder, not yet back
    bool broken;                   // could not be decoded: never tried again
};

// A clip the decoder has made, until the game takes it.
struct Decoded {
    int clip;
    Mix_Chunk *chunk;
    std::array<char, 128> reason; // why there is no chunk
};

// Clips are decoded on a thread of the game's own, so that no frame waits for one: the game hands it clip
// numbers and takes back what it made; everything else is the game's thread's alone. The thread runs only
// while there is something to decode, and returns (never exits through SDL's pthread_exit, whose unwinding
// would wait for the library loader, which is held while the library is unloaded).
struct Decoder {
    std::array<int, MaxQueued> queue;     // the most urgent first
    int queued;
    std::array<Decoded, MaxQueued + 1> done;
    int doneCount;
    bool running;                         // the thread works through the queue
    bool quit;
};

// Plain fixed tables, so that nothing here needs destroying while the library is unloaded (see engineRelease).
struct Voice {
    bool audio;                    // the shell's audio is open
    int volume;
    std::array<Entry, MaxClips> entries;
    int entryCount;
    std::array<Clip, MaxClips> clips;
    int clipCount;
    int decodedCount;
    int uses;
    int playing;                   // the clip last started, or -1
    const char *playingText;
    int pending;                   // the clip to start as soon as it is decoded, or -1
    const char *pendingText;
    std::array<int, MaxWaiting> waiting; // clips to say in turn once the voice is free
    std::array<const char *, MaxWaiting> waitingTexts;
    int waitingCount;
    const char *pointed;           // the word under the pointer, and how long it has rested there
    int restFrames;
    bool armed;                    // the pointer moved onto the word, so it may be said
    bool pointedSaid;
    bool moved;
    int missing;
};
Voice voice{};
Decoder decoder{};
std::mutex decoderLock;                  // guards decoder
std::thread decoderThread;

// The thread runs the library's code, so it is waited for before the library goes away, also when the game
// did not end; this comes after the thread's own record, so it is done before that record is destroyed.
struct CloseAtUnload {
    ~CloseAtUnload() { voiceClose(); }
} closeAtUnload;

//----------------------------------------------------------------------------------------------------------
// Internal functions: the manifest
//----------------------------------------------------------------------------------------------------------

uint64_t textKey(const char *text)
{
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) h = (h ^ *p) * 1099511628211ull;
    return h;
}

bool sameText(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

const Entry *findEntry(const char *text)
{
    if (!text) return nullptr;
    uint64_t key = textKey(text);
    auto end = voice.entries.begin() + voice.entryCount;
    auto found = std::lower_bound(voice.entries.begin(), end, key, [](const Entry &e, uint64_t k) { return e.key < k; });
    return found != end && found->key == key ? &*found : nullptr;
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

// A line "clip clip...<TAB>shown text": the clips of the text's sentences, in turn.
bool readLine(char *line, std::map<std::string, int> &clipNamed)
{
    char *tab = std::strchr(line, '\t');
    if (!tab || tab[1] == '\0' || voice.entryCount == MaxClips) return false;
    *tab = '\0';
    Entry entry{textKey(tab + 1), {}, 0};
    for (char *name = std::strtok(line, " "); name; name = std::strtok(nullptr, " ")) {
        if (!plainClipName(name) || entry.partCount == MaxParts) return false;
        auto known = clipNamed.find(name);
        if (known == clipNamed.end()) {
            if (voice.clipCount == MaxClips) return false;
            Clip &c = voice.clips[static_cast<size_t>(voice.clipCount)];
            c = Clip{};
            std::snprintf(c.file.data(), c.file.size(), "%s", name);
            known = clipNamed.emplace(name, voice.clipCount++).first;
        }
        entry.parts[static_cast<size_t>(entry.partCount++)] = static_cast<int16_t>(known->second);
    }
    if (entry.partCount == 0) return false;
    voice.entries[static_cast<size_t>(voice.entryCount++)] = entry;
    return true;
}

void readManifest()
{
    char reason[128] = "";
    std::FILE *f = isRegularFile(VoiceManifest, reason, sizeof reason) ? std::fopen(VoiceManifest, "rb") : nullptr;
    if (!f) {
        std::fprintf(stderr, "voice: %s: %s; the games say nothing\n", VoiceManifest,
                     reason[0] ? reason : "cannot be read");
        return;
    }
    std::map<std::string, int> clipNamed;
    char line[1024];
    int rejected = 0;
    while (std::fgets(line, sizeof line, f)) {
        size_t length = std::strcspn(line, "\r\n");
        bool whole = line[length] != '\0' || std::feof(f);
        line[length] = '\0';
        if (!whole) // the rest of an overlong line is no line of its own
            while (std::fgets(line, sizeof line, f) && !std::strchr(line, '\n')) {
            }
        if (line[0] != '\0' && (!whole || !readLine(line, clipNamed))) ++rejected;
    }
    std::fclose(f);
    auto end = voice.entries.begin() + voice.entryCount;
    std::stable_sort(voice.entries.begin(), end, [](const Entry &a, const Entry &b) { return a.key < b.key; });
    voice.entryCount = static_cast<int>(
        std::unique(voice.entries.begin(), end, [](const Entry &a, const Entry &b) { return a.key == b.key; }) -
        voice.entries.begin());
    if (rejected) std::fprintf(stderr, "voice: %s: %d lines that name no clip were skipped\n", VoiceManifest, rejected);
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: decoding
//----------------------------------------------------------------------------------------------------------

void decoderMain()
{
    std::unique_lock<std::mutex> hold(decoderLock);
    // With its results not yet taken filling the table, it stops until the game has taken them.
    while (decoder.queued > 0 && !decoder.quit && decoder.doneCount < static_cast<int>(decoder.done.size())) {
        int index = decoder.queue[0];
        --decoder.queued;
        std::copy_n(decoder.queue.begin() + 1, decoder.queued, decoder.queue.begin());
        hold.unlock();

        Decoded d{index, nullptr, {}};
        char path[64];
        std::snprintf(path, sizeof path, "%s%s", ClipFolder, voice.clips[static_cast<size_t>(index)].file.data());
        SDL_RWops *stream = isRegularFile(path, d.reason.data(), d.reason.size()) ? SDL_RWFromFile(path, "rb") : nullptr;
        d.chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
        if (!d.chunk && !d.reason[0]) std::snprintf(d.reason.data(), d.reason.size(), "%s", Mix_GetError());

        hold.lock();
        decoder.done[static_cast<size_t>(decoder.doneCount++)] = d;
    }
    decoder.running = false;
}

void freeClip(Clip &c)
{
    if (!c.chunk) return;
    Mix_FreeChunk(c.chunk); // stops the channel first if it still plays this clip
    c.chunk = nullptr;
    --voice.decodedCount;
}

// Starts the thread when there is something to decode and it has returned; with decoderLock held.
void wakeDecoder()
{
    if (decoder.running || decoder.queued == 0) return;
    if (decoderThread.joinable()) decoderThread.join(); // it has returned already, or is about to
    decoder.running = true;
    decoderThread = std::thread(decoderMain);
}

// Hands a clip to the decoder; an urgent one goes first.
void ask(int index, bool urgent)
{
    Clip &c = voice.clips[static_cast<size_t>(index)];
    c.lastUse = ++voice.uses;
    if (c.chunk || c.broken || !voice.audio || voice.volume <= 0) return;
    std::lock_guard<std::mutex> hold(decoderLock);
    int at = -1;
    for (int i = 0; i < decoder.queued; ++i)
        if (decoder.queue[static_cast<size_t>(i)] == index) at = i;
    if (at < 0 && (c.asked || decoder.queued == MaxQueued)) return;
    if (at < 0) at = decoder.queued++;
    // Moved to the front, or put at the back.
    int to = urgent ? 0 : at;
    std::copy_backward(decoder.queue.begin() + to, decoder.queue.begin() + at, decoder.queue.begin() + at + 1);
    decoder.queue[static_cast<size_t>(to)] = index;
    c.asked = true;
    wakeDecoder();
}

// Takes what the decoder has made; the clips used longest ago make room.
void collect()
{
    std::array<Decoded, MaxQueued + 1> made;
    int count = 0;
    if (decoderThread.joinable()) {
        std::lock_guard<std::mutex> hold(decoderLock);
        count = decoder.doneCount;
        std::copy_n(decoder.done.begin(), count, made.begin());
        decoder.doneCount = 0;
        if (!decoder.quit) wakeDecoder();
    }
    for (int i = 0; i < count; ++i) {
        Clip &c = voice.clips[static_cast<size_t>(made[static_cast<size_t>(i)].clip)];
        c.asked = false;
        c.chunk = made[static_cast<size_t>(i)].chunk;
        if (c.chunk) {
            ++voice.decodedCount;
        } else {
            c.broken = true;
            std::fprintf(stderr, "voice: %s%s: %s\n", ClipFolder, c.file.data(), made[static_cast<size_t>(i)].reason.data());
        }
    }
    while (voice.decodedCount > MaxDecoded) {
        int oldest = -1;
        for (int i = 0; i < voice.clipCount; ++i)
            if (voice.clips[static_cast<size_t>(i)].chunk && i != voice.playing && i != voice.pending &&
                (oldest < 0 || voice.clips[static_cast<size_t>(i)].lastUse < voice.clips[static_cast<size_t>(oldest)].lastUse))
                oldest = i;
        if (oldest < 0) break;
        freeClip(voice.clips[static_cast<size_t>(oldest)]);
    }
}

// Waits for the clip being decoded, if any, and takes what was made.
void stopDecoder()
{
    if (!decoderThread.joinable()) return;
    {
        std::lock_guard<std::mutex> hold(decoderLock);
        decoder.quit = true;
    }
    decoderThread.join();
    collect();
    decoder = Decoder{};
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: saying
//----------------------------------------------------------------------------------------------------------

// Starts a clip now when it is decoded, or as soon as the decoder has it.
void start(int index, const char *text)
{
    if (voice.volume <= 0 || !voice.audio) return;
    Clip &c = voice.clips[static_cast<size_t>(index)];
    if (c.broken) {
        ++voice.missing;
        if (voice.pending == index) voice.pending = -1;
        return;
    }
    if (!c.chunk) {
        voice.pending = index;
        voice.pendingText = text;
        ask(index, true);
        return;
    }
    c.lastUse = ++voice.uses;
    voice.pending = -1;
    voice.pendingText = nullptr;
    // As the shell does with its click: the volume is set before the start, so that the first moments do not
    // sound at an earlier volume, and after it, because a start may reset it.
    Mix_Volume(TavrinChannelVoice, voice.volume);
    if (Mix_PlayChannel(TavrinChannelVoice, c.chunk, 0) < 0) return;
    Mix_Volume(TavrinChannelVoice, voice.volume);
    voice.playing = index;
    voice.playingText = text;
}

bool playingNow()
{
    return voice.audio && voice.playing >= 0 && Mix_Playing(TavrinChannelVoice) &&
           Mix_GetChunk(TavrinChannelVoice) == voice.clips[static_cast<size_t>(voice.playing)].chunk;
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
    stopDecoder();
    for (int i = 0; i < voice.clipCount; ++i) freeClip(voice.clips[static_cast<size_t>(i)]);
    voice.clipCount = voice.entryCount = 0;
    voice.audio = false;
    voice.playing = voice.pending = -1;
    voice.playingText = voice.pendingText = nullptr;
    voice.waitingCount = 0;
    voice.pointed = nullptr;
    voice.missing = 0;
}

void voiceStop()
{
    if (voice.audio) Mix_HaltChannel(TavrinChannelVoice);
    voice.playing = voice.pending = -1;
    voice.playingText = voice.pendingText = nullptr;
    voice.waitingCount = 0;
}

void voiceSay(const char *text)
{
    voiceStop();
    voiceSayNext(text);
}

void voiceSayNext(const char *text)
{
    const Entry *entry = findEntry(text);
    if (!entry) {
        voice.missing += text != nullptr;
        return;
    }
    int first = 0;
    if (!voiceSaying() && voice.waitingCount == 0) start(entry->parts[static_cast<size_t>(first++)], text);
    for (int k = first; k < entry->partCount && voice.waitingCount < MaxWaiting; ++k) {
        int clip = entry->parts[static_cast<size_t>(k)];
        voice.waiting[static_cast<size_t>(voice.waitingCount)] = clip;
        voice.waitingTexts[static_cast<size_t>(voice.waitingCount++)] = text;
        ask(clip, false);
    }
}

void voicePrepare(const char *text)
{
    if (const Entry *entry = findEntry(text))
        for (int k = 0; k < entry->partCount; ++k) ask(entry->parts[static_cast<size_t>(k)], false);
}

void voicePointerMoved() { voice.moved = true; }

void voiceFrame(const char *pointed)
{
    collect();
    if (voice.pending >= 0) {
        const Clip &c = voice.clips[static_cast<size_t>(voice.pending)];
        if (c.chunk || c.broken) start(voice.pending, voice.pendingText);
    } else if (voice.waitingCount > 0 && !playingNow()) {
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
}

bool voiceHasClip(const char *text) { return findEntry(text) != nullptr; }

const char *voiceSaying() { return voice.pending >= 0 ? voice.pendingText : playingNow() ? voice.playingText : nullptr; }

int voiceTextCount() { return voice.entryCount; }
int voiceMissing() { return voice.missing; }
