// The main window: the unit converter with its keypad, and the hub that
// opens every tool.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "app/app_frame.h"
#include "settings/app_settings.h"
#include "units/converter_layout.h"
#include "units/unit_category.h"

namespace tv {

class ConverterWindow final : public AppFrame {
public:
    explicit ConverterWindow(SettingsHome& settings) : AppFrame(L"unit"), settings_(settings) {}
    // Deletes the category object, which saves the settings.
    ~ConverterWindow() override;

    // The category shown now, or nullptr before the first switch.
    const UnitCategory* Category() const { return category_.get(); }

protected:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCreate() override;
    void OnActivate(WPARAM wParam, LPARAM lParam) override;

private:
    struct CommandEntry {
        int first, last;
        void (ConverterWindow::*handler)(int id, int code);
    };
    static const CommandEntry kCommands[];

    void CreateControls();
    // Places the controls for the client area, the lists' closed height and Scale().
    void LayOut();
    void Rescale(const RECT* suggested) override;
    // Draws the program at `zoom` percent, or the largest size below that fits.
    void ApplyZoom(int zoom);
    void SwitchCategory(int id, bool repaintTab);
    void ConvertAndShow();
    void Paint();
    void OnInitMenuPopup(HMENU menu);

    void OnTitleOk(int id, int code);
    void OnConvert(int id, int code);
    void OnUnitChange(int id, int code);
    void OnCopy(int id, int code);
    void OnPaste(int id, int code);
    void OnSwapUnits(int id, int code);
    void OnCategory(int id, int code);
    void OnZoom(int id, int code);

    SettingsHome& settings_;
    std::unique_ptr<UnitCategory> category_;
    DialogFont tabFont_;
    ConverterLayout layout_{};
    // The lists' closed height in the system's font, and the scale it was measured at.
    std::pair<int, LayoutScale> listHeight_{};
};

}  // namespace tv
