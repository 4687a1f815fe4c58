// What a window says when Generate or Default could not put its file in
// the save folder: a warning that names the file and tells why, in the
// window's language, made from the outcome of the save and its read-back.
#pragma once

#include <string>
#include <string_view>

#include "records/record_outcome.h"

namespace platform {
class Dialog;
}

enum class SaveFailure {
  WriteProtected,  // the card, folder or file refuses writing (EROFS, EACCES, EPERM)
  CardFull,        // no room left (ENOSPC, EDQUOT)
  FolderNotFound,  // the folder has gone or is no folder (ENOENT, ENOTDIR)
  PathTooLong,     // the file's path is longer than the system opens (ENAMETOOLONG)
  ReadBackDiffers, // written, but the file read back is not the file written
  SystemError,     // any other refusal of the system, told in its own words
};

// The reason of a failed outcome (one that is not a success).
SaveFailure SaveFailureOf(const RecordOutcome& outcome);

// The warning's first line in the current UiLanguage: `file_name` could not
// be written. The reason follows it on a line of its own.
std::string SaveFailureHeadline(std::string_view file_name);

// The warning's text in the current UiLanguage for the file `file_name`.
std::string SaveFailureMessage(std::string_view file_name, const RecordOutcome& outcome);

// Shows that text over the window, caption "Warning", warning icon.
void ShowSaveFailure(platform::Dialog& dlg, std::string_view file_name, const RecordOutcome& outcome);
