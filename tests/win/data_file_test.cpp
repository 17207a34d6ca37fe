// Reading data files from disk: never changing them, whoever else has them open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "reference/data_text.h"
#include "reference/mapped_text_file.h"

namespace {

class DataFile : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"tv-data-test\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        path = folder + L"Sample.dat";
    }
    void TearDown() override {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void Write(const std::string& bytes) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        // A timestamp in the past, so a change by the read would show.
        FILETIME old = {0x12345678, 0x01C00000};
        SetFileTime(f, &old, &old, &old);
        CloseHandle(f);
    }
    struct Snapshot {
        std::string bytes;
        FILETIME written{}, accessed{}, created{};
        bool operator==(const Snapshot& o) const {
            return bytes == o.bytes && CompareFileTime(&written, &o.written) == 0 &&
                   CompareFileTime(&created, &o.created) == 0;
        }
    };
    Snapshot Take() {
        Snapshot s;
        HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return s;
        GetFileTime(f, &s.created, &s.accessed, &s.written);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(f, buffer, sizeof buffer, &read, nullptr) && read) s.bytes.append(buffer, read);
        CloseHandle(f);
        return s;
    }
    std::wstring folder, path;
};

}  // namespace

TEST_F(DataFile, ReadingLeavesTheFileAsItWas) {
    for (const std::string& content : {std::string("Abc\tdef\r\nGhi\r\n"), std::string(""), std::string("\xFF\xFE", 2),
                                       std::string("\xFF\xFEh\0i\0", 6)}) {
        Write(content);
        const Snapshot before = Take();
        tv::ReadDataFile(path);
        EXPECT_TRUE(Take() == before) << content.size();
        EXPECT_EQ(Take().bytes.size(), content.size());
    }
}

TEST_F(DataFile, ReadsBothEncodingsAndRefusesAMarkWithoutText) {
    Write("Gen\xE8ve\t22\n");
    EXPECT_EQ(tv::ReadDataFile(path).value_or(L"?"), L"Gen\u00E8ve\t22\n");
    Write(std::string("\xFF\xFEG\0\xE8\0n\0", 8));
    EXPECT_EQ(tv::ReadDataFile(path).value_or(L"?"), L"G\u00E8n");
    Write(std::string("\xFF\xFE", 2));
    EXPECT_FALSE(tv::ReadDataFile(path).has_value());
    Write("");
    EXPECT_EQ(tv::ReadDataFile(path).value_or(L"?"), L"");
    tv::MappedTextFile file;
    Write("1234");
    ASSERT_NE(file.Open(path), nullptr);
    EXPECT_EQ(file.GetSize(), 6u);
    EXPECT_FALSE(file.IsUnicode());
}

TEST_F(DataFile, ReadOnlyAndSharedFilesReadNormally) {
    Write("shared\r\n");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(tv::ReadDataFile(path).value_or(L"?"), L"shared\r\n");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Another program holds it open, reading or writing, and lets others read.
    for (DWORD access : {DWORD(GENERIC_READ), DWORD(GENERIC_READ | GENERIC_WRITE)}) {
        HANDLE other = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   0, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        EXPECT_EQ(tv::ReadDataFile(path).value_or(L"?"), L"shared\r\n");
        CloseHandle(other);
    }
}

TEST_F(DataFile, MissingAndOversizedFilesAreUnreadable) {
    EXPECT_FALSE(tv::ReadDataFile(folder + L"Missing.dat").has_value());
    // One byte over the limit, made sparse-cheap by setting the length only.
    Write("x");
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(tv::kLargestDataFile) + 1;
    SetFilePointerEx(f, size, nullptr, FILE_BEGIN);
    SetEndOfFile(f);
    CloseHandle(f);
    EXPECT_FALSE(tv::ReadDataFile(path).has_value());
}

TEST(DataFilePath, NamesAFileBesideTheProgram) {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring expected = program;
    expected = expected.substr(0, expected.find_last_of(L'\\') + 1) + L"Countries.dat";
    EXPECT_EQ(tv::DataFilePath(L"Countries.dat"), expected);
}
