// vorlak: the catalogue lookup program.
#include "WindowProgram.h"

int main(int argc, char* argv[])
{
    return RunWindowProgram(argc, argv);
}
