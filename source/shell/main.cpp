// main.cpp -- the process entry: the shell's main routine, then a last try for settings not yet saved
#include "shell/shell.h"
#include "store/settings.h"

int main(int argc, char **argv)
{
    int code = shellMain(argc, argv);
    // The window is closed by now; a change a locked store could not take gets its last chance here.
    finishSettings();
    return code;
}
