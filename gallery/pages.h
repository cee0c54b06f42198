// What the gallery's pages share with its main window.
#pragma once

#include <windows.h>

#include <string>

// Saves the window as it is on the screen, frame and caption included.
bool Screenshot(HWND hwnd, const std::string &path);

// Dispatches the thread's messages for about `ms` milliseconds.
void Pump(DWORD ms);

// Shows the dialog template `id` as a modeless page over `owner`.
HWND OpenPage(HWND owner, int id, DLGPROC proc);

// FILE.png -> FILE-suffix.png
std::string ShotName(const std::string &path, const char *suffix);

// The page of the check controls, plates and clips, modeless over `owner`.
HWND OpenBasic2Page(HWND owner);
// The page of the text, meter and indicator controls, modeless over `owner`.
HWND OpenBasic1Page(HWND owner);
