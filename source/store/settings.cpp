// settings.cpp -- stand-in: the defaults, nothing kept between runs yet
#include "store/settings.h"

AppSettings appSettings{0, 1, 128, 128};

int readSettingValue(const char *) { return -1; }
void writeSettingValue(const char *, int) {}
void loadSettings() { appSettings = AppSettings{0, 1, 128, 128}; }
void saveSettings() {}
int slotProgressPercent(int) { return 0; }
void eraseSlot(int) {}
