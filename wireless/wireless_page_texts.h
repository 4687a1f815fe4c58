// Texts of the wireless parameter page that read the same in both
// languages and are not shared with other windows.
#pragma once

#include "shell/ui_text.h"

extern const UiText kTxtApnLabel;              // network row label "APN"
extern const UiTextList<2> kListMmsType;       // "APN", "CSD"
extern const UiTextList<2> kListModule4G;      // "WIFI", "4G"
extern const UiTextList<2> kListModule5G;      // "WIFI", "5G"
