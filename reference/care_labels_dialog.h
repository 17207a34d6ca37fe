// Clothing care labels: one or two symbols from the icon library and their
// meaning per row, all groups or one group at a time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/owned_handle.h"
#include "reference/list_tool_dialog.h"
#include "reference/care_labels.h"

namespace tv {

// The icons of a library at the system icon size, each loaded the first time
// it is asked for and kept until Clear: drawing a row again loads nothing.
class LabelIcons {
public:
    explicit LabelIcons(HMODULE library = nullptr) : library_(library) {}

    // The icon `id`, or nullptr without the library or when it lacks the icon.
    HICON Get(uint16_t id);
    // Destroys every icon loaded; the next Get loads again.
    void Clear() { icons_.clear(); }

private:
    HMODULE library_;
    std::map<uint16_t, OwnedIcon> icons_;  // a null one where the library has none
};

class CareLabelsDialog final : public ListToolDialog {
public:
    // dataFolder: where wLabels.dat and wLabels.dll are, ending in a
    // backslash; empty for the program's folder. Loads the icon library.
    explicit CareLabelsDialog(std::wstring dataFolder = {});

    bool HasIconLibrary() const { return static_cast<bool>(library_); }

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void Choose(HWND choice, int position) override;
    void OnRescale() override;
    int ColumnWidth() const;
    LRESULT DrawTable(NMLVCUSTOMDRAW& draw) override;
    bool OnTableNotify(NMHDR& header, LRESULT& answer) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    std::wstring PathOf(const wchar_t* fileName) const;
    void ShowGroup(int group);
    void DrawRow(const NMLVCUSTOMDRAW& draw);
    void DrawIcon(HDC dc, uint16_t id, int x, int y);

    std::wstring dataFolder_;
    OwnedModule library_;
    LabelIcons icons_;          // of library_, for as long as the dialog is open
    OwnedImageList rowHeight_;  // empty: only makes rows one icon high
    CareLabelBook book_;
    std::vector<uint64_t> rows_;  // the label each row shows (CareLabelRows)
};

}  // namespace tv
