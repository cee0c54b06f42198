/* An application of the packaged library: loads the DLL through an export,
 * makes a spin of the DLL's class and reads back the position it was given. */
#include <windows.h>
#include <stdio.h>

#include "rezore32.h"

int main(void) {
    const int platform = GetOSPlatform();
    HWND spin = CreateWindowExA(0, REZORE32_SPINCLASS, "", WS_POPUP, 0, 0, 20, 40, NULL, NULL, NULL, NULL);
    LRESULT position = -1;
    if (spin) {
        SendMessageA(spin, SPIN_SETRANGE, 7, MAKELONG(0, 10));
        position = SendMessageA(spin, SPIN_GETPOS, 0, 0);
        DestroyWindow(spin);
    }
    printf("client: platform %d, spin position %ld\n", platform, (long)position);
    return platform > 0 && position == 7 ? 0 : 1;
}
