// Identifiers shared by the gallery's resource script and code.
#pragma once

#define IDD_GALLERY 100

#define IDC_SPIN_VERT   101
#define IDC_SPIN_HORZ   102
#define IDC_SPIN_NOWRAP 103
#define IDC_VALUE_VERT   111
#define IDC_VALUE_HORZ   112
#define IDC_VALUE_NOWRAP 113
#define IDC_ICON_EMBLEM  121
#define IDC_ICON_GIVEN   122
#define IDC_SWATCH_DOTS   131
#define IDC_SWATCH_WEAVE  132
#define IDC_SWATCH_BLOCKS 133
#define IDC_FRAME_RAISED  141
#define IDC_FRAME_SUNKEN  142
#define IDC_CALENDAR_JA   151
#define IDC_CALENDAR_EN   152
#define IDC_CHOSEN        153
#define IDC_JUMP          154

#define IDC_FOLDERS 160 /* opens the folder page */

#define IDD_FOLDERS       400
#define IDC_FOLDER_TOP    201
#define IDC_FOLDER_BOTTOM 202
#define IDC_FOLDER_MANY   203
/* Controls on the folders' pages: IDC_PAGE_BASE | folder << 8 | tab << 4 | n. */
#define IDC_PAGE_BASE     0x1000
#define IDC_POPUPS        155
#define IDC_OPENFILE      161
#define IDC_OPENFILE95    162
#define IDC_SELDIR        163
#define IDC_SELEDITDIR    164
#define IDC_DIALOG_ANSWER 165
