// sounds.h -- the two short sounds of the games, made in code: a bright chime and a soft "try again"
#pragma once

// Makes the sounds when the shell's audio is open; the volume is the effects volume, 0 to 128.
void soundsOpen(int volume);
void soundsClose();
void soundPlayRight();
void soundPlayWrong();
