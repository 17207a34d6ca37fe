#include "settings/options_dialog.h"

#include <algorithm>
#include <iterator>

#include "app/window_text.h"
#include "resources/resource_ids.h"

namespace tv {

OptionsDialog::OptionsDialog(AppSettings& settings) : ToolDialog(IDD_OPTIONS, L"options"), settings_(settings) {}

bool OptionsDialog::OnInitDialog() {
    SetUpConventions(0, false);
    HWND list = GetDlgItem(dialog_, IDC_DECIMAL_PLACES);
    for (int id = IDS_DECIMALS_UNLIMITED; id <= IDS_DECIMALS_8; ++id) AddStringToList(list, id);
    // A damaged setting shows the default, "4", rather than no entry.
    const int position = settings_.DeciSize <= 4 ? settings_.DeciSize : AppSettings{}.DeciSize;
    SendMessageW(list, CB_SETCURSEL, position, 0);
    CheckDlgButton(dialog_, IDC_DIGIT_GROUPING, settings_.GroupDigits ? BST_CHECKED : BST_UNCHECKED);
    HWND sizes = GetDlgItem(dialog_, IDC_ZOOM);
    for (int id = IDS_ZOOM_FIRST; id <= IDS_ZOOM_LAST; ++id) AddStringToList(sizes, id);
    ShowSize(static_cast<int>(settings_.Zoom));
    return true;
}

void OptionsDialog::ShowSize(int zoom) {
    const auto shown = std::ranges::find(kZoomSteps, zoom);
    SendDlgItemMessageW(dialog_, IDC_ZOOM, CB_SETCURSEL, shown == std::end(kZoomSteps) ? 0 : shown - std::begin(kZoomSteps),
                        0);
}

bool OptionsDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK) return false;
    const LRESULT position = SendDlgItemMessageW(dialog_, IDC_DECIMAL_PLACES, CB_GETCURSEL, 0, 0);
    // The list always has a selection; should it not, the value stays.
    if (position >= 0 && position <= 4) settings_.DeciSize = static_cast<uint16_t>(position);
    settings_.GroupDigits = IsDlgButtonChecked(dialog_, IDC_DIGIT_GROUPING) == BST_CHECKED;
    const LRESULT size = SendDlgItemMessageW(dialog_, IDC_ZOOM, CB_GETCURSEL, 0, 0);
    if (size >= 0 && size < static_cast<LRESULT>(std::size(kZoomSteps))) settings_.Zoom = kZoomSteps[size];
    End(1);
    return true;
}

std::vector<ToolDialog::ReaderName> OptionsDialog::ReaderNames() const {
    return {{0, IDS_TOOL_OPTIONS}, {IDC_DECIMAL_PLACES, IDS_NAME_DECIMAL_PLACES}, {IDC_ZOOM, IDS_NAME_SIZE}};
}

}  // namespace tv
