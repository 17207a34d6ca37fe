// A drop-down combo box as the list a unit category fills.
#pragma once

#include <windows.h>

#include "units/unit_category.h"

namespace tv {

class ComboUnitList final : public UnitList {
public:
    explicit ComboUnitList(HWND combo) : combo_(combo) {}
    void Reset() override { SendMessageW(combo_, CB_RESETCONTENT, 0, 0); }
    void Add(const wchar_t* name) override {
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    void Select(int index) override { SendMessageW(combo_, CB_SETCURSEL, index, 0); }

private:
    HWND combo_;
};

}  // namespace tv
