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
#include "wireless/wireless_controls.h"
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

// The mailbox's edits, in the order they are shown and read back.
std::vector<const wctl::Control*> MailboxEdits() { return wctl::GroupControls(wctl::Group::Mailbox); }

bool MailFormatOk(const char* field, std::size_t width) {
  return IsMailWellFormed(ReadTextField(field, width));
}

class GpsMailboxWindow : public platform::Window {
 public:
  int TemplateId() const override { return kGpsMailboxTemplate; }
  bool Ownerless() const override { return true; }

  void OnInit(platform::Dialog& dlg) override {
    SendSetTarn& tarn = App().g_sSendSetTarn;
    dlg.SetTitle(UiStr(kTxtGpsMailbox));
    ApplyUiLabels(dlg, kLabels);
    // A port is shown only when one is stored.
    for (const wctl::Control* c : MailboxEdits()) {
      if (c->store != wctl::Store::Port)
        ShowField(dlg, c->id, wctl::FieldIn(&tarn, *c), c->field->width);
      else if (const int32_t port = wctl::PortIn(&tarn, *c); port > 0)
        dlg.SetText(c->id, std::to_string(port));
    }
    // The account shows the stored account, whatever the address mirrored into it.
    ShowField(dlg, kAccount, tarn.sGpsMail.szGpsSmtpAccount);
    wctl::SetLimits(dlg, MailboxEdits());
    for (const wctl::Control* c : MailboxEdits())
      if (c->masked) dlg.SetMasked(c->id, true);
    dlg.Enable(kAccountLabel, false);
    dlg.Enable(kAccount, false);
  }

  void OnCommand(platform::Dialog& dlg, int id, platform::Notify what) override {
    if (what == platform::Notify::EditChange) {
      wctl::FilterEdit(dlg, wctl::Window::Gps, id, wctl::Box::Any);
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
  SendSetTarn& tarn = App().g_sSendSetTarn;
  // Each edit gives at most the characters it takes.
  for (const wctl::Control* c : MailboxEdits()) {
    const std::string text = utf8::FirstChars(dlg.Text(c->id), c->chars);
    if (c->store == wctl::Store::Port) {
      // An emptied port field is no port: OK then asks for one.
      int32_t value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      wctl::PortIn(&tarn, *c) = value;
    } else {
      CopyTextField(wctl::FieldIn(&tarn, *c), c->field->width, platform::GetServices().ToRecordText(text));
    }
  }
  LogGpsMail(tarn.sGpsMail);
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
