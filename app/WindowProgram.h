#pragma once

// The window program from start to end: the application, its forms in their
// order, the event loop. Returns the exit code.
int RunWindowProgram(int argc, char* argv[]);
