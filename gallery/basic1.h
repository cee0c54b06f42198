// Identifiers of the gallery page of the text, meter and indicator controls,
// shared by the resource script and the code.
#pragma once

#define IDD_BASIC1      200
#define IDC_OPEN_BASIC1 201

#define IDC_TEXT_PARENT 211
#define IDC_METER_MOVING 221
#define IDC_METER_LARGE  222
#define IDC_IND_MOVING   231
#define IDC_IND_CENTRED  232
#define IDC_IND_FIXED    233
