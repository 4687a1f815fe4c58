// The Browse buttons of the camera setup window and the send settings page.
#pragma once

#include "platform/services.h"

enum class FolderChoice {
  Cancelled,  // no folder chosen
  Taken,      // SaveFolder now names the chosen folder
  TooLong,    // the chosen folder's path does not fit SaveFolder: unchanged
};

// Asks the user for the folder both files are written to. A chosen folder
// replaces SaveFolder only when its path fits SaveFolder whole: a shortened
// path would name another folder.
FolderChoice ChooseSaveFolder();

// The texts of a folder chooser the host draws itself, in UiLanguage.
platform::FolderChooserTexts FolderChooserTextsNow();
