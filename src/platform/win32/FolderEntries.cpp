// Folders listed by the Windows API itself: long UTF-16 names, so that folders past 260 characters list too,
// and each entry's kind from the listing, with no call per entry.
#include "platform/FolderListings.h"

#include "Wide.h"

namespace korvane {
namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (valid()) {
            FindClose(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

FolderEntry::Kind kindOf(const WIN32_FIND_DATAW& found) {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return FolderEntry::Kind::Unknown; // a link or junction: what it leads to is looked up when it matters
    }
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FolderEntry::Kind::Folder
                                                                    : FolderEntry::Kind::File;
}

} // namespace

std::vector<FolderEntry> folderEntries(const std::filesystem::path& folder) {
    std::wstring pattern = longPath(folder);
    if (!pattern.ends_with(L'\\')) {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
    std::vector<FolderEntry> entries;
    if (!find.valid()) {
        return entries;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") {
            entries.push_back({fromWide(name), kindOf(found)});
        }
    } while (FindNextFileW(find.get(), &found) != 0);
    return entries;
}

} // namespace korvane
