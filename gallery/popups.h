// The gallery's pop-up page: a small window with a button for each of the
// library's pop-ups (message window, tool tip, viewer, ten-key pad).
#pragma once

#include <windows.h>

#include <string>

// Saves a window as it shows on the screen, frame included (gallery.cpp).
bool Screenshot(HWND hwnd, const std::string &path);

// Opens the pop-up page over the gallery.
HWND OpenPopupPage(HWND gallery);

// Opens each pop-up from the page in turn, saves it as PATH-<name>.png
// (inform, tip, popview, tenkey) and closes it again; true when all saved.
bool ShootPopups(HWND gallery, const std::string &path);
