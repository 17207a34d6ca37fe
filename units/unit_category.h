// Unit categories: each knows its unit list, fills the From and To lists,
// converts between two list positions and remembers the chosen pair in its
// settings slot.
#pragma once

#include <cstdint>
#include <memory>

#include "settings/app_settings.h"
#include "units/unit_tables.h"

namespace tv {

// A drop-down list of unit names; the program's is a combo box.
class UnitList {
public:
    virtual ~UnitList() = default;
    virtual void Reset() = 0;
    virtual void Add(const wchar_t* name) = 0;
    virtual void Select(int index) = 0;
};

// Bits 0-7: From index. Bits 8-15: To index. Bits 16-31: carried through as stored.
using UnitSelection = uint32_t;

inline int SelectionFrom(UnitSelection s) { return static_cast<int>(s & 0xFF); }
inline int SelectionTo(UnitSelection s) { return static_cast<int>((s >> 8) & 0xFF); }
inline UnitSelection WithUnits(UnitSelection s, int from, int to) {
    return (s & 0xFFFF0000u) | (static_cast<uint32_t>(from) & 0xFF) |
           ((static_cast<uint32_t>(to) & 0xFF) << 8);
}

// Empties the list, adds the names in table order and selects `index`; an
// index outside the table selects the first unit.
void FillUnitList(UnitList& list, const wchar_t* const* names, int count, int index);

class UnitCategory {
public:
    // Takes the category's stored selection from home.record.
    UnitCategory(SettingsHome& home, CategoryId id);
    // Writes the selection back into its slot and saves all settings.
    virtual ~UnitCategory();
    UnitCategory(const UnitCategory&) = delete;
    UnitCategory& operator=(const UnitCategory&) = delete;

    virtual void FillFromList(UnitList& list) = 0;
    virtual void FillToList(UnitList& list) = 0;
    // Records the pair in the selection, then converts. Positions outside the
    // table (including -1, a list with nothing chosen) count as position 0.
    virtual double Convert(double value, int from, int to) = 0;

    CategoryId Id() const { return id_; }
    UnitSelection Selection() const { return UnitSelection_; }

protected:
    void FillList(UnitList& list, int index) const;
    // Clamps both positions to the table and records them.
    void Record(int& from, int& to, int count);

    UnitSelection UnitSelection_;

private:
    SettingsHome& home_;
    CategoryId id_;
};

// The category object of class `id` (0 to 13), or nullptr for any other id.
std::unique_ptr<UnitCategory> CreateUnitCategory(int id, SettingsHome& home);

}  // namespace tv
