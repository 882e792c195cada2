// The windowed start of the program: one instance, the main window, the event loop.
#pragma once

// Runs the reader's window until it closes; returns the process's exit code.
int RunWindowedReader(int argc, char** argv);
