// The gallery's folder page: three tabbed folders whose pages show and hide
// the controls laid over them.
#pragma once

#include <windows.h>

// Opens the page as a modeless window over `owner`; it closes itself.
HWND OpenFolderPage(HWND owner);
