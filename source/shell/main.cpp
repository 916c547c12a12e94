// main.cpp -- the process entry: the shell's main routine, then a last try for settings not yet saved
#include <csignal>

#include "shell/shell.h"
#include "store/settings.h"

// A closed terminal or a logout ends the program as a request to terminate does: SDL turns that into a
// quit, so the settings are saved on the way out. Before SDL is up, it ends the program as before.
static void hangUp(int) { raise(SIGTERM); }

int main(int argc, char **argv)
{
#ifdef SIGHUP  // only where there are terminals to hang up
    signal(SIGHUP, hangUp);
#endif
    int code = shellMain(argc, argv);
    // The window is closed by now; a change a locked store could not take gets its last chance here.
    finishSettings();
    return code;
}
