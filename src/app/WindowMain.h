// The windowed start of the program, where its parts are put together: the application
// object, signal handling, message boxes, the platform's services and the main window.
#pragma once

// Runs the reader's window until it closes; returns the process's exit code. The engines are
// registered already.
int RunWindowedReader(int argc, char** argv);
