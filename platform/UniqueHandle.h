#pragma once

#include <windows.h>

#include <utility>

namespace torvane::platform {

// Owns one value of a Win32 resource and releases it through Traits::release.
// Traits::invalid() is the value that owns nothing.
template <typename Traits>
class UniqueResource {
public:
    using Value = typename Traits::Value;

    UniqueResource() = default;
    explicit UniqueResource(Value value) : value_(value) {}
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.detach()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            reset(other.detach());
        }
        return *this;
    }
    ~UniqueResource() { reset(); }

    Value get() const { return value_; }
    bool valid() const { return value_ != Traits::invalid(); }
    explicit operator bool() const { return valid(); }

    Value detach() { return std::exchange(value_, Traits::invalid()); }
    void reset(Value value = Traits::invalid()) {
        const Value old = std::exchange(value_, value);
        if (old != Traits::invalid()) {
            Traits::release(old);
        }
    }
    // Releases now and reports whether the platform accepted it.
    bool close() {
        const Value old = detach();
        return old == Traits::invalid() || Traits::release(old);
    }

private:
    Value value_ = Traits::invalid();
};

struct FileHandleTraits {
    using Value = HANDLE;
    static Value invalid() { return INVALID_HANDLE_VALUE; }
    static bool release(Value value) { return CloseHandle(value) != FALSE; }
};

struct IconTraits {
    using Value = HICON;
    static Value invalid() { return nullptr; }
    static bool release(Value value) { return DestroyIcon(value) != FALSE; }
};

struct WindowTraits {
    using Value = HWND;
    static Value invalid() { return nullptr; }
    static bool release(Value value) { return DestroyWindow(value) != FALSE; }
};

// A file handle as CreateFile returns it: INVALID_HANDLE_VALUE owns nothing.
using UniqueHandle = UniqueResource<FileHandleTraits>;
using UniqueIcon = UniqueResource<IconTraits>;
using UniqueWindow = UniqueResource<WindowTraits>;

}  // namespace torvane::platform
