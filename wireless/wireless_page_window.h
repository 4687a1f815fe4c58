// The window behind the wireless parameter page (the page's own header
// for its two source files; other windows use wireless_page.h).
#pragma once

#include "platform/window.h"
#include "shell/ui_text.h"
#include "wireless/wireless_page.h"

class WirelessPage : public platform::Window {
 public:
  int TemplateId() const override { return kWirelessPageTemplate; }
  void OnInit(platform::Dialog& dlg) override;
  void OnCommand(platform::Dialog& dlg, int id, platform::Notify what) override;
  void OnClose(platform::Dialog& dlg) override;

 private:
  // Opening steps that take more than a line.
  void LoadOrRestoreRecord(platform::Dialog& dlg);
  void ClampStoredChoices(platform::Dialog& dlg);
  void FillEditsFromRecord(platform::Dialog& dlg);

  // List and field reactions.
  void OnSendByChosen(platform::Dialog& dlg);
  void OnSourceChosen(platform::Dialog& dlg);
  void OnCountryChosen(platform::Dialog& dlg);
  void OnOperatorChanged(platform::Dialog& dlg);
  void OnModuleChanged(platform::Dialog& dlg);
  void OnDirTypeChanged(platform::Dialog& dlg);
  void OnEditChange(platform::Dialog& dlg, int id);
  void OnGpsBoxClicked(platform::Dialog& dlg);

  // Leaving the page.
  void OnNextPage(platform::Dialog& dlg);
  void ReadBackControls(platform::Dialog& dlg, bool& sender_check);
  bool CheckEntries(platform::Dialog& dlg, bool sender_check);
  // Shows a warning; false, so that a failed check can return it.
  bool Warn(platform::Dialog& dlg, const UiText& text);
};
