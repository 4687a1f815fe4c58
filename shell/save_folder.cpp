#include "shell/save_folder.h"

#include <optional>
#include <string>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"

FolderChoice ChooseSaveFolder() {
  if (!platform::HasServices()) return FolderChoice::Cancelled;
  const std::optional<std::string> folder = platform::GetServices().PickFolder(ReadTextField(App().SaveFolder));
  if (!folder || folder->empty()) return FolderChoice::Cancelled;
  if (folder->size() >= sizeof App().SaveFolder) {
    Diag("Folder path too long (%d bytes), save folder unchanged\n", static_cast<int>(folder->size()));
    return FolderChoice::TooLong;
  }
  CopyTextField(App().SaveFolder, *folder);
  return FolderChoice::Taken;
}

platform::FolderChooserTexts FolderChooserTextsNow() {
  return platform::FolderChooserTexts{
      UiStr(kTxtChooseFolder), UiStr(kTxtFolderField), UiStr(kTxtOk),          UiStr(kTxtCancel),
      UiStr(kTxtNewFolder),    UiStr(kTxtNewFolderName), UiStr(kTxtShowHiddenFolders),
  };
}
