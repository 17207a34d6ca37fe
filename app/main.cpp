#include <windows.h>

#include "app/program.h"
#include "app/startup_marks.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    tv::StartupMark("loader, C runtime");
    return tv::RunProgram(instance, commandLine);
}
