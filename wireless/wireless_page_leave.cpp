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

void ReadMmsEdits(platform::Dialog& dlg) {
  MmsSet& mms = g_sSendSet.sMmsSet;
  ReadField(dlg, kMmsUrl, mms.szUrl);
  ReadField(dlg, kMmsApn, mms.szApn);
  ReadField(dlg, kMmsGateway, mms.szGateway);
  ReadField(dlg, kMmsPort, mms.szPort);
  ReadField(dlg, kMmsAccount, mms.szAccount);
  ReadField(dlg, kMmsPassword, mms.szPassword);
}

void ReadNetworkEdits(platform::Dialog& dlg) {
  SmtpSet& smtp = g_sSendSet.sSmtpSet;
  ReadField(dlg, kNetApn, smtp.szWLNetApN);
  ReadField(dlg, kNetAccount, smtp.szWLNetAccount);
  ReadField(dlg, kNetPassword, smtp.szWLNetPassword);
}

void ReadSenderEdits(platform::Dialog& dlg) {
  SmtpSet& smtp = g_sSendSet.sSmtpSet;
  ReadField(dlg, kSenderServer, smtp.szServer);
  ReadPort(dlg, kSenderPort, smtp.iPort);
  ReadField(dlg, kSenderAddr, smtp.szAddr);
  ReadField(dlg, kSenderUser, smtp.szUserName);
  ReadField(dlg, kSenderPassword, smtp.szPassword);
}

void ReadFtpEdits(platform::Dialog& dlg) {
  FtpSet& ftp = g_sSendSet.sFtpSet;
  ReadField(dlg, kBox1, ftp.szServer);
  ReadPort(dlg, kBox2, ftp.iPort);
  ReadField(dlg, kBox3, ftp.szUserName);
  ReadField(dlg, kFtpPassword, ftp.szPassword);
  // Like every list, no selection (a type the list does not offer) reads
  // back as -1, every byte 0xFF.
  ftp.iFtpDirType = dlg.ListSelection(kFtpDirType);
  ReadField(dlg, kFtpDir, ftp.szFtpDir);
}

void ReadCloudEdits(platform::Dialog& dlg) {
  VornCloudSet& cloud = g_sSendSet.sVornCloudSet;
  ReadField(dlg, kBox1, cloud.szAppKey);
  ReadField(dlg, kBox2, cloud.szAppSecret);
  ReadField(dlg, kBox3, cloud.szSimCardNum);
}

// The GPS mailbox goes with the record only while its box is ticked.
void DropGpsMailUnlessTicked(platform::Dialog& dlg) {
  if (IsGpsMailboxModel() && !dlg.IsChecked(kGpsMailbox))
    std::memset(&g_sSendSetTarn.sGpsMail, 0, sizeof(GpsMail));
}

}  // namespace

bool WirelessPage::Warn(platform::Dialog& dlg, const UiText& text) {
  dlg.MessageBox(UiStr(text), UiStr(kTxtWarning), platform::MsgIcon::Warning);
  return false;
}

void WirelessPage::ReadBackControls(platform::Dialog& dlg, bool& sender_check) {
  SendSet& rec = g_sSendSet;
  if (dlg.ListSelection(kSource) == 1) {
    ReadMmsEdits(dlg);
  } else {
    ApplyMmsPreset(dlg);
    ApplyApnPreset(dlg);
  }
  Diag("g_sSendSet.byRemoteSwitch=%d\n", rec.byRemoteSwitch);

  sender_check = false;
  const uint8_t mode = rec.bySendBy;
  if (mode == kSendEmail || rec.byRemoteSwitch == 1) {
    ReadNetworkEdits(dlg);
    ReadSenderEdits(dlg);
    Diag("** szServer:%s\n", TextFieldString(rec.sSmtpSet.szServer).c_str());
    sender_check = mode == kSendEmail || !NoRemoteCommand22;
    if (mode == kSendEmail) return;
  }
  if (mode == kSendFtp || mode == kSendCloud) {
    if (mode == kSendFtp)
      ReadFtpEdits(dlg);
    else
      ReadCloudEdits(dlg);
    ReadNetworkEdits(dlg);
  }
}

bool WirelessPage::CheckEntries(platform::Dialog& dlg, bool sender_check) {
  const SendSet& rec = g_sSendSet;
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
  if (GpsWindowOpen) return;
  bool sender_check = false;
  ReadBackControls(dlg, sender_check);
  ChosenSendBy = g_sSendSet.bySendBy;

  // Stored before the checks: a failed check loses nothing.
  SendSetSnapshot = g_sSendSet;
  Diag(":: NEXT_PAGE, OperatorCountry=%d, uwMaxSendImgNum=%d\n", g_sSendSet.byOperatorCountry,
       g_sSendSet.uwMaxSendImgNum);
  Diag(":: NEXT_PAGE, FTP Server=%s, FTP Port=%d\n",
       TextFieldString(g_sSendSet.sSmtpSet.szServer).c_str(), g_sSendSet.sFtpSet.iPort);

  if (!CheckEntries(dlg, sender_check)) return;

  // The GPS mailbox window opens over the page and is answered before the
  // page hands over.
  if (IsGpsMailboxModel() && dlg.IsChecked(kGpsMailbox)) ShowGpsMailboxWindow();
  DropGpsMailUnlessTicked(dlg);
  SetNext(platform::WindowKind::SendSettings);
  dlg.End(platform::kIdOk);
}

void WirelessPage::OnClose(platform::Dialog& dlg) {
  if (GpsWindowOpen) return;
  SendSetSnapshot = g_sSendSet;
  ChosenSendBy = g_sSendSet.bySendBy;
  DropGpsMailUnlessTicked(dlg);
  SetNext(platform::WindowKind::Main);
  dlg.End(platform::kIdCancel);
}
