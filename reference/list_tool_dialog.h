// What the three tools on template 105 share: a choice list across the top,
// the table under it filling the rest, redrawn by the tool.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/tool_dialog.h"

namespace tv {

class ListToolDialog : public ToolDialog {
protected:
    explicit ListToolDialog(const wchar_t* helpTopic);

    // The choice list's selection is now `position` (CB_ERR for none).
    virtual void Choose(HWND choice, int position) = 0;
    // The answer to the table's custom-draw notification.
    virtual LRESULT DrawTable(NMLVCUSTOMDRAW& draw) = 0;
    // Any other notification of the table, with what to answer it in
    // `answer` (0 unless set); false leaves it to the default.
    virtual bool OnTableNotify(NMHDR& header, LRESULT& answer) {
        (void)header, (void)answer;
        return false;
    }

    bool OnCommand(int id, int code, HWND control) override;
    // The table shown again, its columns at the new scale.
    void OnRescale() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // The table, once the tool's initialisation has taken it.
    HWND list_ = nullptr;
};

}  // namespace tv
