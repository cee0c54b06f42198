// The text a pop-up shows: the pop-ups read their window text back into a
// 256-byte buffer when they paint, so they are measured and given only what
// that buffer holds, cut before a double-byte character rather than through it.
#pragma once

#include <mbctype.h>

#include <cstring>

namespace rz {

class PopupText {
public:
    static constexpr size_t kMax = 255;  // bytes shown, without the zero

    explicit PopupText(const char *text) {
        size_t n = 0;
        if (text)
            while (text[n] && n < kMax) {
                const size_t step = _ismbblead(static_cast<unsigned char>(text[n])) && text[n + 1] ? 2 : 1;
                if (n + step > kMax)
                    break;
                n += step;
            }
        if (n)
            memcpy(text_, text, n);
        text_[n] = '\0';
    }
    const char *c_str() const { return text_; }

private:
    char text_[kMax + 1];
};

}  // namespace rz
