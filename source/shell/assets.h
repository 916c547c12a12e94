// assets.h -- start-up loading: the settings, the menu's pictures, the fonts and the clouds, released at exit
#pragma once

int init();  // 1 when loading finished, 0 when TrueType could not start
void releaseResources();
