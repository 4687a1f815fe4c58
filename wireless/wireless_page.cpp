// The wireless parameter page: opening and the reactions of its lists,
// fields and check boxes. Leaving the page is in wireless_page_leave.cpp.
#include <cstring>
#include <string>

#include "platform/dialog.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/checks.h"
#include "shell/ui_strings.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page_window.h"
#include "wireless/wireless_state.h"

using namespace wp_ids;
using platform::Notify;

namespace {

constexpr int kIconId = 103;
constexpr int kModuleListNarrowing = 20;  // pixels
constexpr int kModuleListDrop = 2;        // pixels

bool HasGpsMailEntries() {
  const GpsMail& gps = App().g_sSendSetTarn.sGpsMail;
  return !ReadTextField(gps.szGpsServer).empty() || !ReadTextField(gps.szGpsAddr).empty() ||
         !ReadTextField(gps.szGpsSmtpAccount).empty() ||
         !ReadTextField(gps.szGpsSmtpPassword).empty() || gps.iPort > 0;
}

void EmptyEdits(platform::Dialog& dlg, std::initializer_list<int> ids) {
  for (int id : ids) dlg.SetText(id, "");
}

}  // namespace

std::unique_ptr<platform::Window> MakeWirelessPage() { return std::make_unique<WirelessPage>(); }

// ---------------------------------------------------------------------------
// Opening

void WirelessPage::OnInit(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;

  dlg.SetIcon(kIconId);
  dlg.ListReset(kMmsType);
  AddUiList(dlg, kMmsType, kListMmsType);
  dlg.ListSelect(kMmsType, 0);
  dlg.Enable(kMmsType, false);

  for (int id : {kSenderUserLabel, kSenderServer, kSenderPort, kSenderAddr, kSenderUser,
                 kSenderPassword})
    dlg.Enable(id, false);
  dlg.Show(kLanguage, false);

  if (IsModuleChoiceModel()) {
    platform::Rect r = dlg.ControlRect(kSendBy);
    r.w -= kModuleListNarrowing;
    r.y += kModuleListDrop;
    dlg.MoveControl(kSendBy, r);
    dlg.Show(kModule, true);
    dlg.Show(kModuleLabel, true);
  }

  dlg.SetText(kVersion, UiStr(kTxtVersionNumber));
  dlg.Show(kVersion, false);
  // Each limit keeps typed text within its record field; the shared box
  // takes the limits of its presentation (SetFtpBoxPresentation).
  const auto controls = wctl::ControlsOf(wctl::Window::Page);
  wctl::SetLimits(dlg, controls);
  for (const wctl::Control* c : controls)
    if (c->masked) dlg.SetMasked(c->id, true);

  LoadOrRestoreRecord(dlg);

  if (IsGpsMailboxModel()) {
    dlg.Enable(kGpsMailbox, true);
    dlg.Show(kGpsMailbox, true);
    dlg.SetChecked(kGpsMailbox, HasGpsMailEntries());
  } else {
    dlg.Enable(kGpsMailbox, false);
    dlg.Show(kGpsMailbox, false);
  }

  // The factory-test mode is never offered: its switch stays off. Its
  // server address and port pass through as loaded.
  dlg.Enable(kFactoryTest, false);
  dlg.Show(kFactoryTest, false);
  dlg.SetChecked(kFactoryTest, false);
  dlg.Show(kFactoryPortLabel, false);
  rec.DebugFlag = 0;

  if (IsWifiGroupModel()) {
    rec.byOperatorCountry = kManualCountry;
    rec.byRemoteSwitch = 0;
    rec.byRemoteInterval = kRemoteOff;
  }

  SetWirelessPageTexts(dlg);
  ClampStoredChoices(dlg);

  ApplySendByMode(dlg);
  dlg.ListSelect(kOperator, rec.byOperator);
  dlg.ListSelect(kFtpDirType, rec.sFtpSet.iFtpDirType);

  if (IsModuleChoiceModel() && App().MdmSendVia == 0) {
    dlg.Enable(kSource, false);
    dlg.Show(kSource, false);
    GreyOperatorLabels(dlg);
    SetWifiNetworkRow(dlg, true);
  }

  FillEditsFromRecord(dlg);
  App().ChosenSendBy = rec.bySendBy;
}

void WirelessPage::LoadOrRestoreRecord(platform::Dialog& dlg) {
  if (App().WirelessPageFirstOpen) {
    App().WirelessPageFirstOpen = false;
    if (!LoadSendSet(0)) {
      ApplySendSetDefaults();
      if (IsGpsMailboxModel()) std::memset(&App().g_sSendSetTarn.sGpsMail, 0, sizeof(GpsMail));
      dlg.Enable(kFtpDir, false);
    }
    // The cloud box is the one shown unless the record sends by FTP; a
    // model without FTP shows its cloud box for a stored FTP mode too.
    if (App().g_sSendSet.bySendBy == kSendFtp)
      App().s_eFtpEditUse = Has(CurrentTraits().ftp) ? 0 : 1;
    else
      App().s_eFtpEditUse = 1;
  } else {
    App().SendSetSnapshot.StructFlag = ExpectedStructFlag();
    App().g_sSendSet = App().SendSetSnapshot;
  }
}

void WirelessPage::ClampStoredChoices(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;
  if (rec.byOperatorCountry > kManualCountry) rec.byOperatorCountry = 0;
  if (rec.byOperator > 9) rec.byOperator = 0;
  // An operator beyond those its country offers is no preset at all.
  if (rec.byOperatorCountry < kManualCountry &&
      rec.byOperator >= OfferedOperatorCount(rec.byOperatorCountry, GetModelCode()))
    rec.byOperator = 0;
  Diag("#\t bySendBy=%d, byOperatorCountry=%d \t#\n", rec.bySendBy, rec.byOperatorCountry);

  // MMS is never offered; nor is FTP on the model without it (that model
  // shows its cloud box for a stored FTP mode). A mode this program does
  // not know opens as e-mail, the mode of a new record.
  if (rec.bySendBy == kSendMms) rec.bySendBy = kSendEmail;
  if (SendByModeToListIndex(rec.bySendBy) < 0)
    rec.bySendBy = rec.bySendBy == kSendFtp ? kSendCloud : kSendEmail;
  dlg.ListSelect(kSendBy, SendByModeToListIndex(rec.bySendBy));
}

void WirelessPage::FillEditsFromRecord(platform::Dialog& dlg) {
  const SendSet& rec = App().g_sSendSet;
  if (rec.bySendBy != kSendEmail && rec.byRemoteSwitch != 1) return;
  ShowNetworkFields(dlg);
  ShowFields(dlg, wctl::Group::Sender);
}

// ---------------------------------------------------------------------------
// Reactions

void WirelessPage::OnCommand(platform::Dialog& dlg, int id, Notify what) {
  switch (what) {
    case Notify::SelEndOk:
      if (id == kSendBy) OnSendByChosen(dlg);
      if (id == kSource) OnSourceChosen(dlg);
      if (id == kCountry) OnCountryChosen(dlg);
      break;
    case Notify::SelChange:
      if (id == kOperator) OnOperatorChanged(dlg);
      if (id == kModule) OnModuleChanged(dlg);
      if (id == kFtpDirType) OnDirTypeChanged(dlg);
      break;
    case Notify::EditChange:
      OnEditChange(dlg, id);
      break;
    case Notify::Clicked:
      if (id == kGpsMailbox) OnGpsBoxClicked(dlg);
      if (id == kNextPage) OnNextPage(dlg);
      // Enter and Esc do nothing: the page has no default or cancel button.
      break;
    case Notify::KillFocus:
      break;
  }
}

void WirelessPage::OnSendByChosen(platform::Dialog& dlg) {
  const uint8_t mode = SendByListIndexToMode(dlg.ListSelection(kSendBy));
  if (mode == 0xFF) return;
  SendSet& rec = App().g_sSendSet;
  rec.bySendBy = mode;
  App().ChosenSendBy = mode;

  if (mode != kSendCloud) {
    Diag("DebugFlag = %d\n", rec.DebugFlag);
    rec.DebugFlag = 0;
    dlg.SetChecked(kFactoryTest, false);
    dlg.Enable(kFactoryTest, false);
    dlg.Show(kFactoryPortLabel, false);
    if (mode == kSendFtp) {
      dlg.SetText(kFtpDirFrame, UiStr(kTxtFtpUploadDir));
      dlg.SetText(kFtpPasswordLabel, UiStr(kTxtPassword));
    } else {
      for (int id : {kFtpPassword, kFtpDirFrame, kFtpDir}) dlg.Show(id, false);
    }
    dlg.SetLimit(kFtpDir, 32);
  }
  dlg.SetMasked(kFtpPassword, true);

  // Edits the new mode does not use are emptied on screen; the record keeps
  // its values until Next Page reads the controls.
  switch (mode) {
    case kSendEmail:
      EmptyMmsEdits(dlg);
      break;
    case kSendFtp:
    case kSendCloud:
      EmptyEdits(dlg, {kBox1, kBox2, kBox3, kFtpPassword, kFtpDir});
      App().s_eFtpEditUse = mode == kSendFtp ? 0 : 1;
      SetFtpBoxPresentation(dlg);
      break;
    default:
      EmptyMmsEdits(dlg);
      EmptyEdits(dlg, {kNetApn, kNetAccount, kNetPassword});
      if (rec.byRemoteSwitch != 1)
        EmptyEdits(dlg, {kSenderServer, kSenderPort, kSenderAddr, kSenderUser, kSenderPassword});
      break;
  }
  ApplySendByMode(dlg);
}

void WirelessPage::OnSourceChosen(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;
  const int sel = dlg.ListSelection(kSource);
  if (sel == 1 && rec.byOperatorCountry < kManualCountry) {
    // From a preset to hand-typed values: start from empty fields.
    rec.byOperatorCountry = kManualCountry;
    ApplySendByMode(dlg);
    std::memset(&rec.sMmsSet, 0, sizeof rec.sMmsSet);
    EmptyMmsEdits(dlg);
    SmtpSet& smtp = rec.sSmtpSet;
    CopyTextField(smtp.szWLNetApN, "");
    CopyTextField(smtp.szWLNetAccount, "");
    CopyTextField(smtp.szWLNetPassword, "");
    EmptyEdits(dlg, {kNetApn, kNetAccount, kNetPassword});
  } else if (sel == 0 && rec.byOperatorCountry == kManualCountry) {
    // Back to presets: the first operator of the first country.
    SetOperatorCountryListRebuild(true);
    rec.byOperatorCountry = 0;
    rec.byOperator = 0;
    ApplyMmsPreset(dlg);
    ApplyApnPreset(dlg);
    ShowMmsFields(dlg);
    ApplySendByMode(dlg);
  }
}

void WirelessPage::OnCountryChosen(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;
  const int sel = dlg.ListSelection(kCountry);
  if (sel < 0 || sel == rec.byOperatorCountry) return;
  rec.byOperatorCountry = static_cast<uint8_t>(sel);
  rec.byOperator = 0;
  ApplySendByMode(dlg);
  ApplyMmsPreset(dlg);
  ApplyApnPreset(dlg);
}

void WirelessPage::OnOperatorChanged(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;
  const int sel = dlg.ListSelection(kOperator);
  if (sel < 0 || sel == rec.byOperator) return;
  rec.byOperator = static_cast<uint8_t>(sel);
  ApplyMmsPreset(dlg);
  ApplyApnPreset(dlg);
  // FTP and cloud read the network edits back at Next Page: they must show
  // the new operator's values, not the previous one's.
  if (rec.bySendBy == kSendFtp || rec.bySendBy == kSendCloud) ShowNetworkFields(dlg);
}

void WirelessPage::OnModuleChanged(platform::Dialog& dlg) {
  const int sel = dlg.ListSelection(kModule);
  if (sel < 0) return;
  SendSet& rec = App().g_sSendSet;
  App().MdmSendVia = static_cast<uint16_t>(sel);
  rec.StructFlag = App().MdmSendVia;
  // Either module starts from hand-typed, empty network values.
  rec.byOperatorCountry = kManualCountry;
  ApplySendByMode(dlg);
  std::memset(&rec.sMmsSet, 0, sizeof rec.sMmsSet);
  ShowMmsFields(dlg);
  SmtpSet& smtp = rec.sSmtpSet;
  CopyTextField(smtp.szWLNetApN, "");
  CopyTextField(smtp.szWLNetAccount, "");
  CopyTextField(smtp.szWLNetPassword, "");
  EmptyEdits(dlg, {kNetApn, kNetAccount, kNetPassword});
  if (sel == 1) {
    dlg.Enable(kSource, true);
    dlg.Show(kSource, true);
    dlg.Enable(kNetApnLabel, true);
    SetWifiNetworkRow(dlg, false);
  } else {
    dlg.Enable(kSource, false);
    dlg.Show(kSource, false);
    SetWifiNetworkRow(dlg, true);
  }
  GreyOperatorLabels(dlg);
}

void WirelessPage::OnDirTypeChanged(platform::Dialog& dlg) {
  const int sel = dlg.ListSelection(kFtpDirType);
  if (sel < 0) return;
  FtpSet& ftp = App().g_sSendSet.sFtpSet;
  ftp.iFtpDirType = sel;
  if (sel == 0) CopyTextField(ftp.szFtpDir, "/");
  dlg.Enable(kFtpDir, sel != 0);
  ShowField(dlg, kFtpDir, ftp.szFtpDir);
}

void WirelessPage::OnEditChange(platform::Dialog& dlg, int id) {
  wctl::FilterEdit(dlg, wctl::Window::Page, id, App().s_eFtpEditUse == 0 ? wctl::Box::Ftp : wctl::Box::Cloud);
  // The sender account is always the sender address.
  if (id == kSenderAddr) dlg.SetText(kSenderUser, dlg.Text(kSenderAddr));
}

void WirelessPage::OnGpsBoxClicked(platform::Dialog& dlg) {
  if (App().GpsWindowOpen) {
    // The window is already open over the page: the click changes nothing.
    dlg.SetChecked(kGpsMailbox, !dlg.IsChecked(kGpsMailbox));
    return;
  }
  if (dlg.IsChecked(kGpsMailbox)) ShowGpsMailboxWindow();
}
