#include "units/unit_category.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_settings_store.h"

namespace {

struct RecordingList : tv::UnitList {
    std::vector<std::wstring> items;
    int selected = -2;
    int resets = 0;
    void Reset() override { items.clear(); ++resets; }
    void Add(const wchar_t* name) override { items.emplace_back(name); }
    void Select(int index) override { selected = index; }
};

struct UnitCategoryTest : ::testing::Test {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
    RecordingList from, to;
    // Fills both lists from a fresh category object, as a category switch does.
    void Fill(tv::SettingsHome& h, int id) {
        auto c = tv::CreateUnitCategory(id, h);
        c->FillFromList(from);
        c->FillToList(to);
    }
};

}  // namespace

TEST_F(UnitCategoryTest, ConvertRecordsThePairWhichSurvivesASwitchAndARestart) {
    home.record.Selection[tv::kLength] = 0x12340000u;
    auto length = tv::CreateUnitCategory(tv::kLength, home);
    length->Convert(3, 4, 6);
    EXPECT_EQ(length->Selection(), 0x12340604u);
    EXPECT_EQ(home.record.Selection[tv::kLength], 0x12340000u);  // not before destruction
    EXPECT_TRUE(store.keys.empty());
    length.reset();  // saves the whole record
    EXPECT_EQ(home.record.Selection[tv::kLength], 0x12340604u);
    EXPECT_EQ(store.keys[tv::kSelectionPath][L"C2"], FakeSettingsStore::Dword(0x12340604u));
    EXPECT_EQ(store.keys[tv::kSettingsPath][L"DeciSize"], FakeSettingsStore::Dword(2));

    tv::CreateUnitCategory(tv::kVolume, home)->Convert(1, 19, 17);
    Fill(home, tv::kVolume);
    EXPECT_EQ(from.selected, 19);
    EXPECT_EQ(to.selected, 17);
    EXPECT_EQ(to.items.front(), L"l");

    tv::SettingsHome restarted{{}, &store};
    tv::LoadSettings(restarted.record, store);
    Fill(restarted, tv::kLength);
    EXPECT_EQ(from.selected, 4);
    EXPECT_EQ(to.selected, 6);
    EXPECT_EQ(from.resets, 2);  // emptied before each filling
    EXPECT_EQ(from.items.size(), 8u);
    EXPECT_EQ(restarted.record.Selection[tv::kLength], 0x12340604u);  // filling alone changes nothing
}

TEST_F(UnitCategoryTest, PositionsOutsideTheTableNeverReadOutsideIt) {
    // A damaged stored word: From 200, To 9 in a five-unit table.
    home.record.Selection[tv::kTorque] = 0xFFFF09C8u;
    Fill(home, tv::kTorque);
    EXPECT_EQ(from.selected, 0);
    EXPECT_EQ(to.selected, 0);
    EXPECT_EQ(home.record.Selection[tv::kTorque], 0xFFFF09C8u);

    // A list with nothing chosen reports -1; such positions count as 0.
    auto torque = tv::CreateUnitCategory(tv::kTorque, home);
    EXPECT_EQ(torque->Convert(2, -1, 1), 2.0 / 9.80665);
    EXPECT_EQ(torque->Selection(), 0xFFFF0100u);
    EXPECT_EQ(torque->Convert(2, 300, -7), 2.0);
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        auto c = tv::CreateUnitCategory(id, home);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Id(), id);
        EXPECT_EQ(c->Convert(5, 255, 1000), 5.0) << id;
        EXPECT_EQ(c->Selection() & 0xFFFF, 0u) << id;
    }
    EXPECT_EQ(tv::CreateUnitCategory(14, home), nullptr);
    EXPECT_EQ(tv::CreateUnitCategory(-1, home), nullptr);
}
