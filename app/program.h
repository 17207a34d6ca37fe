// The program from start to exit.
#pragma once

#include <windows.h>

namespace tv {

// Returns the exit code: 0 when another copy was running (it is brought to
// the front), 1 when the main window cannot be created, else the quit code.
int RunProgram(HINSTANCE instance, const wchar_t* commandLine);

class ConverterWindow;

// What the program starts before its window: the shell's extra controls and
// the common controls (list views, date pickers) of the tool dialogs.
void StartControls(HINSTANCE instance);

// Creates the main window over the device work area; nullptr on failure.
HWND CreateMainWindow(ConverterWindow& window);

// The running copy: a top-level window of our class with exactly our title.
HWND FindRunningCopy();

}  // namespace tv
