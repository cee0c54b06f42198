// Identifiers of the gallery page of the check controls, plates and clips,
// shared by the resource script and the code.
#pragma once

#define IDD_BASIC2      300
#define IDC_OPEN_BASIC2 301

#define IDC_CHECK_FIRST    311
#define IDC_CHECK_CHECKED  312
#define IDC_CHECK_DISABLED 313
#define IDC_MARK_FOLLOWS   321
#define IDC_MARK_CHECKED   322
#define IDC_MARK_DISABLED  323
