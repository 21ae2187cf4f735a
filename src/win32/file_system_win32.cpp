#include "win32/file_system_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string_view>

#include "win32/handles_win32.h"
#include "win32/text.h"

namespace win32 {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The form of an absolute path that the system takes as it is: "C:\x" becomes "\\?\C:\x"
// and "\\server\share\x" becomes "\\?\UNC\server\share\x". Without it a
// path is limited to 260 characters and rewritten on the way ("name." names "name"), so the
// entry checked and the entry changed could differ. Relative paths are left as they are.
std::wstring systemPath(std::wstring path) {
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
    if (path.size() > 2 && path[0] == L'\\' && path[1] == L'\\') return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

// The ordinary form of a path the system gave back in its "\\?\" form.
std::wstring plainPath(std::wstring path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

std::wstring withoutTrailingSeparators(std::wstring path) {
    while (path.size() > 3 && isSeparator(path.back())) path.pop_back();
    return path;
}

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
    return FindHandle(::FindFirstFileExW(systemPath(allEntriesPattern(folder)).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

std::uint64_t fileSize(const WIN32_FIND_DATAW& d) {
    return (static_cast<std::uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

std::optional<DWORD> attributesOf(const std::wstring& path) {
    const DWORD a = ::GetFileAttributesW(systemPath(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

// Opens the entry a path names without following a link at its end. Every sharing mode is
// granted: the sweep must never stop another program from using its files.
FileHandle openEntry(const std::wstring& path, DWORD access) {
    return FileHandle(::CreateFileW(systemPath(path).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<std::wstring> finalPathOf(HANDLE h) {
    std::wstring buffer(512, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
        if (n == 0) return std::nullopt;
        if (n < buffer.size()) {
            buffer.resize(n);
            return withoutTrailingSeparators(plainPath(std::move(buffer)));
        }
        buffer.assign(n + 1, L'\0');  // n is the size needed
    }
}

bool sameText(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// For a path the final-path query cannot answer (Wine 8 fails it for paths over 260
// characters): the opened entry's name on its volume ("\users\x\Temp\...", links
// resolved) must be the path's own, and the volume must be the path's drive.
bool sameNameOnSameDrive(HANDLE h, const std::wstring& own) {
    if (own.size() < 3 || own[1] != L':' || own[2] != L'\\') return false;
    const DWORD bufferSize = sizeof(FILE_NAME_INFO) + 70000;
    std::unique_ptr<std::byte[]> buffer(new std::byte[bufferSize]);
    auto* name = reinterpret_cast<FILE_NAME_INFO*>(buffer.get());
    if (!::GetFileInformationByHandleEx(h, FileNameInfo, name, bufferSize)) return false;
    const std::wstring_view onVolume(name->FileName, name->FileNameLength / sizeof(wchar_t));
    if (!sameText(withoutTrailingSeparators(std::wstring(onVolume)), std::wstring_view(own).substr(2))) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    DWORD driveSerial = 0;
    const wchar_t root[] = {own[0], L':', L'\\', L'\0'};
    return ::GetFileInformationByHandle(h, &info) &&
           ::GetVolumeInformationW(root, nullptr, 0, &driveSerial, nullptr, nullptr, nullptr, 0) &&
           info.dwVolumeSerialNumber == driveSerial;
}

// Whether the opened handle is the entry `path` names and not, through a link, something
// elsewhere. Under Wine a symbolic link to a file lists as a plain file and opens as its
// target; only the final path shows where the name really leads. Anything that cannot be
// proved to be itself counts as elsewhere.
bool isItself(HANDLE h, const std::wstring& path) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag) ||
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    const std::wstring own = withoutTrailingSeparators(plainPath(systemPath(path)));
    if (const std::optional<std::wstring> final = finalPathOf(h)) return sameText(*final, own);
    return sameNameOnSameDrive(h, own);
}

// The entry itself, opened for `access`, or an empty handle when it is not itself.
FileHandle openItself(const std::wstring& path, DWORD access) {
    FileHandle h = openEntry(path, access | FILE_READ_ATTRIBUTES);
    if (!h || !isItself(h.get(), path)) return FileHandle();
    return h;
}

std::optional<DWORD> attributesOf(HANDLE h) {
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)) return std::nullopt;
    return basic.FileAttributes;
}

bool setAttributesOf(HANDLE h, DWORD attributes) {
    FILE_BASIC_INFO basic{};  // times of 0 are left as they are
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    return ::SetFileInformationByHandle(h, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

// Deletes through the handle that was checked, so the entry deleted is the entry checked
// even if the name is replaced meanwhile. A read-only file or a folder that is not empty is
// refused by the system.
bool deleteThrough(HANDLE h) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
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

bool FileSystemWin32::forEachEntry(const std::string& folder,
                                   const std::function<void(const platform::DirEntry&)>& visit) {
    // An empty folder would list the root of the current drive; nothing asks for that.
    if (folder.empty()) return false;
    WIN32_FIND_DATAW data{};
    FindHandle find = openListing(widen(folder), data);
    if (!find) return isEmptyExistingFolder(widen(folder));
    do {
        if (isDotEntry(data.cFileName)) continue;
        visit(platform::DirEntry{narrow(data.cFileName), data.dwFileAttributes});
    } while (::FindNextFileW(find.get(), &data));
    return true;
}

std::optional<platform::EntryFacts> FileSystemWin32::inspectEntry(const std::string& path) {
    const std::wstring p = widen(path);
    FileHandle h = openEntry(p, FILE_READ_ATTRIBUTES);
    if (!h) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    // A FIFO or device that Wine lists among the files cannot be read this way: left alone.
    if (!::GetFileInformationByHandle(h.get(), &info) || info.nNumberOfLinks == 0) return std::nullopt;
    platform::EntryFacts facts;
    facts.attributes = info.dwFileAttributes;
    facts.names = info.nNumberOfLinks;
    facts.itself = isItself(h.get(), p);
    return facts;
}

std::optional<std::string> FileSystemWin32::finalPath(const std::string& path) {
    FileHandle h(::CreateFileW(systemPath(widen(path)).c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h) return std::nullopt;
    const std::optional<std::wstring> final = finalPathOf(h.get());
    if (!final) return std::nullopt;
    return narrow(*final);
}

std::optional<std::string> FileSystemWin32::entryName(const std::string& path) {
    std::wstring p = widen(path);
    // Wildcards would name some other entry that happens to match.
    if (p.empty() || p.find_first_of(L"*?") != std::wstring::npos) return std::nullopt;
    // "C:\Users\" names the folder Users; "C:\" itself has no entry to find.
    if (isSeparator(p.back())) p.pop_back();
    if (p.empty() || (p.size() == 2 && p[1] == L':')) return std::nullopt;
    WIN32_FIND_DATAW data{};
    FindHandle find(::FindFirstFileW(systemPath(p).c_str(), &data));
    if (!find) return std::nullopt;
    return narrow(data.cFileName);
}

std::optional<std::uint32_t> FileSystemWin32::attributes(const std::string& path) { return attributesOf(widen(path)); }

bool FileSystemWin32::setAttributes(const std::string& path, std::uint32_t attributes) {
    // Through a handle on the entry itself: SetFileAttributes on a link would change the
    // attributes of its target (Wine clears a read-only file's protection outside).
    FileHandle h = openItself(widen(path), FILE_WRITE_ATTRIBUTES);
    return h && setAttributesOf(h.get(), attributes);
}

bool FileSystemWin32::deleteFile(const std::string& path) {
    // DeleteFile on a link deletes its target under Wine; the handle is on the name itself.
    FileHandle h = openItself(widen(path), DELETE);
    if (!h) return false;
    const std::optional<DWORD> a = attributesOf(h.get());
    if (!a || (*a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;
    return deleteThrough(h.get());
}

bool FileSystemWin32::removeFolder(const std::string& path) {
    // A folder link is never removed: under Wine that removes the (empty) target instead.
    FileHandle h = openItself(widen(path), DELETE);
    if (!h) return false;
    const std::optional<DWORD> a = attributesOf(h.get());
    if (!a || !(*a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return deleteThrough(h.get());
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

std::optional<std::string> FileSystemWin32::specialFolderPath(platform::WindowHandle owner, int csidl) {
    PIDLIST_ABSOLUTE raw = nullptr;
    if (::SHGetSpecialFolderLocation(reinterpret_cast<HWND>(owner), csidl, &raw) != S_OK || raw == nullptr)
        return std::nullopt;
    const std::unique_ptr<ITEMIDLIST, FreeItemIdList> pidl(raw);
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(pidl.get(), path)) return std::nullopt;
    return narrow(path);
}

}  // namespace win32
