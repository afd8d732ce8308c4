#pragma once

// How the program starts, runs and ends. main() is ProgramEntry: it starts the
// platform, registers the classes, runs _Main, releases the module-level
// references (the menu bar's last) and returns the platform's exit status.

int ProgramEntry(int argc, char** argv);

// Hands the platform its exception routine and the start-up sequence, runs
// the event loop, and reports an exception that escapes them.
void _Main();

// The start-up sequence, run once by the platform's initialisation.
void _Startup();
