#pragma once

// The window program from start to end: the application, its forms in their
// order, the event loop. Returns the exit code.
int runWindowProgram(int argc, char* argv[]);
