// audio.h -- the audio device, the menu music and the click
#pragma once

#include <SDL/SDL_mixer.h>

constexpr int audioChunkSize = 2048;

extern Mix_Music *musicTrack;  // "snd/main.ogg"
extern Mix_Chunk *clickSound;  // "snd/button03.wav"
extern int audioOpened;        // 1 once openAudio has made its attempt, until closeAudio
// True only while the mixer's device is open, whoever opened it. A closed mixer keeps its channel count
// but frees its channels, so no channel call may reach it.
bool audioDeviceOpen();

void openAudio(int frequency, int channels);
void closeAudio();
void playClick(Mix_Chunk *chunk);
// The menu music and the click; null, with a line in the log, when the file cannot be read.
Mix_Music *loadMusic(const char *path);
Mix_Chunk *loadSound(const char *path);
