// The plate's and clip's record behind the Static class's own window extra
// bytes, and the frame and text choices their style bits make.
#pragma once

#include "frame/slots.h"
#include "rezore32.h"

namespace rz {

namespace plate {

// Offset of the one own slot from the Static class's byte count: the HFONT
// from WM_SETFONT, 0 for the DC's own font.
constexpr int kFontOffset = 0;
constexpr int kOwnExtraBytes = EndOf(LongSlot{kFontOffset});

// The plate and the clip use the same bit for the same choice.
static_assert(PLATES_SUNKEN == CLIPS_ETCHED && PLATES_SUNKENDEEP == CLIPS_ETCHEDWIDE &&
                  PLATES_RAISEDDEEP == CLIPS_BUMPWIDE && PLATES_RIGHT == CLIPS_RIGHT &&
                  PLATES_CENTER == CLIPS_CENTER && PLATES_FLAT == CLIPS_FLAT,
              "plate and clip style bits coincide");

enum class Kind { kPlate, kClip };

// The frame a style asks for: whether its outer top and left lines are the
// highlight (raised), and its width on each side.
struct Frame {
    bool raised;
    int width;
};

// The first frame bit set decides; none gives a raised one-pixel frame.
inline Frame FrameFor(LONG style, Kind kind) {
    struct Choice {
        LONG bit;
        bool raised;
        int plateWidth, clipWidth;
    };
    static constexpr Choice kChoices[] = {
        {PLATES_SUNKEN, false, 1, 1},
        {PLATES_SUNKENDEEP, false, 2, 3},
        {PLATES_RAISEDDEEP, true, 2, 3},
    };
    for (const Choice &c : kChoices)
        if (style & c.bit)
            return {c.raised, kind == Kind::kPlate ? c.plateWidth : c.clipWidth};
    return {true, 1};
}

// One line at the top; centring wins over right alignment.
inline UINT TextFormat(LONG style) {
    if (style & PLATES_CENTER)
        return DT_SINGLELINE | DT_CENTER;
    if (style & PLATES_RIGHT)
        return DT_SINGLELINE | DT_RIGHT;
    return DT_SINGLELINE | DT_LEFT;
}

}  // namespace plate

constexpr int kPlateOwnExtraBytes = plate::kOwnExtraBytes;
static_assert(kPlateOwnExtraBytes == 4, "the plate and clip add 4 bytes to the Static class's");

}  // namespace rz
