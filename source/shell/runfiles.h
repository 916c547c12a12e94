// runfiles.h -- where the run-time files are, and where the log goes when they are not in the working directory
#pragma once

#include <cstddef>
#include <string>

// The installed data folder relative to the installed executable's folder.
extern const char *const installedDataPath;
// True when the folder holds the run-time folders "g/", "g1/" and "snd/".
bool holdsRunTimeFiles(const std::string &folder);
// The folder holding the run-time files of a program that lives in executableFolder: that folder itself,
// or the installed data folder relative to it; empty when neither holds them.
std::string runTimeFilesFor(const std::string &executableFolder);
// Called first of all. When the working directory holds the run-time files they are read there;
// otherwise the working directory becomes the folder found from the executable. The log goes beside the
// files where that folder is the user's own and can be written (Windows), else to the user's state folder.
// False, with a line for the log in problem, when no folder holds the files.
bool placeRunTimeFiles(char *problem, size_t size);
