// The Browse buttons of the camera setup window and the send settings page.
#pragma once

#include "platform/dialog.h"

// Asks the user for the folder both files are written to. A chosen folder
// replaces SaveFolder only when its path fits SaveFolder whole: a shortened
// path would name another folder, so a longer one is refused with a warning
// and SaveFolder stays as it was. True when SaveFolder changed.
bool BrowseForSaveFolder(platform::Dialog& dlg);
