// Clothing care labels: one or two symbols from the icon library and their
// meaning per row, all groups or one group at a time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/owned_handle.h"
#include "reference/list_tool_dialog.h"
#include "reference/care_labels.h"

namespace tv {

class CareLabelsDialog final : public ListToolDialog {
public:
    // dataFolder: where wLabels.dat and wLabels.dll are, ending in a
    // backslash; empty for the program's folder. Loads the icon library.
    explicit CareLabelsDialog(std::wstring dataFolder = {});

    bool HasIconLibrary() const { return static_cast<bool>(icons_); }

protected:
    bool OnInitDialog() override;
    void Choose(HWND choice, int position) override;
    LRESULT DrawTable(NMLVCUSTOMDRAW& draw) override;

private:
    std::wstring PathOf(const wchar_t* fileName) const;
    void ShowGroup(int group);
    void DrawRow(const NMLVCUSTOMDRAW& draw) const;
    void DrawIcon(HDC dc, uint16_t id, int x, int y) const;

    std::wstring dataFolder_;
    OwnedModule icons_;
    OwnedImageList rowHeight_;  // empty: only makes rows one icon high
    CareLabelBook book_;
};

}  // namespace tv
