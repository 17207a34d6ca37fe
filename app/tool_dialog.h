// What every tool dialog shares: opening modally over the active window,
// full screen, the dialog font, the menu bar, the keypad, help and closing
// with the title-bar OK.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "app/rule_bitmap.h"
#include "app/scaled_window.h"

namespace tv {

class ToolDialog : public ScaledWindow {
public:
    // templateId: the dialog template; helpTopic: nullptr for no help.
    ToolDialog(int templateId, const wchar_t* helpTopic) : ScaledWindow(helpTopic), templateId_(templateId) {}
    ~ToolDialog() override;

    // Runs the dialog modally over `owner`; returns its result, or -1 when
    // it cannot be created.
    INT_PTR RunModal(HWND owner);
    // The same dialog without a modal loop of its own (tests drive it).
    HWND CreateModeless(HWND owner);

    HWND Handle() const { return dialog_; }
    // The result the dialog closed with; -1 while it is open.
    INT_PTR Result() const { return result_; }

protected:
    // The dialog's own initialisation; true when it leaves the focus to the
    // system.
    virtual bool OnInitDialog() { return true; }
    // A command the keypad did not take; false leaves it to the default
    // (OK and the close box end the dialog).
    virtual bool OnCommand(int id, int code, HWND control) {
        (void)id, (void)code, (void)control;
        return false;
    }
    // The command Enter stands for in a dialog whose action button is a
    // keypad key (those cannot be default buttons); 0 when Enter is OK.
    virtual int EnterCommand() const { return 0; }
    // What the dialog lays out itself (list columns) at a new Scale(); the
    // template's controls are already placed.
    virtual void OnRescale() {}
    // Any other message; true when handled, with the dialog procedure's
    // return value in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }
    // What a screen reader reads, as string ids: with `control` 0 the tool,
    // after the caption every window shares; else a control that has no
    // label, or one shared with others.
    struct ReaderName {
        int control, text;
    };
    virtual std::vector<ReaderName> ReaderNames() const { return {}; }

    // Creates the menu bar (0: an empty one), the dialog font on every
    // control, the dialog's rules and, when asked, the keypad over the
    // dialog's keys.
    void SetUpConventions(int menuBarId, bool keypad);
    void End(INT_PTR result);
    // The dialog paints its background in `colour` (the button face in high
    // contrast), and so do the static texts StaticOnBackground takes.
    void SetBackground(COLORREF colour) { background_ = colour; }
    virtual bool StaticOnBackground(int id) const {
        (void)id;
        return true;
    }

    HWND dialog_ = nullptr;

private:
    // Posted to bring the newly focused control into view.
    static constexpr UINT kShowFocusMessage = WM_APP + 40;
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* LoadTemplate() const;

    bool PaintBackground(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    void Rescale(const RECT* suggested) override;
    void OnNewColours() override { rules_.Apply(dialog_, Scale()); }
    // Notes where the template put each control, and places them at Scale().
    void NoteTemplateControls();
    void NameForReaders();
    void PlaceTemplateControls();

    COLORREF background_ = CLR_INVALID;
    StretchedRules rules_;
    // The template's controls with their place and size (left, top, width,
    // height) in dialog units, and the pixels of 4 by 8 units (a scale's
    // dpi: lengths go in proportion).
    std::vector<std::pair<HWND, RECT>> templateControls_;
    LayoutScale templateUnits_;
    int templateId_;
    bool modal_ = false;
    INT_PTR result_ = -1;
};

}  // namespace tv
