// sounds.cpp -- sine tones with a soft envelope, played on channels the shell leaves free
#include "sounds.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "tavrin/host.h"

namespace {

// The shell plays its click on a channel of its own; the games' effects have two others.
constexpr int ChannelRight = TavrinChannelEffects;
constexpr int ChannelWrong = TavrinChannelEffects + 1;

// Fixed buffers, so that nothing here needs destroying while the library is unloaded (see engineRelease).
constexpr int MaxSamples = 96 * 1024;

struct Sound {
    std::array<Sint16, MaxSamples> samples;
    int count;
    Mix_Chunk *chunk;
};

Sound right, wrong;
bool opened = false;

struct Note {
    float frequency;
    float seconds;
};

void makeSound(Sound &sound, const Note *notes, int count, int rate, int channels, int volume, float loudness)
{
    for (int n = 0; n < count; ++n) {
        int length = static_cast<int>(notes[n].seconds * rate);
        for (int i = 0; i < length; ++i) {
            float t = static_cast<float>(i) / rate;
            float attack = std::min(1.0f, i / (0.01f * rate));
            float decay = std::exp(-3.5f * t / notes[n].seconds);
            float v = std::sin(2 * 3.14159265f * notes[n].frequency * t) * 0.8f +
                      std::sin(4 * 3.14159265f * notes[n].frequency * t) * 0.2f;
            Sint16 s = static_cast<Sint16>(v * attack * decay * loudness * 32767);
            for (int c = 0; c < channels && sound.count < MaxSamples; ++c) sound.samples[sound.count++] = s;
        }
    }
    sound.chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(sound.samples.data()),
                                    static_cast<Uint32>(sound.count * sizeof(Sint16)));
    if (sound.chunk) Mix_VolumeChunk(sound.chunk, std::clamp(volume, 0, 128));
}

void freeSound(Sound &sound)
{
    if (sound.chunk) Mix_FreeChunk(sound.chunk);
    sound.chunk = nullptr;
    sound.count = 0;
}

} // namespace

void soundsOpen(int volume)
{
    soundsClose();
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&rate, &format, &channels) || format != AUDIO_S16SYS || rate <= 0 || channels <= 0) return;
    static constexpr Note chime[] = {{784, 0.09f}, {988, 0.09f}, {1319, 0.30f}};
    static constexpr Note soft[] = {{392, 0.12f}, {330, 0.22f}};
    makeSound(right, chime, 3, rate, channels, volume, 0.35f);
    makeSound(wrong, soft, 2, rate, channels, volume, 0.25f);
    opened = true;
}

void soundsClose()
{
    if (opened && Mix_QuerySpec(nullptr, nullptr, nullptr)) {
        // Our samples live in this library: nothing may still play them when it is unloaded.
        Mix_HaltChannel(ChannelRight);
        Mix_HaltChannel(ChannelWrong);
    }
    freeSound(right);
    freeSound(wrong);
    opened = false;
}

void soundPlayRight()
{
    if (right.chunk) Mix_PlayChannel(ChannelRight, right.chunk, 0);
}

void soundPlayWrong()
{
    if (wrong.chunk) Mix_PlayChannel(ChannelWrong, wrong.chunk, 0);
}
