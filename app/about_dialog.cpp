#include "app/about_dialog.h"

#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {

AboutDialog::AboutDialog() : ToolDialog(IDD_ABOUT, nullptr) {}

bool AboutDialog::OnInitDialog() {
    // An empty menu bar; the template's own font stays.
    return true;
}

bool AboutDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK && id != IDCANCEL) return false;
    End(id);
    return true;
}

std::vector<ToolDialog::ReaderName> AboutDialog::ReaderNames() const {
    return {{0, IDS_TOOL_ABOUT}};
}

}  // namespace tv
