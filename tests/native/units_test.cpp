// The unit tables and the category objects that convert between list
// positions and remember the chosen pair.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes.h"
#include "units/unit_category.h"
#include "units/unit_names.h"
#include "units/unit_tables.h"

namespace {

struct RecordingList : tv::UnitList {
    std::vector<std::wstring> items;
    int selected = -2;
    int resets = 0;
    void Reset() override { items.clear(); ++resets; }
    void Add(const wchar_t* name) override { items.emplace_back(name); }
    void Select(int index) override { selected = index; }
};

struct UnitsTest : ::testing::Test {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
    RecordingList from, to;
    // Fills both lists from a fresh category object, as a category switch does.
    void Fill(int id) {
        auto c = tv::CreateUnitCategory(id, home);
        c->FillFromList(from);
        c->FillToList(to);
    }
};

}  // namespace

// List positions are stored, so they are a file format: each case also names
// its two units.
TEST_F(UnitsTest, ConversionsBetweenListPositionsGiveTheseExactDoubles) {
    struct Case { int id; double value; int from, to; const wchar_t* units; double result; };
    // Lb to g is multiplied first, then divided; temperature goes every
    // direction. The order of operations fixes the last bit; the sizes of
    // the units are UnitDefinitions'.
    const Case cases[] = {
        {tv::kMass, 37.5, 3, 1, L"lb|g", 17009.713874999998}, {tv::kTemperature, 37, 0, 1, L"C|F", 98.60000000000001},
        {tv::kTemperature, 0, 0, 2, L"C|K", 273.15}, {tv::kTemperature, 212, 1, 0, L"F|C", 100.0},
        {tv::kTemperature, 32, 1, 2, L"F|K", 273.15}, {tv::kTemperature, 100, 2, 0, L"K|C", -173.14999999999998},
        {tv::kTemperature, 0, 2, 1, L"K|F", ((-273.15 * 9.0) * 0.2) + 32.0}, {tv::kLength, 1, 7, 1, L"in|cm", 2.54},
    };
    for (const Case& c : cases) {
        const tv::UnitTable& t = tv::UnitTableFor(c.id);
        EXPECT_EQ(std::wstring(t.names[c.from]) + L"|" + t.names[c.to], c.units);
        EXPECT_EQ(tv::CreateUnitCategory(c.id, home)->Convert(c.value, c.from, c.to), c.result) << c.units;
    }
}

// Positions above 15 show that each takes a whole byte. The pair is recorded
// in the record at destruction, which saves the whole record.
TEST_F(UnitsTest, ConvertRecordsThePairAndTheListsShowIt) {
    home.record.Selection[tv::kVolume] = 0x12340000u;
    auto volume = tv::CreateUnitCategory(tv::kVolume, home);
    volume->Convert(3, 19, 17);
    EXPECT_TRUE(volume->Selection() == 0x12341113u && home.record.Selection[tv::kVolume] == 0x12340000u);
    EXPECT_TRUE(store.keys.empty());
    volume.reset();
    EXPECT_EQ(store.keys[tv::kSelectionPath][L"C3"], FakeSettingsStore::Dword(0x12341113u));
    Fill(tv::kLength);
    Fill(tv::kVolume);  // emptied before each filling
    EXPECT_TRUE(from.selected == 19 && to.selected == 17 && from.resets == 2 && from.items.size() == 20u);
}

// A damaged stored word (From 200, To 9 in a five-unit table) selects the
// first units; a list with nothing chosen reports -1. Such positions count as 0.
TEST_F(UnitsTest, PositionsOutsideTheTableNeverReadOutsideIt) {
    home.record.Selection[tv::kTorque] = 0xFFFF09C8u;
    Fill(tv::kTorque);
    EXPECT_TRUE(from.selected == 0 && to.selected == 0 && home.record.Selection[tv::kTorque] == 0xFFFF09C8u);
    auto torque = tv::CreateUnitCategory(tv::kTorque, home);
    EXPECT_EQ(torque->Convert(2, -1, 1), 2.0 / 9.80665);
    EXPECT_EQ(torque->Selection(), 0xFFFF0100u);
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        auto c = tv::CreateUnitCategory(id, home);
        ASSERT_TRUE(c && c->Id() == id) << id;
        EXPECT_EQ(c->Convert(5, 255, 1000), 5.0) << id;
    }
    EXPECT_TRUE(!tv::CreateUnitCategory(14, home) && !tv::CreateUnitCategory(-1, home));
}

// The names people type: each names a unit some list has, and no name, its
// case folded, stands for two different amounts in one category but where
// the lists themselves tell two apart by case alone (mHz and MHz).
TEST(UnitNames, EachNamesOneAmountInACategory) {
    std::map<std::pair<int, std::wstring>, std::map<double, std::wstring>> amounts;  // by category and key
    std::set<std::wstring> listNames;
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        const tv::UnitTable& table = tv::UnitTableFor(id);
        for (int i = 0; i < table.count; ++i) listNames.insert(table.names[i]);
    }
    const auto note = [&](std::wstring_view name, bool typed) {
        const std::vector<tv::UnitPlace> places = tv::FindUnitsNamed(name);
        EXPECT_FALSE(places.empty()) << std::wstring(name);
        for (const tv::UnitPlace& p : places) {
            const tv::UnitTable& table = tv::UnitTableFor(p.category);
            const double amount = table.factors ? table.factors[p.position] : p.position;
            std::wstring& who = amounts[{p.category, tv::UnitNameKey(name)}][amount];
            if (typed || who.empty()) who = std::wstring(typed ? L"typed " : L"") + std::wstring(name);
        }
    };
    for (const std::wstring& name : listNames) note(name, false);
    for (const tv::TypedUnitNames& typed : tv::TypedNamesOfUnits()) {
        EXPECT_TRUE(listNames.count(typed.listName)) << typed.listName;
        for (std::wstring_view rest = typed.names; !rest.empty();) {
            const size_t bar = std::min(rest.find(L'|'), rest.size());
            note(rest.substr(0, bar), true);
            rest.remove_prefix(std::min(bar + 1, rest.size()));
        }
    }
    for (const auto& [where, byAmount] : amounts) {
        if (byAmount.size() < 2) continue;
        for (const auto& [amount, who] : byAmount)
            EXPECT_NE(who.rfind(L"typed ", 0), 0u) << tv::CategoryName(where.first) << ": " << who << " is one of several";
    }
}
