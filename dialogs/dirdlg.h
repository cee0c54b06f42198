// The directory selection dialogs: the system's old-style file dialog with
// its file-name part hidden and a dummy file name, and the hooks' memory.
#pragma once

#include <windows.h>

#include "dialogs/paths.h"

namespace rz {

// The hidden file name that lets the system dialog accept OK.
constexpr char kDummyFileName[] = "$$$$$$$$.$$$";

// The local block of a hook, allocated at WM_INITDIALOG and released when
// its dialog is destroyed.  The edit dialog's block adds the path being
// built while directories are created.
struct SelDirBlock {
    char recorded[paths::kBuffer];  // text of the directory-list entry at the last snapshot
    char text[paths::kBuffer];      // text read at a double click, or the typed path
};
struct SelEditDirBlock : SelDirBlock {
    char built[paths::kBuffer];
};
static_assert(sizeof(SelDirBlock) == 2050 && sizeof(SelEditDirBlock) == 3075, "the hooks' block sizes");

// One set per kind of dialog: one dialog of each kind is open at a time.
struct SelDirState {
    HLOCAL block;  // NULL when none could be had
    HWND dialog;   // the dialog the block belongs to
    LONG index;    // recorded selection of the directory list, -1 none
    LONG count;    // recorded item count, -1 none
};

}  // namespace rz
