#include "shell/save_folder.h"

#include <optional>
#include <string>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"

bool BrowseForSaveFolder(platform::Dialog& dlg) {
  if (!platform::HasServices()) return false;
  const std::optional<std::string> folder = platform::GetServices().PickFolder();
  if (!folder || folder->empty()) return false;  // cancelled
  if (folder->size() >= sizeof SaveFolder) {
    Diag("Folder path too long (%d bytes), save folder unchanged\n", static_cast<int>(folder->size()));
    dlg.MessageBox(UiStr(kMsgFolderPathTooLong), UiStr(kTxtWarning), platform::MsgIcon::Warning);
    return false;
  }
  CopyTextField(SaveFolder, *folder);
  return true;
}
