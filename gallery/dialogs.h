// The gallery's file and directory selection buttons.
#pragma once

#include <windows.h>

#include <string>

// The window as it is on the screen, frame and caption included (gallery.cpp).
bool Screenshot(HWND hwnd, const std::string &path);

// Runs the dialog of button `id` and shows its answer in the gallery;
// false for any other id.
bool RunSelectionDialog(HWND gallery, int id);

// Opens each dialog in turn from C:\windows, saves it as FILE-open.png,
// FILE-open95.png, FILE-dir.png and FILE-diredit.png beside FILE.png and
// cancels it; true when every picture was saved.
bool ShootSelectionDialogs(HWND gallery, const std::string &path);
