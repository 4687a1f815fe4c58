#include "shell/save_failure.h"

#include <cerrno>

#include "platform/dialog.h"
#include "records/record_file.h"
#include "shell/ui_strings.h"

namespace {

struct ErrnoReason {
  int error_number;
  SaveFailure reason;
};

// errno values by what they mean for a save; on Windows the record files
// report the system's errors as these values too.
constexpr ErrnoReason kErrnoReasons[] = {
    {EROFS, SaveFailure::WriteProtected},      {EACCES, SaveFailure::WriteProtected},
    {EPERM, SaveFailure::WriteProtected},      {ENOSPC, SaveFailure::CardFull},
#ifdef EDQUOT
    {EDQUOT, SaveFailure::CardFull},
#endif
    {ENOENT, SaveFailure::FolderNotFound},     {ENOTDIR, SaveFailure::FolderNotFound},
    {ENAMETOOLONG, SaveFailure::PathTooLong},
};

const UiText& ReasonText(SaveFailure reason) {
  switch (reason) {
    case SaveFailure::WriteProtected: return kMsgWriteProtected;
    case SaveFailure::CardFull: return kMsgCardFull;
    case SaveFailure::FolderNotFound: return kMsgFolderNotFound;
    case SaveFailure::PathTooLong: return kMsgFilePathTooLong;
    case SaveFailure::ReadBackDiffers: return kMsgReadBackDiffers;
    case SaveFailure::SystemError: break;
  }
  return kMsgSystemError;
}

// The text with its one "%s" replaced by value (the text is no format:
// what the value holds is shown as it is).
std::string WithValue(std::string_view text, std::string_view value) {
  std::string out(text);
  if (const std::size_t at = out.find("%s"); at != std::string::npos) out.replace(at, 2, value);
  return out;
}

}  // namespace

SaveFailure SaveFailureOf(const RecordOutcome& outcome) {
  if (outcome.fault != RecordFault::SystemError) return SaveFailure::ReadBackDiffers;
  for (const ErrnoReason& r : kErrnoReasons)
    if (r.error_number == outcome.error_number) return r.reason;
  return SaveFailure::SystemError;
}

std::string SaveFailureHeadline(std::string_view file_name) { return WithValue(UiStr(kMsgFileNotWritten), file_name); }

std::string SaveFailureMessage(std::string_view file_name, const RecordOutcome& outcome) {
  const SaveFailure reason = SaveFailureOf(outcome);
  std::string why = UiStr(ReasonText(reason));
  if (reason == SaveFailure::SystemError) why = WithValue(why, SystemErrorText(outcome));
  return SaveFailureHeadline(file_name) + "\r\n" + why;
}

void ShowSaveFailure(platform::Dialog& dlg, std::string_view file_name, const RecordOutcome& outcome) {
  dlg.MessageBox(SaveFailureMessage(file_name, outcome), UiStr(kTxtWarning), platform::MsgIcon::Warning);
}
