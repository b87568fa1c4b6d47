// Handles that release themselves when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

// Owns `handle` and gives it to Free at the end of its scope; none is null or
// INVALID_HANDLE_VALUE.
template <typename Handle, auto Free>
class Owned {
public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const { return handle_; }
    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    // Hands the handle over to another owner, such as a control.
    Handle Release() { return std::exchange(handle_, nullptr); }

private:
    void Reset() {
        if (IsValid()) {
            Free(handle_);
        }
        handle_ = nullptr;
    }
    Handle handle_;
};

using ScopedFile = Owned<HANDLE, CloseHandle>;
using ScopedFont = Owned<HFONT, DeleteObject>;
using ScopedBitmap = Owned<HBITMAP, DeleteObject>;
using MemoryDc = Owned<HDC, DeleteDC>;
// The screen's device context, from GetDC(nullptr).
using ScreenDc = Owned<HDC, [](HDC dc) { ReleaseDC(nullptr, dc); }>;
