#include "reference/list_tool_dialog.h"

#include "reference/list_view_rows.h"
#include "resources/resource_ids.h"

namespace tv {

ListToolDialog::ListToolDialog(const wchar_t* helpTopic) : ToolDialog(IDD_LIST_TOOL, helpTopic) {}

bool ListToolDialog::OnCommand(int id, int code, HWND control) {
    if (id != IDC_LIST_TOOL_CHOICE || code != CBN_SELCHANGE) return false;
    Choose(control, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    return true;
}

void ListToolDialog::OnRescale() {
    HWND choice = GetDlgItem(dialog_, IDC_LIST_TOOL_CHOICE);
    Choose(choice, static_cast<int>(SendMessageW(choice, CB_GETCURSEL, 0, 0)));
}

bool ListToolDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message == WM_SIZE) {
        LayOutListTool(dialog_, LOWORD(lParam), HIWORD(lParam));
        return true;
    }
    if (message != WM_NOTIFY) return false;
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.hwndFrom != list_) return false;
    LRESULT answer = 0;
    if (header.code != NM_CUSTOMDRAW && !OnTableNotify(header, answer)) return false;
    if (header.code == NM_CUSTOMDRAW) answer = DrawTable(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
    SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, answer);
    result = TRUE;
    return true;
}

}  // namespace tv
