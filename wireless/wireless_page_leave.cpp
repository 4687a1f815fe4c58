// Leaving the wireless parameter page: Next Page reads the controls back,
// checks what the send-by mode needs and hands over to the send settings
// page; closing keeps the record as it is and returns to the main window.
// Both store SendSetSnapshot first, from which the page starts next time.
#include <cstring>
#include <string>

#include "platform/dialog.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/checks.h"
#include "shell/ui_strings.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/wireless_page_window.h"
#include "wireless/wireless_state.h"

using namespace wp_ids;

namespace {

// The GPS mailbox goes with the record only while its box is ticked.
void DropGpsMailUnlessTicked(platform::Dialog& dlg) {
  if (IsGpsMailboxModel() && !dlg.IsChecked(kGpsMailbox))
    std::memset(&App().g_sSendSetTarn.sGpsMail, 0, sizeof(GpsMail));
}

}  // namespace

bool WirelessPage::Warn(platform::Dialog& dlg, const UiText& text) {
  dlg.MessageBox(UiStr(text), UiStr(kTxtWarning), platform::MsgIcon::Warning);
  return false;
}

void WirelessPage::ReadBackControls(platform::Dialog& dlg, bool& sender_check) {
  SendSet& rec = App().g_sSendSet;
  if (dlg.ListSelection(kSource) == 1) {
    ReadFields(dlg, wctl::Group::Mms);
  } else {
    ApplyMmsPreset(dlg);
    ApplyApnPreset(dlg);
  }
  Diag("g_sSendSet.byRemoteSwitch=%d\n", rec.byRemoteSwitch);

  sender_check = false;
  const uint8_t mode = rec.bySendBy;
  if (mode == kSendEmail || rec.byRemoteSwitch == 1) {
    ReadFields(dlg, wctl::Group::Network);
    ReadFields(dlg, wctl::Group::Sender);
    Diag("** szServer:%s\n", TextFieldString(rec.sSmtpSet.szServer).c_str());
    sender_check = mode == kSendEmail || !App().NoRemoteCommand22;
    if (mode == kSendEmail) return;
  }
  if (mode == kSendFtp || mode == kSendCloud) {
    if (mode == kSendFtp) {
      ReadFields(dlg, wctl::Group::Ftp);
      // Like every list, no selection (a type the list does not offer) reads
      // back as -1, every byte 0xFF.
      rec.sFtpSet.iFtpDirType = dlg.ListSelection(kFtpDirType);
    } else {
      ReadFields(dlg, wctl::Group::Cloud);
    }
    ReadFields(dlg, wctl::Group::Network);
  }
}

bool WirelessPage::CheckEntries(platform::Dialog& dlg, bool sender_check) {
  const SendSet& rec = App().g_sSendSet;
  const SmtpSet& smtp = rec.sSmtpSet;
  const bool sending = rec.bySendBy != kSendOff;

  if (IsWifiOnlyModel()) {
    if (sending && TextFieldEmpty(smtp.szWLNetAccount)) return Warn(dlg, kMsgEnterWifiSsid);
    if (sending && TextFieldEmpty(smtp.szWLNetPassword)) return Warn(dlg, kMsgEnterWifiPassword);
  } else if (bCheckSmtpAPN() && sending && TextFieldEmpty(smtp.szWLNetApN)) {
    return Warn(dlg, kMsgEnterNetworkApn);
  }

  if (!sender_check) return true;
  if (TextFieldEmpty(smtp.szServer)) return Warn(dlg, kMsgEnterSenderServer);
  if (smtp.iPort == 0) return Warn(dlg, kMsgEnterSenderPort);
  if (TextFieldEmpty(smtp.szAddr)) return Warn(dlg, kMsgEnterSenderAddress);
  if (!IsMailWellFormed(ReadTextField(smtp.szAddr))) return Warn(dlg, kMsgSenderAddressError);
  if (TextFieldEmpty(smtp.szPassword)) return Warn(dlg, kMsgEnterSenderPassword);
  return true;
}

void WirelessPage::OnNextPage(platform::Dialog& dlg) {
  if (App().GpsWindowOpen) return;
  bool sender_check = false;
  ReadBackControls(dlg, sender_check);
  App().ChosenSendBy = App().g_sSendSet.bySendBy;

  // Stored before the checks: a failed check loses nothing.
  App().SendSetSnapshot = App().g_sSendSet;
  Diag(":: NEXT_PAGE, OperatorCountry=%d, uwMaxSendImgNum=%d\n", App().g_sSendSet.byOperatorCountry,
       App().g_sSendSet.uwMaxSendImgNum);
  Diag(":: NEXT_PAGE, FTP Server=%s, FTP Port=%d\n",
       TextFieldString(App().g_sSendSet.sSmtpSet.szServer).c_str(), App().g_sSendSet.sFtpSet.iPort);

  if (!CheckEntries(dlg, sender_check)) return;

  // The GPS mailbox window opens over the page and is answered before the
  // page hands over.
  if (IsGpsMailboxModel() && dlg.IsChecked(kGpsMailbox)) ShowGpsMailboxWindow();
  DropGpsMailUnlessTicked(dlg);
  SetNext(platform::WindowKind::SendSettings);
  dlg.End(platform::kIdOk);
}

void WirelessPage::OnClose(platform::Dialog& dlg) {
  if (App().GpsWindowOpen) return;
  App().SendSetSnapshot = App().g_sSendSet;
  App().ChosenSendBy = App().g_sSendSet.bySendBy;
  DropGpsMailUnlessTicked(dlg);
  SetNext(platform::WindowKind::Main);
  dlg.End(platform::kIdCancel);
}
