// Reading data files from disk: never changing them, whoever else has them open.
#include <chrono>
#include <optional>

#include "list_test_support.h"
#include "reference/mapped_text_file.h"

namespace {

class DataFile : public wintest::DataFolderTest {
protected:
    // Written a day ago, so a change by the read would show.
    void Write(const std::string& bytes) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DataFolderTest::Write(L"Sample.dat", bytes);
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(24));
    }
    // Attributes, creation and write times and length, then the bytes.
    std::string Snapshot() const {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
        data.ftLastAccessTime = {};
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        return std::string(reinterpret_cast<const char*>(&data), sizeof data) +
               std::string(std::istreambuf_iterator<char>(in), {});
    }
    const std::wstring path = folder + L"Sample.dat";
};

}  // namespace

// Both encodings read, a lone UTF-16 mark does not; alike when the file is
// read-only or another program holds it open, reading or writing, and lets
// others only read; and the file keeps its bytes, length and times.
TEST_F(DataFile, ReadingLeavesTheFileAsItWasHoweverItIsHeld) {
    const std::pair<std::string, std::optional<std::wstring>> files[] = {
        {"Gen\xE8ve\t22\r\n", L"Gen\u00E8ve\t22\r\n"},
        {std::string("\xFF\xFEG\0\xE8\0n\0", 8), L"G\u00E8n"},
        {std::string("\xFF\xFE", 2), std::nullopt},
        {"", L""},
    };
    // The file's attribute, and the access of another program holding it open.
    const std::pair<DWORD, DWORD> holds[] = {{FILE_ATTRIBUTE_NORMAL, 0}, {FILE_ATTRIBUTE_READONLY, 0},
                                             {FILE_ATTRIBUTE_NORMAL, GENERIC_READ},
                                             {FILE_ATTRIBUTE_NORMAL, GENERIC_READ | GENERIC_WRITE}};
    for (const auto& [bytes, text] : files) {
        for (const auto& [attribute, access] : holds) {
            Write(bytes);
            SetFileAttributesW(path.c_str(), attribute);
            const std::string before = Snapshot();
            HANDLE other = access ? CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                                  : nullptr;
            ASSERT_NE(other, INVALID_HANDLE_VALUE);
            EXPECT_EQ(tv::ReadDataFile(path), text) << bytes.size() << ' ' << attribute << ' ' << access;
            if (other) CloseHandle(other);
            EXPECT_EQ(Snapshot(), before) << bytes.size() << ' ' << attribute << ' ' << access;
        }
    }
}

// Up to 16 MiB a file is read, not a byte more.
TEST_F(DataFile, MissingFilesAndFilesOver16MiBAreUnreadable) {
    EXPECT_FALSE(tv::ReadDataFile(path).has_value());
    Write("x");
    std::filesystem::resize_file(path, 16 << 20);
    EXPECT_EQ(tv::ReadDataFile(path), L"x");  // the text ends at the first zero
    std::filesystem::resize_file(path, (16 << 20) + 1);
    EXPECT_FALSE(tv::ReadDataFile(path).has_value());
}
