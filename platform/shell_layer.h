// The handheld shell on a desktop: an emulated device screen, menu bars made
// of real window menus, full-screen dialogs laid over the main window, the
// title-bar OK, the input-panel control and the help viewer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/layout_scale.h"

namespace tv::shell {

// The emulated screen, in logical pixels (240 x 320 portrait by default).
// TALLYVANE_SCREEN=WxH in the environment, or this call, chooses another.
void SetDeviceScreenLogicalSize(int width, int height);

// Screen size in pixels: the logical size at `scale`.
SIZE DeviceScreenSize(const LayoutScale& scale);
// Portrait when taller than wide; square and landscape lay out alike.
bool IsPortraitScreen();
// The work area below the navigation bar, in desktop coordinates.
RECT DeviceWorkArea(const LayoutScale& scale);
// The screen's logical pixels per inch.
int LogPixelsX();
int LogPixelsY();
// A window's dpi: the system's own answer where it has one (per monitor),
// else the screen's.
int WindowDpi(HWND window);
// How large the program draws, in percent of its size at the dpi.
int Zoom();
void SetZoom(int percent);
// The screen's dpi at the zoom: the scale of a window not yet made.
LayoutScale ScreenScale();
// The room the menu bar takes at the bottom: 26 logical pixels.
int MenuBarReserve(const LayoutScale& scale);

// The window rectangle whose client area is the work area less the menu
// bar reserve, for a window of the given styles.
RECT FrameForClientArea(DWORD style, DWORD exStyle, bool hasMenu, const LayoutScale& scale);
// `scale`, its zoom lowered to the largest of `steps` at which `window`
// fits the work area of its monitor.
LayoutScale FittingScale(HWND window, LayoutScale scale, const int* steps, int count);

// Builds the window menu from menu-bar record `menuBarId` and its menu
// resource and attaches it; returns it, or nullptr when it cannot be built.
HMENU CreateMenuBar(HWND owner, int menuBarId);
// The sub-menu opened by menu-bar button `buttonId`, or nullptr.
HMENU MenuBarSubMenu(HWND owner, int buttonId);
// Enables or grays a whole menu-bar button.
void EnableMenuBarButton(HWND owner, int buttonId, bool enable);

// Lays a dialog over the main window, covering it exactly, or over `frame`.
void MakeDialogFullScreen(HWND dialog, const LayoutScale& scale, const RECT* frame = nullptr);

// Registers the hidden input-panel control "SIPPREF" that dialog templates carry.
void InitExtraControls(HINSTANCE instance);

// Opens the help file beside the program at `topic`.
void ShowHelp(const wchar_t* topic);
// Tests see help requests here instead of a browser opening.
void SetHelpLauncherForTesting(std::function<void(const std::wstring& url)> launcher);

// The program's folder, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace tv::shell
