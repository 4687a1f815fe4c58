// The wireless parameter page's model groups, its send-by list, and the
// control state that follows from the send-by mode and the record.
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>

#include "platform/dialog.h"
#include "platform/services.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"
#include "wireless/operator_presets.h"
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

constexpr PageField kMmsFields[] = {
    {kMmsUrl, offsetof(SendSet, sMmsSet.szUrl), sizeof(MmsSet::szUrl)},
    {kMmsApn, offsetof(SendSet, sMmsSet.szApn), sizeof(MmsSet::szApn)},
    {kMmsGateway, offsetof(SendSet, sMmsSet.szGateway), sizeof(MmsSet::szGateway)},
    {kMmsPort, offsetof(SendSet, sMmsSet.szPort), sizeof(MmsSet::szPort)},
    {kMmsAccount, offsetof(SendSet, sMmsSet.szAccount), sizeof(MmsSet::szAccount)},
    {kMmsPassword, offsetof(SendSet, sMmsSet.szPassword), sizeof(MmsSet::szPassword)},
};
constexpr PageField kNetworkFields[] = {
    {kNetApn, offsetof(SendSet, sSmtpSet.szWLNetApN), sizeof(SmtpSet::szWLNetApN)},
    {kNetAccount, offsetof(SendSet, sSmtpSet.szWLNetAccount), sizeof(SmtpSet::szWLNetAccount)},
    {kNetPassword, offsetof(SendSet, sSmtpSet.szWLNetPassword), sizeof(SmtpSet::szWLNetPassword)},
};
// The address before the account: showing the address mirrors it into the
// account edit, which then shows the stored account.
constexpr PageField kSenderFields[] = {
    {kSenderServer, offsetof(SendSet, sSmtpSet.szServer), sizeof(SmtpSet::szServer)},
    {kSenderPort, offsetof(SendSet, sSmtpSet.iPort), 0},
    {kSenderAddr, offsetof(SendSet, sSmtpSet.szAddr), sizeof(SmtpSet::szAddr)},
    {kSenderUser, offsetof(SendSet, sSmtpSet.szUserName), sizeof(SmtpSet::szUserName)},
    {kSenderPassword, offsetof(SendSet, sSmtpSet.szPassword), sizeof(SmtpSet::szPassword)},
};
constexpr PageField kFtpFields[] = {
    {kBox1, offsetof(SendSet, sFtpSet.szServer), sizeof(FtpSet::szServer)},
    {kBox2, offsetof(SendSet, sFtpSet.iPort), 0},
    {kBox3, offsetof(SendSet, sFtpSet.szUserName), sizeof(FtpSet::szUserName)},
    {kFtpPassword, offsetof(SendSet, sFtpSet.szPassword), sizeof(FtpSet::szPassword)},
    {kFtpDir, offsetof(SendSet, sFtpSet.szFtpDir), sizeof(FtpSet::szFtpDir)},
};
constexpr PageField kCloudFields[] = {
    {kBox1, offsetof(SendSet, sVornCloudSet.szAppKey), sizeof(VornCloudSet::szAppKey)},
    {kBox2, offsetof(SendSet, sVornCloudSet.szAppSecret), sizeof(VornCloudSet::szAppSecret)},
    {kBox3, offsetof(SendSet, sVornCloudSet.szSimCardNum), sizeof(VornCloudSet::szSimCardNum)},
};

char* FieldBytes(const PageField& f) { return reinterpret_cast<char*>(&App().g_sSendSet) + f.offset; }

int32_t& FieldPort(const PageField& f) { return *reinterpret_cast<int32_t*>(FieldBytes(f)); }

constexpr int kMmsEdits[] = {kMmsUrl, kMmsApn, kMmsGateway, kMmsPort, kMmsAccount, kMmsPassword};
constexpr int kMmsLabels[] = {kMmsFrame,       kMmsUrlLabel,     kMmsGatewayLabel,
                              kMmsPortLabel,   kMmsAccountLabel, kMmsPasswordLabel};
constexpr int kNetworkEdits[] = {kNetApn, kNetAccount, kNetPassword};
constexpr int kSenderEdits[] = {kSenderServer, kSenderPort, kSenderAddr, kSenderPassword};
constexpr int kBoxEdits[] = {kBox1, kBox2, kBox3, kFtpPassword, kFtpDirType, kFtpDir};
constexpr int kGreyedLabels[] = {kOperatorFrame, kSendByLabel, kSourceLabel, kCountryLabel,
                                 kOperatorLabel, kBoxFrame,    kFtpDirFrame};

template <std::size_t N>
void EnableAll(platform::Dialog& dlg, const int (&ids)[N], bool on) {
  for (int id : ids) dlg.Enable(id, on);
}
template <std::size_t N>
void MaskAll(platform::Dialog& dlg, const int (&ids)[N], bool on) {
  for (int id : ids) dlg.SetMasked(id, on);
}

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
  EnableAll(dlg, kBoxEdits, edits_on);
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
    ShowFields(dlg, FieldGroup::Ftp);
    dlg.SetMasked(kBox2, false);
  } else {
    ShowFields(dlg, FieldGroup::Cloud);
    dlg.Enable(kFtpDir, false);
    dlg.SetMasked(kBox2, true);
  }
}

// MMS edits: usable only with remote control and hand-typed values.
void ApplyMmsEdits(platform::Dialog& dlg, bool manual, bool remote) {
  if (remote) {
    EnableAll(dlg, kMmsEdits, manual);
    ShowMmsFields(dlg);
  } else {
    EnableAll(dlg, kMmsEdits, false);
  }
}

}  // namespace

std::span<const PageField> PageFields(FieldGroup group) {
  switch (group) {
    case FieldGroup::Mms: return kMmsFields;
    case FieldGroup::Network: return kNetworkFields;
    case FieldGroup::Sender: return kSenderFields;
    case FieldGroup::Ftp: return kFtpFields;
    case FieldGroup::Cloud: return kCloudFields;
  }
  return {};
}

void ShowFields(platform::Dialog& dlg, FieldGroup group) {
  for (const PageField& f : PageFields(group)) {
    if (f.width == 0)
      ShowPort(dlg, f.id, FieldPort(f));
    else
      ShowField(dlg, f.id, FieldBytes(f), f.width);
  }
}

void ReadFields(platform::Dialog& dlg, FieldGroup group) {
  for (const PageField& f : PageFields(group)) {
    if (f.width == 0)
      ReadPort(dlg, f.id, FieldPort(f));
    else
      ReadField(dlg, f.id, FieldBytes(f), f.width);
  }
}

void ShowMmsFields(platform::Dialog& dlg) { ShowFields(dlg, FieldGroup::Mms); }

void EmptyMmsEdits(platform::Dialog& dlg) {
  for (int id : kMmsEdits) dlg.SetText(id, "");
}

void ShowNetworkFields(platform::Dialog& dlg) { ShowFields(dlg, FieldGroup::Network); }

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
    dlg.SetLimit(kBox1, 60);
    dlg.SetLimit(kBox2, 8);
    dlg.SetLimit(kBox3, 48);
    dlg.SetMasked(kBox2, false);
  } else {
    // Models that send through WiFi only have no SIM card number to give:
    // the third box asks for the camera's cloud number instead.
    const bool cloud_number = IsWifiGroupModel();
    dlg.SetText(kBoxFrame, UiStr(kTxtCloudParams));
    dlg.SetText(kBox1Label, UiStr(kTxtRegisteredMail));
    dlg.SetText(kBox2Label, UiStr(kTxtLoginPassword));
    dlg.SetText(kBox3Label, UiStr(cloud_number ? kTxtCloudNumber : kTxtSimPhoneNumber));
    dlg.SetLimit(kBox1, 32);
    dlg.SetLimit(kBox2, 32);
    dlg.SetLimit(kBox3, 16);
    dlg.SetMasked(kBox2, true);
  }
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
    EnableAll(dlg, kNetworkEdits, manual);
    ShowNetworkFields(dlg);
    if (mode == kSendEmail)
      EnableAll(dlg, kSenderEdits, true);
    else
      EnableAll(dlg, kSenderEdits, remote && !App().NoRemoteCommand22);
    ApplyMmsEdits(dlg, manual, remote);
    ShowFtpBox(dlg, true, mode != kSendEmail, mode);
    if (mode != kSendEmail) FillFtpBox(dlg);
  } else {
    dlg.Enable(kSource, false);
    dlg.Enable(kCountry, false);
    dlg.Enable(kOperator, false);
    EnableAll(dlg, kNetworkEdits, false);
    EnableAll(dlg, kSenderEdits, false);
    EnableAll(dlg, kMmsEdits, false);
    ShowFtpBox(dlg, App().FtpBoxShownInOff, false, mode);
  }
  dlg.Show(kMmsFrame, true);

  // Preset values are never shown in clear; WiFi models mask the WiFi password.
  if (IsWifiGroupModel()) {
    dlg.SetMasked(kNetPassword, true);
  } else {
    MaskAll(dlg, kMmsEdits, !manual);
    MaskAll(dlg, kNetworkEdits, !manual);
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
