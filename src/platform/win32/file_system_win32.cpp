#include "platform/win32/file_system_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string_view>

#include "platform/win32/handles_win32.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// "folder\*", whether or not the folder came with its separator.
std::wstring allEntriesPattern(std::wstring folder) {
    if (!isSeparator(folder.back())) folder += L'\\';
    folder += L'*';
    return folder;
}

bool isDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Opens a listing of every entry of a folder. Large fetch and no short names: a temp
// folder can hold tens of thousands of entries.
FindHandle openListing(const std::wstring& folder, WIN32_FIND_DATAW& data) {
    return FindHandle(::FindFirstFileExW(allEntriesPattern(folder).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

std::uint64_t fileSize(const WIN32_FIND_DATAW& d) {
    return (static_cast<std::uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

std::optional<DWORD> attributesOf(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

// Whether `path` names the entry itself and not, through a link, something elsewhere.
// Under Wine a symbolic link to a file lists as a plain file, and DeleteFile on it deletes
// its target; the final path of an opened handle shows where the name really leads.
// Anything that cannot be proved to be itself counts as elsewhere: it is then left alone.
bool resolvesToItself(const std::wstring& path) {
    FileHandle h(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h) return false;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (::GetFileInformationByHandleEx(h.get(), FileAttributeTagInfo, &tag, sizeof tag) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    std::wstring finalPath(1024, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(h.get(), finalPath.data(), static_cast<DWORD>(finalPath.size()), 0);
    if (n == 0 || n >= finalPath.size()) return false;
    finalPath.resize(n);
    std::wstring full(1024, L'\0');
    DWORD m = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (m == 0 || m >= full.size()) return false;
    full.resize(m);
    const std::wstring_view longPrefix = L"\\\\?\\";
    std::wstring_view f = finalPath;
    if (f.substr(0, longPrefix.size()) == longPrefix) f.remove_prefix(longPrefix.size());
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
    return ::CompareStringOrdinal(f.data(), static_cast<int>(f.size()), full.data(), static_cast<int>(full.size()),
                                  TRUE) == CSTR_EQUAL;
}

// After a listing found nothing at all: an empty drive root (it has no "." entry) rather
// than a folder that is not there.
bool isEmptyExistingFolder(const std::wstring& folder) {
    if (::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    const std::optional<DWORD> a = attributesOf(folder);
    return a && (*a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::optional<std::string> FileSystemWin32::tempPath() {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD n = ::GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (n == 0) return std::nullopt;
        if (n < buffer.size()) return narrow(std::wstring_view(buffer.data(), n));
        buffer.assign(n + 1, L'\0');  // n is the size needed, NUL included
    }
}

std::optional<std::vector<DirEntry>> FileSystemWin32::listFolder(const std::string& folder) {
    // An empty folder would list the root of the current drive; nothing asks for that.
    if (folder.empty()) return std::nullopt;
    WIN32_FIND_DATAW data{};
    FindHandle find = openListing(widen(folder), data);
    if (!find) {
        if (isEmptyExistingFolder(widen(folder))) return std::vector<DirEntry>{};
        return std::nullopt;
    }
    std::vector<DirEntry> entries;
    do {
        if (isDotEntry(data.cFileName)) continue;
        entries.push_back(DirEntry{narrow(data.cFileName), data.dwFileAttributes});
    } while (::FindNextFileW(find.get(), &data));
    return entries;
}

std::optional<std::string> FileSystemWin32::entryName(const std::string& path) {
    std::wstring p = widen(path);
    // Wildcards would name some other entry that happens to match.
    if (p.empty() || p.find_first_of(L"*?") != std::wstring::npos) return std::nullopt;
    // "C:\Users\" names the folder Users; "C:\" itself has no entry to find.
    if (isSeparator(p.back())) p.pop_back();
    if (p.empty() || (p.size() == 2 && p[1] == L':')) return std::nullopt;
    WIN32_FIND_DATAW data{};
    FindHandle find(::FindFirstFileW(p.c_str(), &data));
    if (!find) return std::nullopt;
    return narrow(data.cFileName);
}

std::optional<std::uint32_t> FileSystemWin32::attributes(const std::string& path) {
    return attributesOf(widen(path));
}

bool FileSystemWin32::setAttributes(const std::string& path, std::uint32_t attributes) {
    // 0 is not a valid request to the system; NORMAL is how "no attributes" is asked for.
    const DWORD value = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    return ::SetFileAttributesW(widen(path).c_str(), value) != FALSE;
}

bool FileSystemWin32::deleteFile(const std::string& path) {
    const std::wstring p = widen(path);
    const std::optional<DWORD> a = attributesOf(p);
    if (!a) return false;
    // Deleting through a link can reach its target (Wine does), so links are left alone
    // even if a caller slips; folders are not files.
    if (*a & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (!resolvesToItself(p)) return false;
    // DeleteFile refuses read-only files; a forced delete clears the flag first.
    if (*a & FILE_ATTRIBUTE_READONLY) {
        if (!::SetFileAttributesW(p.c_str(), *a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))) return false;
        if (::DeleteFileW(p.c_str())) return true;
        ::SetFileAttributesW(p.c_str(), *a);  // the file stays, so does its protection
        return false;
    }
    return ::DeleteFileW(p.c_str()) != FALSE;
}

bool FileSystemWin32::removeFolder(const std::string& path) {
    const std::wstring p = widen(path);
    const std::optional<DWORD> a = attributesOf(p);
    // A folder link is never removed: under Wine that removes the (empty) target instead.
    if (!a || !(*a & FILE_ATTRIBUTE_DIRECTORY) || (*a & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    if (!resolvesToItself(p)) return false;
    return ::RemoveDirectoryW(p.c_str()) != FALSE;
}

bool FileSystemWin32::exists(const std::string& path) { return attributesOf(widen(path)).has_value(); }

std::optional<std::uint64_t> FileSystemWin32::folderSize(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    // Depth-first with an explicit stack: a deep tree must not exhaust the thread's stack.
    std::vector<std::wstring> pending{widen(folder)};
    std::uint64_t total = 0;
    bool first = true;
    while (!pending.empty()) {
        std::wstring current = std::move(pending.back());
        pending.pop_back();
        WIN32_FIND_DATAW data{};
        FindHandle find = openListing(current, data);
        if (!find) {
            // The folder asked about must be readable; a subfolder that is not adds nothing.
            if (first && !isEmptyExistingFolder(current)) return std::nullopt;
            first = false;
            continue;
        }
        first = false;
        if (!isSeparator(current.back())) current += L'\\';
        do {
            if (isDotEntry(data.cFileName)) continue;
            // Links are neither entered nor counted: their contents live elsewhere.
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                pending.push_back(current + data.cFileName);
            else
                total += fileSize(data);
        } while (::FindNextFileW(find.get(), &data));
    }
    return total;
}

std::optional<std::string> FileSystemWin32::logicalDriveStrings() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (n == 0) return std::nullopt;
        // n counts every root's NUL but not the list's closing one.
        if (n < buffer.size()) return narrow(std::wstring_view(buffer.data(), n));
        buffer.assign(n + 1, L'\0');
    }
}

int FileSystemWin32::driveType(const std::string& root) {
    return static_cast<int>(::GetDriveTypeW(widen(root).c_str()));
}

std::optional<std::string> FileSystemWin32::specialFolderPath(forms::WindowHandle owner, int csidl) {
    PIDLIST_ABSOLUTE raw = nullptr;
    if (::SHGetSpecialFolderLocation(reinterpret_cast<HWND>(owner), csidl, &raw) != S_OK || raw == nullptr)
        return std::nullopt;
    const std::unique_ptr<ITEMIDLIST, FreeItemIdList> pidl(raw);
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(pidl.get(), path)) return std::nullopt;
    return narrow(path);
}

}  // namespace platform::win32
