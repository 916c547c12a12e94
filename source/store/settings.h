// settings.h -- the four settings and the three player slots' progress, kept in the store
#pragma once

struct AppSettings {
    int fullscreen;
    int quiz;
    int musicvolume;
    int fxvolume;
};

extern AppSettings appSettings;

constexpr const char *SettingsRoot = "Software\\Vorniquel\\Tavrin\\";
constexpr int ProgressDone = 2;

int readSettingValue(const char *name);  // -1 when it cannot be read
void writeSettingValue(const char *name, int value);
void loadSettings();
void saveSettings();
int slotProgressPercent(int slot);  // slot 1 to 3
void eraseSlot(int slot);
