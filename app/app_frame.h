// The frame of the main window: its class, menu bar, accelerators, the
// title-bar OK, About, activation and the end of the message loop.
#pragma once

#include <windows.h>

#include "app/message_loop.h"
#include "app/scaled_window.h"

namespace tv {

class AppFrame : public MessageFilter, public ScaledWindow {
public:
    static constexpr const wchar_t* kClassName = L"TALLYVANEPRO";

    // helpTopic: what F1 opens; nullptr for nothing.
    explicit AppFrame(const wchar_t* helpTopic) : ScaledWindow(helpTopic) {}
    ~AppFrame() override;

    // Registers the class (first use) and creates the window over `frame`;
    // nullptr when it cannot be created.
    HWND Create(const wchar_t* title, const RECT& frame, DWORD style);
    HWND Handle() const { return window_; }

    // Accelerators and Esc, before any dispatch; F1 becomes WM_HELP by itself.
    // The zoom keys work over every window of the program.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    // The window's messages; a derived window runs its own table first and
    // falls back to this one.
    virtual LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCreate() { return 0; }
    virtual void OnAbout();
    virtual void OnDestroy();
    virtual void OnActivate(WPARAM wParam, LPARAM lParam) { (void)wParam, (void)lParam; }

    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL accelerators_ = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CreateFrame();
};

}  // namespace tv
