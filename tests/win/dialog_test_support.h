// Driving a tool dialog created modeless over the real main window: its
// fields, its keypad, and the message boxes it shows.
#pragma once

#include <string>

#include "window_test_support.h"

namespace wintest {

// What the message box of one action showed; count 0 when none opened.
struct ShownMessage {
    int count = 0;
    std::wstring caption, text;
    bool stopIcon = false;
};

// Runs `action`, answering with OK every message box `owner` shows
// meanwhile, and reports the last one.
ShownMessage AnswerMessageBoxes(HWND owner, const std::function<void()>& action);

// The Unicode text on the clipboard, or "<none>".
std::wstring ClipboardText(HWND owner);

// A main window with a tool dialog of type D over it.
template <typename D>
class ToolDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
        dialog = std::make_unique<D>(home->record);
        box = dialog->CreateModeless(main);
        ASSERT_NE(box, nullptr);
        Pump(loop);
    }
    void TearDown() override {
        dialog.reset();
        MainWindowTest::TearDown();
    }

    HWND Field(int id) const { return GetDlgItem(box, id); }
    std::wstring FieldText(int id) const { return Text(Field(id)); }
    void SetField(int id, const wchar_t* text) { SetWindowTextW(Field(id), text); }
    void Press(int id) {
        SendMessageW(Field(id), BM_CLICK, 0, 0);
        Pump(loop);
    }
    // A keypad key: its key events reach the focused edit only in the foreground.
    void Tap(int id) {
        SetForegroundWindow(box);
        Press(id);
        Pump(loop, 100);
    }
    void Focus(int id) {
        SetForegroundWindow(box);
        SetFocus(Field(id));
        Pump(loop);
    }

    std::unique_ptr<D> dialog;
    HWND box = nullptr;
};

}  // namespace wintest
