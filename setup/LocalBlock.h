// LocalBlock: owns one block of the local heap.
#pragma once

#include <windows.h>

class LocalBlock {
public:
    explicit LocalBlock(HLOCAL handle = nullptr) : handle(handle) {}
    LocalBlock(LocalBlock&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;
    ~LocalBlock() {
        if (handle) {
            LocalFree(handle);
        }
    }

    HLOCAL get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

private:
    HLOCAL handle;
};
