#pragma once
// The one place the program loads DLLs that are not on the system's KnownDLLs list
// (iphlpapi, rasapi32, wininet, ...). Windows looks for such a DLL in the program's own
// folder first, so one saved beside the exe (a Downloads folder) would run inside the
// program. Each is therefore loaded from System32 only, on first use, and its functions
// are looked up by name; a function the system lacks (an older Windows) comes back null,
// and the caller falls back or reports the failure. DLLs that are KnownDLLs but wanted only
// later in the run, or only on newer systems (ole32, shcore), are loaded here as well, so
// that the program's start does not wait for them.
#include <windows.h>

namespace win32 {

class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    [[nodiscard]] bool loaded() const { return module_ != nullptr; }
    // The named function as a pointer of type Fn (e.g. decltype(&::GetIfTable2)), or null.
    template <typename Fn>
    [[nodiscard]] Fn find(const char* name) const {
        // Through void(*)(): the one function pointer type any other converts from
        // without a warning about incompatible signatures.
        return module_ ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module_, name))) : nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

// The libraries the program uses, each loaded the first time it is asked for and kept
// for the rest of the run.
SystemLibrary& ipHelperLibrary();      // iphlpapi.dll
SystemLibrary& remoteAccessLibrary();  // rasapi32.dll
SystemLibrary& internetLibrary();      // wininet.dll
SystemLibrary& shellCoreLibrary();     // shcore.dll
SystemLibrary& comLibrary();           // ole32.dll

// Makes System32 the only folder the loader searches for the process's later loads
// (SetDefaultDllDirectories, Windows 8 and Windows 7 with KB2533623; looked up at run
// time). Called first thing in WinMain.
void restrictDllSearchToSystem32();

}  // namespace win32
