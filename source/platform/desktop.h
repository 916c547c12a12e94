// desktop.h -- what the desktop offers the shell: a message box and the default handler for addresses
#pragma once

// Shows a modal message with an OK button and waits until it is dismissed. Title and text are UTF-8.
// Where the desktop has no dialog tool, the text goes to standard error.
void showMessageBox(const char *title, const char *text);

// Hands a web address to the desktop's default handler and returns at once; never through a shell,
// and no child is left behind unreaped.
void openAddress(const char *address);
