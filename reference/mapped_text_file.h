// One data file held in memory for one read. The file is opened for reading
// only, shared with other readers, and never written, lengthened or
// shortened: its bytes are copied into memory with two zero bytes after them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tv {

class MappedTextFile {
public:
    MappedTextFile() = default;
    virtual ~MappedTextFile() = default;
    MappedTextFile(const MappedTextFile&) = delete;
    MappedTextFile& operator=(const MappedTextFile&) = delete;

    // The first byte of the text (after a UTF-16 mark), or nullptr when the
    // file is missing, unreadable, larger than any data file, or a UTF-16
    // mark with no text. Valid until the object is destroyed.
    const char* Open(const std::wstring& path);
    bool IsUnicode() const { return unicode_; }
    // The file's length plus 2: the capacity, in characters, a reader needs.
    size_t GetSize() const { return bytes_.size(); }

private:
    std::vector<char> bytes_;
    bool unicode_ = false;
};

// The full path of a data file in the program's folder.
std::wstring DataFilePath(const wchar_t* fileName);

// The whole text of a data file, or nullopt when it cannot be read.
std::optional<std::wstring> ReadDataFile(const std::wstring& path);

}  // namespace tv
