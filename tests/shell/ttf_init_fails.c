/* ttf_init_fails.c -- preloaded into the real program to make the TrueType start-up fail */
int TTF_Init(void) { return -1; }
