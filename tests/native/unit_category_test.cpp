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

struct Fixture : ::testing::Test {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
};

using UnitCategoryTest = Fixture;

}  // namespace

TEST(UnitSelection, PacksFromAndToAndKeepsTheHighBits) {
    const tv::UnitSelection s = tv::WithUnits(0xDEAD0000u | 0x0302u, 7, 19);
    EXPECT_EQ(s, 0xDEAD1307u);
    EXPECT_EQ(tv::SelectionFrom(s), 7);
    EXPECT_EQ(tv::SelectionTo(s), 19);
}

TEST_F(UnitCategoryTest, ConvertRecordsThePairAndDestructionSavesIt) {
    home.record.Selection[tv::kLength] = 0x12340000u;
    auto length = tv::CreateUnitCategory(tv::kLength, home);
    ASSERT_EQ(length->Id(), tv::kLength);
    length->Convert(3, 4, 6);
    EXPECT_EQ(length->Selection(), 0x12340604u);
    EXPECT_EQ(home.record.Selection[tv::kLength], 0x12340000u);  // not before destruction
    EXPECT_TRUE(store.keys.empty());
    length.reset();
    EXPECT_EQ(home.record.Selection[tv::kLength], 0x12340604u);
    ASSERT_NE(store.Find(tv::kSelectionPath, L"C2"), nullptr);
    EXPECT_EQ(store.Find(tv::kSelectionPath, L"C2")->dword, 0x12340604u);
    EXPECT_EQ(store.Find(tv::kSettingsPath, L"DeciSize")->dword, 2u);  // the whole record
}

TEST_F(UnitCategoryTest, ASelectionSurvivesASwitchAwayAndBackAndARestart) {
    tv::CreateUnitCategory(tv::kVolume, home)->Convert(1, 19, 17);
    tv::CreateUnitCategory(tv::kMass, home)->Convert(1, 2, 3);

    RecordingList from, to;
    auto volume = tv::CreateUnitCategory(tv::kVolume, home);
    volume->FillFromList(from);
    volume->FillToList(to);
    EXPECT_EQ(from.selected, 19);
    EXPECT_EQ(to.selected, 17);
    EXPECT_EQ(from.items.size(), 20u);
    EXPECT_EQ(to.items.front(), L"l");
    volume.reset();

    tv::SettingsHome restarted{{}, &store};
    tv::LoadSettings(restarted.record, store);
    auto mass = tv::CreateUnitCategory(tv::kMass, restarted);
    mass->FillFromList(from);
    mass->FillToList(to);
    EXPECT_EQ(from.selected, 2);
    EXPECT_EQ(to.selected, 3);
    EXPECT_EQ(from.resets, 2);  // emptied before each filling
    EXPECT_EQ(from.items.size(), 9u);
}

TEST_F(UnitCategoryTest, PickingWithoutConvertingChangesNothing) {
    home.record.Selection[tv::kSpeed] = 0x0504u;
    auto speed = tv::CreateUnitCategory(tv::kSpeed, home);
    RecordingList list;
    speed->FillFromList(list);
    speed->FillToList(list);
    EXPECT_EQ(speed->Selection(), 0x0504u);
}

TEST_F(UnitCategoryTest, PositionsOutsideTheTableNeverReadOutsideIt) {
    // A damaged stored word: From 200, To 9 in a five-unit table.
    home.record.Selection[tv::kTorque] = 0xFFFF09C8u;
    auto torque = tv::CreateUnitCategory(tv::kTorque, home);
    RecordingList from, to;
    torque->FillFromList(from);
    torque->FillToList(to);
    EXPECT_EQ(from.selected, 0);
    EXPECT_EQ(to.selected, 0);

    // A list with nothing chosen reports -1; such positions count as 0.
    EXPECT_EQ(torque->Convert(2, -1, 1), 2.0 / 9.80665);
    EXPECT_EQ(torque->Selection(), 0xFFFF0100u);
    EXPECT_EQ(torque->Convert(2, 1, 5), 2 * 9.80665);
    EXPECT_EQ(torque->Convert(2, 300, -7), 2.0);
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        auto c = tv::CreateUnitCategory(id, home);
        EXPECT_EQ(c->Convert(5, 255, 1000), 5.0) << id;
        EXPECT_EQ(c->Selection() & 0xFFFF, 0u) << id;
    }
}

TEST_F(UnitCategoryTest, OnlyTheFourteenCategoriesExist) {
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        auto c = tv::CreateUnitCategory(id, home);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Id(), id);
    }
    EXPECT_EQ(tv::CreateUnitCategory(14, home), nullptr);
    EXPECT_EQ(tv::CreateUnitCategory(-1, home), nullptr);
    EXPECT_EQ(tv::CreateUnitCategory(65535, home), nullptr);
}
