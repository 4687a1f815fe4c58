#include "wireless/generate.h"

#include <cstring>
#include <string_view>

#include "platform/dialog.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "shell/checks.h"
#include "shell/save_failure.h"
#include "shell/ui_strings.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

namespace {

template <std::size_t N>
bool MailWellFormed(const char (&field)[N]) {
  return IsMailWellFormed(ReadTextField(field));
}

uint8_t ByteOf(int value) { return static_cast<uint8_t>(value & 0xFF); }

GeoPos ToGeoPos(const GeoInput& in) {
  return GeoPos{ByteOf(in.dir), ByteOf(in.deg), ByteOf(in.min), ByteOf(in.sec)};
}

// Whether the network APN must be filled (logged by the shared rule).
bool ApnRequired() { return bCheckSmtpAPN(); }

// The recipient check of the send-by mode.
const UiText* CheckRecipients(const SendSet& s) {
  const bool no_email = s.uwRecpLen[2] == 0 && s.uwRecpLen[3] == 0;
  switch (s.bySendBy) {
    case kSendMms:
      if (no_email && s.uwRecpLen[0] == 0 && s.uwRecpLen[1] == 0) return &kMsgGenFailNoPhoneOrEmail;
      break;
    case kSendEmail:
      if (no_email) return &kMsgGenFailNoEmail;
      break;
    default:
      return nullptr;
  }
  if (s.uwRecpLen[2] != 0 && !MailWellFormed(s.szRecp[2])) return &kMsgGenFailEmail1;
  if (s.uwRecpLen[3] != 0 && !MailWellFormed(s.szRecp[3])) return &kMsgGenFailEmail2;
  return nullptr;
}

// Remote control: the interval chosen on the page, then the remote phone
// and (unless command 22 is not used) the remote e-mail.
const UiText* CheckRemote(SendSet& s, const SendPageInputs& in) {
  s.byRemoteInterval = RemoteIntervalFromIndex(GetModelCode(), in.remote_interval_index);
  s.byRemoteSwitch = s.byRemoteInterval == kRemoteOff ? 0 : 1;
  if (s.byRemoteSwitch == 0) return nullptr;
  if (ReadTextField(s.szRemotePhoneNum).size() <= 4) return &kMsgGenFailRemotePhone;
  if (!in.no_remote_command22 && !MailWellFormed(s.szRemoteEmail)) return &kMsgGenFailRemoteEmail;
  return nullptr;
}

const UiText* CheckOutbox(const SendSet& s, bool apn_required) {
  Diag(":: g_sSendSet.sSmtpSet.szServer[0]=%d\n", static_cast<unsigned char>(s.sSmtpSet.szServer[0]));
  if (apn_required && TextFieldEmpty(s.sSmtpSet.szWLNetApN)) return &kMsgGenFailNetworkApn;
  if (TextFieldEmpty(s.sSmtpSet.szServer)) return &kMsgGenFailOutboxServer;
  if (s.sSmtpSet.iPort == 0) return &kMsgGenFailOutboxPort;
  if (!MailWellFormed(s.sSmtpSet.szAddr)) return &kMsgGenFailOutboxAddress;
  if (TextFieldEmpty(s.sSmtpSet.szPassword)) return &kMsgGenFailOutboxPassword;
  return nullptr;
}

const UiText* CheckFtp(const SendSet& s, bool apn_required) {
  if (apn_required && TextFieldEmpty(s.sSmtpSet.szWLNetApN)) return &kMsgGenFailNetworkApn;
  if (TextFieldEmpty(s.sFtpSet.szServer)) return &kMsgGenFailFtpServer;
  if (s.sFtpSet.iPort == 0) return &kMsgGenFailFtpPort;
  if (TextFieldEmpty(s.sFtpSet.szUserName)) return &kMsgGenFailFtpAccount;
  if (TextFieldEmpty(s.sFtpSet.szPassword)) return &kMsgGenFailFtpPassword;
  return nullptr;
}

const UiText* CheckCloud(const SendSet& s, bool apn_required) {
  if (apn_required && TextFieldEmpty(s.sSmtpSet.szWLNetApN)) return &kMsgGenFailNetworkApn;
  if (TextFieldEmpty(s.sVornCloudSet.szAppKey)) return &kMsgGenFailRegisteredMail;
  if (TextFieldEmpty(s.sVornCloudSet.szSimCardNum)) return &kMsgGenFailSimPhone;
  return nullptr;
}

const UiText* CheckMmsManual(const SendSet& s) {
  if (TextFieldEmpty(s.sMmsSet.szUrl)) return &kMsgGenFailMmsUrl;
  if (TextFieldEmpty(s.sMmsSet.szApn)) return &kMsgGenFailMmsApn;
  if (TextFieldEmpty(s.sMmsSet.szGateway)) return &kMsgGenFailMmsGateway;
  return nullptr;
}

// The account checks of the send-by mode (after the recipient and remote
// checks). Remote control with command 22 needs the outbox, whatever the
// mode, because the camera mails the requested files from it.
const UiText* CheckAccounts(SendSet& s, const SendPageInputs& in, bool apn_required) {
  const bool remote_mails = s.byRemoteSwitch == 1 && !in.no_remote_command22;
  if (s.byOperatorCountry == kManualCountry && s.bySendBy == kSendMms) {
    if (const UiText* m = CheckMmsManual(s)) return m;
    return remote_mails ? CheckOutbox(s, apn_required) : nullptr;
  }
  if (IsModuleChoiceModel()) CarryOperatorNames();
  if (s.bySendBy == kSendEmail || remote_mails) return CheckOutbox(s, apn_required);
  if (s.bySendBy == kSendFtp) return CheckFtp(s, apn_required);
  if (s.bySendBy == kSendCloud) return CheckCloud(s, apn_required);
  return nullptr;
}

}  // namespace

uint8_t YearByte(int year) {
  return static_cast<uint8_t>((year >= 2000 ? year - 2000 : year - 1900) & 0xFF);
}

SendTime MakeSendTime(const platform::LocalTime& now) {
  return SendTime{YearByte(now.year), ByteOf(now.month),  ByteOf(now.day),
                  ByteOf(now.hour),   ByteOf(now.minute), ByteOf(now.second)};
}

const UiText* PrepareSendSet(const SendPageInputs& in) {
  SendSet& s = App().g_sSendSet;

  // 1. Time stamp, also kept for the verifying read-back.
  s.sTime = MakeSendTime(in.now);
  s.bSet = 0;
  App().LastGenerateTime = s.sTime;
  Diag("Sytem time: %d-%d-%d, %d:%d:%d\n", in.now.year, in.now.month, in.now.day, in.now.hour,
       in.now.minute, in.now.second);

  // 2. Remote control texts; the maximum number is never used.
  CopyTextField(s.szRemotePhoneNum, in.remote_phone);
  CopyTextField(s.szRemoteEmail, in.remote_email);
  s.uwMaxSendImgNum = 0;
  Diag("EDIT_MAX_SEND_IMG_NUM val=%d\n", s.uwMaxSendImgNum);

  // 3. The send-by mode of the wireless parameter page.
  s.bySendBy = in.send_by;
  Diag("## lIndex = %d,  bySendBy=%d\n", SendByModeToListIndex(s.bySendBy), s.bySendBy);

  // 4. Recipients.
  for (std::size_t i = 0; i < in.recipients.size(); ++i) {
    CopyTextField(s.szRecp[i], in.recipients[i]);
    s.uwRecpLen[i] = static_cast<uint16_t>(ReadTextField(s.szRecp[i]).size());
  }

  // 5, 6. Recipients and remote control, unless nothing is sent.
  // With nothing to send there is no remote control either, as the page
  // shows it.
  if (s.bySendBy != kSendOff) {
    if (const UiText* m = CheckRecipients(s)) return m;
    if (const UiText* m = CheckRemote(s, in)) return m;
  } else {
    s.byRemoteSwitch = 0;
  }

  // 7, 8. The APN rule and the fixed file name.
  const bool apn_required = ApnRequired();
  s.bySendFileNum = 0;
  CopyTextField(s.szFileFullName[0], kSendFileName);

  // 9, 10. Operator values and the accounts of the mode.
  if (const UiText* m = CheckAccounts(s, in, apn_required)) return m;
  // The position is shown for the cloud; it is stored whichever account
  // check ran, so that a position typed with remote control on is kept.
  if (s.bySendBy == kSendCloud) {
    s.sLongitude = ToGeoPos(in.longitude);
    s.sLatitude = ToGeoPos(in.latitude);
  }

  // 11. Fields that always hold the same value, and the picture size.
  s.bySendMode = 0;
  s.byDailySendTime = kDailySendTimeNone;
  Diag(":: Get SendMode=%d\n", s.bySendMode);
  s.bySendImgSize = ByteOf(in.image_size_index);
  Diag(":: Get SendImgSize=%d\n", s.bySendImgSize);
  if (s.DebugFlag == 1)
    Diag("*DebugUrl:%s, DebugPort:%d\r\n", TextFieldString(s.DebugUrl).c_str(), s.DebugPort);
  return nullptr;
}

GenerateResult GenerateSendSetFile(const SendPageInputs& in) {
  if (const UiText* m = PrepareSendSet(in)) return {GenerateOutcome::Rejected, m};
  // Reading back after a failed write would replace the working record
  // with whatever old file is in the folder; so the read-back follows only
  // a complete write.
  RecordOutcome file = SaveSendSet();
  if (file) file = LoadSendSet(1);
  if (file) return {GenerateOutcome::Written, &kMsgGenerateSuccess, file};
  Diag("Generate fail!\n");
  return {GenerateOutcome::WriteFailed, nullptr, file};
}

SendPageInputs ReadSendPageInputs(platform::Dialog& dlg) {
  using namespace send_ids;
  // The page's edits as record bytes, read as Previous Page reads them.
  SendSet page{};
  ReadSendPageFields(dlg, page);
  const auto geo = [](const GeoPos& p) { return GeoInput{p.byDir, p.byDeg, p.byMin, p.bySec}; };
  SendPageInputs in;
  in.now = platform::GetServices().Now();
  in.send_by = App().ChosenSendBy;
  for (std::size_t i = 0; i < in.recipients.size(); ++i) in.recipients[i] = ReadTextField(page.szRecp[i]);
  in.remote_interval_index = dlg.ListSelection(kRemoteInterval);
  in.remote_phone = ReadTextField(page.szRemotePhoneNum);
  in.remote_email = ReadTextField(page.szRemoteEmail);
  in.no_remote_command22 = dlg.IsChecked(kNoRemoteCmd22);
  in.image_size_index = dlg.ListSelection(kImageSize);
  in.longitude = geo(page.sLongitude);
  in.latitude = geo(page.sLatitude);
  return in;
}

void GenerateSendSettings(platform::Dialog& dlg) {
  const GenerateResult r = GenerateSendSetFile(ReadSendPageInputs(dlg));
  switch (r.outcome) {
    case GenerateOutcome::Rejected:
      dlg.MessageBox(UiStr(*r.message), UiStr(kTxtWarning), platform::MsgIcon::Warning);
      break;
    case GenerateOutcome::Written:
      dlg.MessageBox(UiStr(*r.message), UiStr(kTxtNotice), platform::MsgIcon::Information);
      break;
    case GenerateOutcome::WriteFailed:
      ShowSaveFailure(dlg, kSendSetFileName, r.file);
      break;
  }
}
