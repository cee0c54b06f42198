// Text of any length on the C heap, for the few places whose length has no
// documented limit: module paths, file names made from them, registry
// values and key names.
//
// The library is built without C++ exceptions, so running out of memory is
// a state, not a throw: the text becomes empty and failed, later changes are
// ignored, and the caller checks ok() once when it is done.  The text always
// ends in a zero, also when it holds zeros of its own (registry data).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace rz {

class Text {
public:
    Text() = default;
    ~Text() { std::free(data_); }
    Text(Text &&other) noexcept { Swap(other); }
    Text &operator=(Text &&other) noexcept {
        Swap(other);
        return *this;
    }
    Text(const Text &) = delete;
    Text &operator=(const Text &) = delete;

    bool ok() const { return !failed_; }
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    const char *c_str() const { return data_ ? data_ : ""; }
    // Room for size() characters to be written, e.g. by a system call; null
    // while the text is empty.
    char *data() { return data_; }

    // Makes the text `length` characters long: what fits stays, the rest is
    // zeros.  False when memory ran out.
    bool Resize(size_t length) {
        if (!Reserve(length))
            return false;
        if (length > size_)
            memset(data_ + size_, 0, length - size_);
        size_ = length;
        if (data_)
            data_[size_] = '\0';
        return true;
    }

    Text &Append(const char *text, size_t length) {
        if (Reserve(size_ + length)) {
            memcpy(data_ + size_, text, length);
            size_ += length;
            data_[size_] = '\0';
        }
        return *this;
    }
    Text &Append(const char *text) { return Append(text, strlen(text)); }
    Text &Append(char c) { return Append(&c, 1); }

private:
    // Room for `length` characters and the zero.  A text grows into a new
    // block from malloc, which is all an allocation failure needs to hit.
    bool Reserve(size_t length) {
        if (failed_)
            return false;
        if (length <= capacity_)
            return true;
        size_t capacity = capacity_ * 2 > length ? capacity_ * 2 : length;
        if (capacity < kLeastCapacity)
            capacity = kLeastCapacity;
        char *grown = length < kMostCapacity ? static_cast<char *>(std::malloc(capacity + 1)) : nullptr;
        if (!grown) {
            Fail();
            return false;
        }
        memcpy(grown, c_str(), size_ + 1);
        std::free(data_);
        data_ = grown;
        capacity_ = capacity;
        return true;
    }

    void Fail() {
        std::free(data_);
        data_ = nullptr;
        size_ = capacity_ = 0;
        failed_ = true;
    }

    void Swap(Text &other) {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        std::swap(failed_, other.failed_);
    }

    static constexpr size_t kLeastCapacity = 63;            // a short name fits at once
    static constexpr size_t kMostCapacity = size_t(-1) / 4;  // far beyond any text here

    char *data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;  // characters that fit before the zero
    bool failed_ = false;
};

}  // namespace rz
