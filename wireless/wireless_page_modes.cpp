// The wireless parameter page's model groups, its send-by list, and the
// control state that follows from the send-by mode and the record.
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/services.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"
#include "wireless/operator_presets.h"
#include "wireless/wireless_controls.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

using namespace wp_ids;

// ---------------------------------------------------------------------------
// Model groups

bool IsWifiOnlyModel() { return ModelWirelessFunc(App().ModelFamily, App().ModelIndex) == kWirelessWifi; }

bool IsWifiGroupModel() { return Has(CurrentTraits().wifi_row); }

bool IsModuleChoiceModel() { return Has(CurrentTraits().send_module); }

bool IsGpsMailboxModel() { return Has(CurrentTraits().gps_mailbox); }

// ---------------------------------------------------------------------------
// Send-by list. Entries name a text of kListSendBy and the mode they select;
// "MMS" is never offered.

namespace {

constexpr SendByEntry kSendByWithoutFtp[] = {
    {0, kSendOff}, {2, kSendEmail}, {4, kSendCloud}};
constexpr SendByEntry kSendByAll[] = {
    {0, kSendOff}, {2, kSendEmail}, {3, kSendFtp}, {4, kSendCloud}};

}  // namespace

std::span<const SendByEntry> SendByEntries(uint16_t model_code) {
  return Has(TraitsOfCode(model_code).ftp) ? std::span<const SendByEntry>(kSendByAll) : kSendByWithoutFtp;
}

uint8_t SendByListIndexToMode(int index) {
  const auto entries = SendByEntries(GetModelCode());
  if (index < 0 || index >= static_cast<int>(entries.size())) return 0xFF;
  return entries[static_cast<std::size_t>(index)].mode;
}

int SendByModeToListIndex(uint8_t mode) {
  const auto entries = SendByEntries(GetModelCode());
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].mode == mode) return static_cast<int>(i);
  return -1;
}

// ---------------------------------------------------------------------------
// Edits and record fields

void ShowField(platform::Dialog& dlg, int id, const char* field, std::size_t width) {
  dlg.SetText(id, platform::GetServices().FromRecordText(ReadTextField(field, width)));
}

void ReadField(platform::Dialog& dlg, int id, char* field, std::size_t width) {
  CopyTextField(field, width, platform::GetServices().ToRecordText(dlg.Text(id)));
}

void ShowPort(platform::Dialog& dlg, int id, int32_t port) {
  dlg.SetText(id, port == 0 ? std::string() : std::to_string(port));
}

void ReadPort(platform::Dialog& dlg, int id, int32_t& port) {
  const std::string text = dlg.Text(id);
  if (text.empty()) return;
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  // The edits take digits only and at most eight of them, so this only
  // fails for text that does not start with a digit: the port stays.
  if (ec == std::errc() && end != text.data()) port = value;
}

namespace {

// The ids of the page's controls of a group, or of those in a box presentation.
std::vector<int> GroupIds(wctl::Group group, bool settings_only = false) {
  std::vector<int> ids;
  for (const wctl::Control* c : wctl::GroupControls(group))
    if (!settings_only || wctl::IsSetting(*c)) ids.push_back(c->id);
  return ids;
}

// The FTP rows of the shared box: the three edits it shares with the cloud,
// the password, the directory type and the directory.
std::vector<int> BoxIds() {
  std::vector<int> ids;
  for (const wctl::Control* c : wctl::ControlsOf(wctl::Window::Page))
    if (c->box == wctl::Box::Ftp) ids.push_back(c->id);
  return ids;
}

constexpr int kMmsLabels[] = {kMmsFrame,       kMmsUrlLabel,     kMmsGatewayLabel,
                              kMmsPortLabel,   kMmsAccountLabel, kMmsPasswordLabel};
constexpr int kGreyedLabels[] = {kOperatorFrame, kSendByLabel, kSourceLabel, kCountryLabel,
                                 kOperatorLabel, kBoxFrame,    kFtpDirFrame};

template <typename Ids>
void EnableAll(platform::Dialog& dlg, const Ids& ids, bool on) {
  for (int id : ids) dlg.Enable(id, on);
}
void MaskAll(platform::Dialog& dlg, const std::vector<int>& ids, bool on) {
  for (int id : ids) dlg.SetMasked(id, on);
}
// The edits of a group that the user types into (the sender account
// follows the address and stays as it is).
void EnableGroup(platform::Dialog& dlg, wctl::Group group, bool on) { EnableAll(dlg, GroupIds(group, true), on); }

// The page shows the WiFi row for the WiFi group, and for the module-choice
// models while their WiFi module is chosen.
bool UsesWifiRow() { return IsWifiGroupModel() || (IsModuleChoiceModel() && App().MdmSendVia == 0); }

// Shows or hides the FTP/cloud box. The password row and the upload
// directory belong to FTP only: they are shown in mode 3 with the FTP
// presentation and hidden otherwise, so the disabled box of the other
// modes shows no half of the FTP rows.
void ShowFtpBox(platform::Dialog& dlg, bool shown, bool edits_on, uint8_t mode) {
  constexpr int kCommon[] = {kBoxFrame, kBox1Label, kBox1, kBox2Label, kBox2, kBox3Label, kBox3};
  constexpr int kFtpOnly[] = {kFtpPassword, kFtpPasswordLabel, kFtpDirType, kFtpDir, kFtpDirFrame};
  for (int id : kCommon) dlg.Show(id, shown);
  const bool ftp_rows = shown && mode == kSendFtp && App().s_eFtpEditUse == 0;
  for (int id : kFtpOnly) dlg.Show(id, ftp_rows);
  EnableAll(dlg, BoxIds(), edits_on);
}

void FillFtpBox(platform::Dialog& dlg) {
  FtpSet& ftp = App().g_sSendSet.sFtpSet;
  if (ftp.iFtpDirType == 0) {
    CopyTextField(ftp.szFtpDir, "/");
    dlg.Enable(kFtpDir, false);
  } else {
    dlg.Enable(kFtpDir, true);
  }
  Diag("~~~SendBy=%d, DebugFlag=%d~~~\r\n", App().g_sSendSet.bySendBy, App().g_sSendSet.DebugFlag);
  if (App().g_sSendSet.bySendBy == kSendFtp) {
    ShowFields(dlg, wctl::Group::Ftp);
    dlg.SetMasked(kBox2, false);
  } else {
    ShowFields(dlg, wctl::Group::Cloud);
    dlg.Enable(kFtpDir, false);
    dlg.SetMasked(kBox2, true);
  }
}

// MMS edits: usable only with remote control and hand-typed values.
void ApplyMmsEdits(platform::Dialog& dlg, bool manual, bool remote) {
  if (remote) {
    EnableGroup(dlg, wctl::Group::Mms, manual);
    ShowMmsFields(dlg);
  } else {
    EnableGroup(dlg, wctl::Group::Mms, false);
  }
}

}  // namespace

void ShowFields(platform::Dialog& dlg, wctl::Group group) {
  for (const wctl::Control* c : wctl::GroupControls(group)) {
    if (c->store == wctl::Store::Port)
      ShowPort(dlg, c->id, wctl::PortIn(&App().g_sSendSet, *c));
    else
      ShowField(dlg, c->id, wctl::FieldIn(&App().g_sSendSet, *c), c->field->width);
  }
}

void ReadFields(platform::Dialog& dlg, wctl::Group group) {
  for (const wctl::Control* c : wctl::GroupControls(group)) {
    if (c->store == wctl::Store::Port)
      ReadPort(dlg, c->id, wctl::PortIn(&App().g_sSendSet, *c));
    else
      ReadField(dlg, c->id, wctl::FieldIn(&App().g_sSendSet, *c), c->field->width);
  }
}

void ShowMmsFields(platform::Dialog& dlg) { ShowFields(dlg, wctl::Group::Mms); }

void EmptyMmsEdits(platform::Dialog& dlg) {
  for (int id : GroupIds(wctl::Group::Mms)) dlg.SetText(id, "");
}

void ShowNetworkFields(platform::Dialog& dlg) { ShowFields(dlg, wctl::Group::Network); }

void GreyOperatorLabels(platform::Dialog& dlg) { EnableAll(dlg, kGreyedLabels, false); }

void SetWifiNetworkRow(platform::Dialog& dlg, bool wifi) {
  if (wifi) {
    dlg.Enable(kNetApnLabel, false);
    dlg.SetText(kNetApnLabel, UiStr(kTxtWifi));
    dlg.Enable(kNetApn, false);
    dlg.Enable(kNetAccountLabel, true);
    dlg.SetText(kNetAccountLabel, UiStr(kTxtSsid));
  } else {
    dlg.Enable(kNetApnLabel, true);
    dlg.SetText(kNetApnLabel, UiStr(kTxtApnLabel));
    dlg.Enable(kNetAccountLabel, true);
    dlg.SetText(kNetAccountLabel, UiStr(kTxtAccount));
  }
}

void SetFtpBoxPresentation(platform::Dialog& dlg) {
  if (App().s_eFtpEditUse == 0) {
    dlg.SetText(kBoxFrame, UiStr(kTxtFtpSettings));
    dlg.SetText(kBox1Label, UiStr(kTxtServer));
    dlg.SetText(kBox2Label, UiStr(kTxtPort));
    dlg.SetText(kBox3Label, UiStr(kTxtUserName));
  } else {
    // Models that send through WiFi only have no SIM card number to give:
    // the third box asks for the camera's cloud number instead.
    const bool cloud_number = IsWifiGroupModel();
    dlg.SetText(kBoxFrame, UiStr(kTxtCloudParams));
    dlg.SetText(kBox1Label, UiStr(kTxtRegisteredMail));
    dlg.SetText(kBox2Label, UiStr(kTxtLoginPassword));
    dlg.SetText(kBox3Label, UiStr(cloud_number ? kTxtCloudNumber : kTxtSimPhoneNumber));
  }
  // Limits and masks of the presentation's edits.
  const auto box = wctl::GroupControls(App().s_eFtpEditUse == 0 ? wctl::Group::Ftp : wctl::Group::Cloud);
  wctl::SetLimits(dlg, box);
  for (const wctl::Control* c : box) dlg.SetMasked(c->id, c->masked);
}

void ApplySendByMode(platform::Dialog& dlg) {
  SendSet& rec = App().g_sSendSet;
  const bool wifi_row = UsesWifiRow();
  // Neither the WiFi group nor a WiFi module uses an operator preset: a
  // preset would overwrite the WiFi name and password kept in the network
  // fields.
  if (wifi_row) rec.byOperatorCountry = kManualCountry;

  const uint8_t mode = rec.bySendBy;
  const bool manual = rec.byOperatorCountry == kManualCountry;
  const bool remote = rec.byRemoteSwitch == 1;

  if (mode == kSendEmail || mode == kSendFtp || mode == kSendCloud) {
    App().FtpBoxShownInOff = true;
    dlg.Enable(kSource, true);
    FillOperatorLists(dlg, manual);
    if (mode != kSendEmail && !manual) {
      ApplyApnPreset(dlg);
      FillOperatorLists(dlg, false);
    }
    EnableGroup(dlg, wctl::Group::Network, manual);
    ShowNetworkFields(dlg);
    if (mode == kSendEmail)
      EnableGroup(dlg, wctl::Group::Sender, true);
    else
      EnableGroup(dlg, wctl::Group::Sender, remote && !App().NoRemoteCommand22);
    ApplyMmsEdits(dlg, manual, remote);
    ShowFtpBox(dlg, true, mode != kSendEmail, mode);
    if (mode != kSendEmail) FillFtpBox(dlg);
  } else {
    dlg.Enable(kSource, false);
    dlg.Enable(kCountry, false);
    dlg.Enable(kOperator, false);
    EnableGroup(dlg, wctl::Group::Network, false);
    EnableGroup(dlg, wctl::Group::Sender, false);
    EnableGroup(dlg, wctl::Group::Mms, false);
    ShowFtpBox(dlg, App().FtpBoxShownInOff, false, mode);
  }
  dlg.Show(kMmsFrame, true);

  // Preset values are never shown in clear; WiFi models mask the WiFi password.
  if (IsWifiGroupModel()) {
    dlg.SetMasked(kNetPassword, true);
  } else {
    MaskAll(dlg, GroupIds(wctl::Group::Mms), !manual);
    MaskAll(dlg, GroupIds(wctl::Group::Network), !manual);
  }
  EnableAll(dlg, kMmsLabels, false);

  if (wifi_row) {
    if (IsWifiGroupModel()) {
      dlg.Enable(kSource, false);
      GreyOperatorLabels(dlg);
    }
    SetWifiNetworkRow(dlg, true);
    // The WiFi name and password are typed by hand, except in mode Off,
    // which reads no network values.
    const bool typed = mode != kSendOff;
    dlg.Enable(kNetAccount, typed);
    dlg.Enable(kNetPasswordLabel, true);
    dlg.Enable(kNetPassword, typed);
  } else {
    SetWifiNetworkRow(dlg, false);
  }
}
