// Small owners of Win32 resources: kernel handles, GDI objects, menus, windows
// and hooks. Each closes its resource when it goes away; moves transfer it.
// MutexLock holds a mutex for one scope.
#pragma once

#include <windows.h>

#include <utility>

template <typename T, typename Deleter> class UniqueWin32 {
public:
    UniqueWin32() = default;
    explicit UniqueWin32(T value) : value_(value) {}
    UniqueWin32(UniqueWin32&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
    UniqueWin32& operator=(UniqueWin32&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.value_, T{}));
        return *this;
    }
    UniqueWin32(const UniqueWin32&) = delete;
    UniqueWin32& operator=(const UniqueWin32&) = delete;
    ~UniqueWin32() { reset(); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != T{}; }
    void reset(T value = T{}) {
        if (value_ != T{})
            Deleter{}(value_);
        value_ = value;
    }

private:
    T value_{};
};

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct GdiDeleter {
    template <typename T> void operator()(T object) const { DeleteObject(object); }
};
struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct HookRemover {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};

using UniqueHandle = UniqueWin32<HANDLE, HandleCloser>;
using UniqueFont = UniqueWin32<HFONT, GdiDeleter>;
using UniqueBrush = UniqueWin32<HBRUSH, GdiDeleter>;
using UniqueMenu = UniqueWin32<HMENU, MenuDestroyer>;
using UniqueWindow = UniqueWin32<HWND, WindowDestroyer>;
using UniqueHook = UniqueWin32<HHOOK, HookRemover>;

// Holds `mutex` from construction to destruction, waiting at most `timeout`
// milliseconds for it. A mutex that is missing or not had in time is not
// held, and the caller goes on without it; one left by a copy that ended
// while holding it is held as usual.
class MutexLock {
public:
    MutexLock(HANDLE mutex, DWORD timeout) {
        if (mutex == nullptr)
            return;
        const DWORD result = WaitForSingleObject(mutex, timeout);
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED)
            mutex_ = mutex;
    }
    ~MutexLock() {
        if (mutex_ != nullptr)
            ReleaseMutex(mutex_);
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    HANDLE mutex_ = nullptr;
};
