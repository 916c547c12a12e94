/* host.h -- what the shell shares with the game modules: the screen's size, the font and the mixer's channels */
#ifndef TAVRIN_HOST_H
#define TAVRIN_HOST_H

/* The screen the shell opens and a game draws on, in pixels. */
enum TavrinScreen { TavrinScreenWidth = 800, TavrinScreenHeight = 600 };

/* The shell's TrueType font, which the games write with too. The path is relative to the working directory,
   which is the folder of the run-time files (g/, g1/, snd/) while the shell runs. */
#define TAVRIN_FONT_PATH "g/KOMIKATA.TTF"

/* The mixer's channels. The shell opens the audio device (44100 Hz, 16 bits, stereo) with SDL_mixer's
   TavrinChannelCount channels and plays its click on TavrinChannelClick at the effects volume ("fxvolume",
   0 to 128); a game leaves that channel alone and plays its own sounds on the others: the effects from
   TavrinChannelEffects on, the voice on TavrinChannelVoice, both at the effects volume. When a game ends the
   shell halts every channel, drops the game's mixer callbacks and gives the mixer back its channel count. */
enum TavrinChannel {
    TavrinChannelClick = 1,
    TavrinChannelEffects = 2, /* the games' chime and their "try again", on this channel and the next */
    TavrinChannelVoice = 4,
    TavrinChannelCount = 8
};

#endif
