// Texts of the browser page itself (beside the windows), in both
// languages like every interface text.
#pragma once

#include "shell/ui_text.h"

namespace platform::web {

// The start panel, when the browser can write into a folder the user picks.
extern const UiText kTxtStartPromptFolder;
extern const UiText kTxtStartOpenFolder;
// The start panel, when it can only read chosen files and download new ones.
extern const UiText kTxtStartPromptFiles;
extern const UiText kTxtStartOpenFiles;
extern const UiText kTxtStartWithout;
// The page's line on how files are read and written in this browser.
extern const UiText kTxtNoteFolder;
extern const UiText kTxtNoteDownload;
// After the main window has closed.
extern const UiText kTxtEnded;
extern const UiText kTxtStartAgain;

}  // namespace platform::web
