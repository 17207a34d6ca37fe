// The tools the main window opens: one row per command, saying how the
// tool is run.
#pragma once

#include <windows.h>

#include "settings/app_settings.h"

namespace tv {

struct ToolEntry {
    int command;
    void (*run)(HWND owner, AppSettings& settings);
    bool convertsAgain;  // the main window shows its result anew afterwards
};

// The row of `command`, or nullptr when no tool has it.
const ToolEntry* FindTool(int command);

}  // namespace tv
