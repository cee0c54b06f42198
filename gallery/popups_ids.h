// Identifiers of the gallery's pop-up page, shared by its script and code.
#pragma once

#define IDD_POPUPS 500

#define IDC_POPUP_INFORM 201
#define IDC_POPUP_TIP    202
#define IDC_POPUP_VIEW   203
#define IDC_POPUP_TENKEY 204
#define IDC_POPUP_KEYS   205

#define IDS_INFORM_CAPTION 210
#define IDS_INFORM_LINE1   211
#define IDS_INFORM_LINE2   212
#define IDS_TIP_TEXT       213
#define IDS_VIEW_TEXT      214
