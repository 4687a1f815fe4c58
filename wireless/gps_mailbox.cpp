// The GPS coordinates mailbox window: filled from sGpsMail, stored back on
// OK (after its checks) or on the close box (without checks).
#include "wireless/gps_mailbox.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/services.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/checks.h"
#include "shell/ui_strings.h"
#include "text/utf8.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"
#include "records/app_state.h"

using namespace gps_ids;

namespace {

constexpr int kLabelIds[] = {kSenderFrame,   kServerLabel, kPortLabel,  kAddrLabel, kAccountLabel,
                             kPasswordLabel, kInboxFrame,  kInboxAddrLabel, kOk};
const UiText* const kLabelTexts[] = {&kTxtSenderSettings, &kTxtServer,   &kTxtPort,
                                     &kTxtEmailAddress,   &kTxtAccount,  &kTxtPassword,
                                     &kTxtInbox,          &kTxtInboxAddress, &kTxtOk};
static_assert(std::size(kLabelIds) == std::size(kLabelTexts));
const UiLabelList kLabels = {kLabelIds, kLabelTexts};

template <std::size_t N>
void StoreEdit(platform::Dialog& dlg, int id, int chars, char (&field)[N]) {
  CopyTextField(field, platform::GetServices().ToRecordText(utf8::FirstChars(dlg.Text(id), chars)));
}

bool MailFormatOk(const char* field, std::size_t width) {
  return IsMailWellFormed(ReadTextField(field, width));
}

class GpsMailboxWindow : public platform::Window {
 public:
  int TemplateId() const override { return kGpsMailboxTemplate; }
  bool Ownerless() const override { return true; }

  void OnInit(platform::Dialog& dlg) override {
    const GpsMail& gps = App().g_sSendSetTarn.sGpsMail;
    dlg.SetTitle(UiStr(kTxtGpsMailbox));
    ApplyUiLabels(dlg, kLabels);
    ShowField(dlg, kServer, gps.szGpsServer);
    if (gps.iPort > 0) dlg.SetText(kPort, std::to_string(gps.iPort));
    ShowField(dlg, kAddr, gps.szGpsSmtpAccount);
    ShowField(dlg, kAccount, gps.szGpsSmtpAccount);
    ShowField(dlg, kPassword, gps.szGpsSmtpPassword);
    ShowField(dlg, kInboxAddr, gps.szGpsAddr);
    dlg.SetLimit(kServer, kGpsServerChars);
    dlg.SetLimit(kPort, kGpsPortChars);
    dlg.SetLimit(kAddr, kGpsAddrChars);
    dlg.SetLimit(kPassword, kGpsPasswordChars);
    dlg.SetLimit(kInboxAddr, kGpsInboxChars);
    dlg.SetMasked(kPassword, true);
    dlg.Enable(kAccountLabel, false);
    dlg.Enable(kAccount, false);
  }

  void OnCommand(platform::Dialog& dlg, int id, platform::Notify what) override {
    if (what == platform::Notify::EditChange) {
      if (id == kPort) FilterEditChars(dlg, kPort, kDigits);
      // The account mirrors the address; an emptied address leaves it.
      if (id == kAddr && dlg.TextLength(kAddr) > 0) dlg.SetText(kAccount, dlg.Text(kAddr));
      return;
    }
    // Enter presses the default button OK; Esc does nothing.
    if (what == platform::Notify::Clicked && (id == kOk || id == platform::kIdOk)) OnOk(dlg);
  }

  void OnClose(platform::Dialog& dlg) override {
    StoreGpsMailFields(dlg);
    Finish(dlg);
  }

 private:
  void OnOk(platform::Dialog& dlg) {
    StoreGpsMailFields(dlg);
    const GpsMail& gps = App().g_sSendSetTarn.sGpsMail;
    const UiText* fail = nullptr;
    if (TextFieldEmpty(gps.szGpsServer))
      fail = &kMsgEnterSenderServer;
    else if (gps.iPort == 0)
      fail = &kMsgEnterSenderPort;
    else if (TextFieldEmpty(gps.szGpsSmtpAccount))
      fail = &kMsgEnterSenderAddress;
    else if (!MailFormatOk(gps.szGpsSmtpAccount, sizeof gps.szGpsSmtpAccount))
      fail = &kMsgSenderAddressError;
    else if (TextFieldEmpty(gps.szGpsSmtpPassword))
      fail = &kMsgEnterSenderPassword;
    else if (TextFieldEmpty(gps.szGpsAddr))
      fail = &kMsgEnterInboxAddress;
    else if (!MailFormatOk(gps.szGpsAddr, sizeof gps.szGpsAddr))
      fail = &kMsgInboxAddressError;
    if (fail) {
      dlg.MessageBox(UiStr(*fail), UiStr(kTxtWarning), platform::MsgIcon::Warning);
      return;
    }
    Finish(dlg);
  }

  void Finish(platform::Dialog& dlg) {
    dlg.End(platform::kIdOk);
    App().GpsWindowOpen = false;
  }
};

}  // namespace

void StoreGpsMailFields(platform::Dialog& dlg) {
  GpsMail& gps = App().g_sSendSetTarn.sGpsMail;
  StoreEdit(dlg, kServer, kGpsServerChars, gps.szGpsServer);
  // An emptied port field is no port: OK then asks for one.
  const std::string port = utf8::FirstChars(dlg.Text(kPort), kGpsPortChars);
  int32_t value = 0;
  std::from_chars(port.data(), port.data() + port.size(), value);
  gps.iPort = value;
  StoreEdit(dlg, kAddr, kGpsAddrChars, gps.szGpsSmtpAccount);
  StoreEdit(dlg, kPassword, kGpsPasswordChars, gps.szGpsSmtpPassword);
  StoreEdit(dlg, kInboxAddr, kGpsInboxChars, gps.szGpsAddr);
  LogGpsMail(gps);
}

int ShowGpsMailboxWindow() {
  App().GpsWindowOpen = true;
  GpsMailboxWindow window;
  const int result = platform::CurrentHost().RunModal(window);
  App().GpsWindowOpen = false;
  return result;
}

std::unique_ptr<platform::Window> MakeGpsMailboxWindow() {
  return std::make_unique<GpsMailboxWindow>();
}
