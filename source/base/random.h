// random.h -- the program's random generator: the C library's range from a fixed starting state
#pragma once

// The largest number randomNext gives, the smallest RAND_MAX a C library may have.
constexpr int randomMax = 32767;

// 0 to randomMax, from a fixed state so that every run starts the same way.
int randomNext();
void randomSeed(unsigned seed);
// lo to hi, scaled from randomNext; hi itself only when randomNext gives randomMax.
int randomRange(int lo, int hi);
