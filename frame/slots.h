// Typed access to the fixed byte indices of a window's extra bytes, where
// every control keeps its record.
#pragma once

#include <windows.h>

namespace rz {

// A 32-bit slot at a fixed byte index.
struct LongSlot {
    int index;
};

// First byte after a slot: the record's registered size is the end of its
// last slot, so a slot added later grows the size with it.
constexpr int EndOf(LongSlot slot) { return slot.index + static_cast<int>(sizeof(LONG)); }

inline LONG GetSlot(HWND hwnd, LongSlot slot) { return GetWindowLongA(hwnd, slot.index); }
inline void SetSlot(HWND hwnd, LongSlot slot, LONG value) { SetWindowLongA(hwnd, slot.index, value); }

// A 16-bit slot at a fixed byte index.
struct WordSlot {
    int index;
};

constexpr int EndOf(WordSlot slot) { return slot.index + static_cast<int>(sizeof(WORD)); }

inline WORD GetSlot(HWND hwnd, WordSlot slot) { return GetWindowWord(hwnd, slot.index); }
inline void SetSlot(HWND hwnd, WordSlot slot, WORD value) { SetWindowWord(hwnd, slot.index, value); }

// USER and GDI handles are significant in 32 bits even on Win64: a handle
// slot keeps the handle truncated and gives it back sign-extended.
template <class Handle>
Handle GetHandleSlot(HWND hwnd, LongSlot slot) {
    return reinterpret_cast<Handle>(static_cast<LONG_PTR>(GetSlot(hwnd, slot)));
}

template <class Handle>
void SetHandleSlot(HWND hwnd, LongSlot slot, Handle handle) {
    SetSlot(hwnd, slot, static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle)));
}

// Deletes the GDI object a handle slot owns, if any, and clears the slot.
inline void DeleteObjectSlot(HWND hwnd, LongSlot slot) {
    if (HGDIOBJ object = GetHandleSlot<HGDIOBJ>(hwnd, slot))
        DeleteObject(object);
    SetHandleSlot<HGDIOBJ>(hwnd, slot, nullptr);
}

}  // namespace rz
