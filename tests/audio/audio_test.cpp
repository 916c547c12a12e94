// audio_test.cpp -- the device's log line, closing, and the click on channel 1 heard through SDL's disk driver
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "environment.h"
#include "scratch_dir.h"
#include "audio/audio.h"
#include "store/settings.h"

namespace {

// A loud 0.1 s square wave in the device format (signed 16-bit stereo at 44100 Hz).
std::vector<Sint16> clickSamples()
{
    std::vector<Sint16> samples(4410 * 2);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = ((i / 2) / 50) % 2 ? 12000 : -12000;
    return samples;
}

int finishedChannel = -1;
int finishedCount = 0;
void noteFinished(int channel)
{
    finishedChannel = channel;
    finishedCount++;
}

int loudestSample(const std::string &raw)
{
    int loudest = 0;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        int sample = static_cast<Sint16>(static_cast<Uint8>(raw[i]) | (static_cast<Uint8>(raw[i + 1]) << 8));
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

// Plays one click at the given effect volume through the disk driver and returns what the device wrote.
std::string recordClick(const ScratchDir &dir, int fxvolume)
{
    std::string file = (dir.path / ("out" + std::to_string(fxvolume) + ".raw")).string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    openAudio(44100, 2);
    std::vector<Sint16> samples = clickSamples();
    Mix_Chunk *chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(samples.data()),
                                         static_cast<Uint32>(samples.size() * sizeof(Sint16)));
    appSettings.fxvolume = fxvolume;
    playClick(chunk);
    SDL_Delay(400);
    closeAudio();
    Mix_FreeChunk(chunk);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return readFile(file);
}

}  // namespace

TEST(Audio, DeviceIsLoggedWithItsRateAndChannelsFollowedByAnEmptyLine)
{
    const struct {
        int rate, channels;
        const char *line;
    } devices[] = {{44100, 2, "Opened audio at 44100 Hz 16 bit stereo, 2048 bytes audio buffer\n\n"},
                   {22050, 1, "Opened audio at 22050 Hz 16 bit mono, 2048 bytes audio buffer\n\n"}};
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (const auto &device : devices) {
        SCOPED_TRACE(device.line);
        ScratchDir dir;
        dir.enter();
        openAudio(device.rate, device.channels);
        EXPECT_EQ(audioOpened, 1);
        openAudio(device.rate, device.channels);  // a second call changes nothing
        closeAudio();
        EXPECT_EQ(audioOpened, 0);
        closeAudio();  // and closing twice does nothing the second time
        EXPECT_EQ(audioOpened, 0);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        EXPECT_EQ(readFile("sdl.log"), device.line);
    }
}

TEST(Audio, NoMixerCallReachesAClosedDevice)
{
    // The mixer keeps its channel count after closing but frees the channels themselves.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    openAudio(44100, 2);
    EXPECT_TRUE(audioDeviceOpen());
    std::vector<Sint16> samples(4410 * 2, 1000);
    Mix_Chunk *chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(samples.data()),
                                         static_cast<Uint32>(samples.size() * sizeof(Sint16)));
    closeAudio();
    EXPECT_FALSE(audioDeviceOpen());
    playClick(chunk);
    Mix_FreeChunk(chunk);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(Audio, DeviceThatDoesNotOpenIsLoggedAndTheRunGoesOn)
{
    ScratchDir dir;
    dir.enter();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        // Without a dialog tool on the path the message goes to standard error instead of waiting for a click.
        EnvironmentSetting path("PATH", dir.path.string());
        openAudio(44100, 2);
    }
    EXPECT_EQ(audioOpened, 1);
    playClick(nullptr);  // nothing to play on a closed device, and nothing breaks
    closeAudio();
    EXPECT_EQ(audioOpened, 0);
    // SDL counts its audio part as started even when no driver was found, and would not look again.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string log = readFile("sdl.log");
    EXPECT_EQ(log.rfind(" \xB7 Couldn't open the sound card: ", 0), 0u) << log;
    EXPECT_EQ(log.find('\n'), log.size() - 1) << "one line, and no \"Opened audio\"";
}

TEST(Audio, NewClickCutsOffTheOneStillSoundingOnChannelOne)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    openAudio(44100, 2);
    std::vector<Sint16> samples(44100 * 2, 1000);  // a whole second, so the first is still sounding
    Mix_Chunk *chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(samples.data()),
                                         static_cast<Uint32>(samples.size() * sizeof(Sint16)));
    finishedCount = 0;
    Mix_ChannelFinished(noteFinished);
    appSettings.fxvolume = 77;
    playClick(chunk);
    playClick(chunk);
    EXPECT_EQ(finishedCount, 1);  // the first click was halted
    EXPECT_EQ(finishedChannel, 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_Playing(1), 1);
    EXPECT_EQ(Mix_Volume(1, -1), 77);
    Mix_ChannelFinished(nullptr);
    Mix_HaltChannel(-1);
    closeAudio();
    Mix_FreeChunk(chunk);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(Audio, ClickAtFullEffectVolumeIsHeardAndAtZeroIsSilent)
{
    ScratchDir dir;
    dir.enter();
    std::string loud = recordClick(dir, 128);
    std::string silent = recordClick(dir, 0);
    ASSERT_GT(loud.size(), 4u * 4410);
    ASSERT_GT(silent.size(), 4u * 4410);
    EXPECT_GT(loudestSample(loud), 8000);
    EXPECT_EQ(loudestSample(silent), 0);
}
