// voice.h -- the games' Hungarian voice: a clip for every text a child sees, said on the voice channel
#pragma once

// The manifest of the clips, relative to the working directory (the folder of the run-time files): lines
// "clip clip...<TAB>shown text", a clip for each sentence of the text in turn, the clips beside it.
constexpr const char *VoiceManifest = "snd/voice/clips.txt";
// About half a second at 50 frames: how long the pointer rests on a word before it is said.
constexpr int VoiceRestFrames = 25;

// Reads the manifest (also without sound, so that what has no clip is known all the same); the volume is the
// effects volume, 0 to 128, and at 0 nothing is said or decoded. Without the manifest, or without sound,
// nothing is heard (a missing or damaged manifest or clip gets one line on standard error, and the game goes
// on silently). Clips are decoded on a thread of the voice's own, never in a frame.
void voiceOpen(int volume);
// Stops the voice and frees every clip; safe at any time.
void voiceClose();

// Stops what is being said, forgets what waits, and says the text (nothing for a text without a clip).
void voiceSay(const char *text);
// Says the text once what is being said and what waits before it have been said.
void voiceSayNext(const char *text);
void voiceStop();
// Has a text's clips decoded ahead of need, so that it is heard at once when it is said.
void voicePrepare(const char *text);

// The pointer moved: a word it comes to rest on is said (a word that appears under a pointer that does not
// move is not).
void voicePointerMoved();
// Once a frame, with the word under the pointer (null: none): takes what the decoder has made, starts what
// waits once the voice is free, and says the word once the pointer has rested on it for VoiceRestFrames frames.
void voiceFrame(const char *pointed);

// For tests and measurements.
bool voiceHasClip(const char *text);
const char *voiceSaying();  // the text being said (or about to be, its clip decoding), or null
int voiceTextCount();       // the texts the manifest gives clips
int voiceMissing();         // texts asked for since voiceOpen that had no clip that could be played
