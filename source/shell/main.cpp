// main.cpp -- the process entry: straight into the shell's main routine
#include "shell/shell.h"

int main(int argc, char **argv) { return shellMain(argc, argv); }
