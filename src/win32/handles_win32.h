#pragma once
// Owners for the Win32 handles the services open. Every call that opens something closes
// it on all paths: the services run every half second for as long as the program does.
#include <windows.h>
#include <shlobj.h>

#include <type_traits>
#include <utility>

namespace win32 {

// One owned handle of type T whose "no handle" value is `Invalid` and which `Close` frees.
template <typename T, typename Close, auto Invalid = T{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, invalid()));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    [[nodiscard]] T get() const { return h_; }
    [[nodiscard]] explicit operator bool() const { return h_ != invalid(); }
    // For out-parameters: frees what is held and hands out the slot.
    [[nodiscard]] T* put() {
        reset();
        return &h_;
    }
    [[nodiscard]] T release() { return std::exchange(h_, invalid()); }
    void reset(T h = invalid()) {
        if (h_ != invalid()) Close{}(h_);
        h_ = h;
    }

private:
    static T invalid() {
        if constexpr (std::is_pointer_v<T> && std::is_integral_v<decltype(Invalid)>)
            return reinterpret_cast<T>(static_cast<INT_PTR>(Invalid));
        else
            return static_cast<T>(Invalid);
    }
    T h_ = invalid();
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct CloseFind {
    void operator()(HANDLE h) const { ::FindClose(h); }
};
struct CloseRegKey {
    void operator()(HKEY k) const { ::RegCloseKey(k); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ o) const { ::DeleteObject(o); }
};
// Item lists from the shell go back through the shell (ILFree frees what the shell's task
// allocator gave), so the program needs no COM library of its own.
struct FreeItemIdList {
    void operator()(ITEMIDLIST* p) const { ::ILFree(p); }
};

using KernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;    // process, thread, token
using FileHandle = UniqueHandle<HANDLE, CloseKernelHandle, -1>;  // CreateFile
using FindHandle = UniqueHandle<HANDLE, CloseFind, -1>;          // INVALID_HANDLE_VALUE
using RegKey = UniqueHandle<HKEY, CloseRegKey>;
using Region = UniqueHandle<HRGN, DeleteGdiObject>;
using GdiObject = UniqueHandle<HGDIOBJ, DeleteGdiObject>;  // pens and brushes made for one paint

}  // namespace win32
