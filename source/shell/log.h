// log.h -- the plain-text log "sdl.log"; apart from shell.h so that code without SDL can write to it
#pragma once

// Appends one line; it is on disk when the call returns. An unwritable log is passed over in silence.
void logLine(const char *text);
