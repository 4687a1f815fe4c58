// The wireless parameter page's text step: every run-time text and list
// of the page in the current language.
#include "platform/dialog.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "shell/ui_strings.h"
#include "wireless/operator_presets.h"
#include "wireless/wireless_controls.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"


using namespace wp_ids;

namespace {

constexpr int kLabelIds[] = {
    kSendByLabel,      kSourceLabel,        kModuleLabel,       kOperatorFrame,
    kCountryLabel,     kOperatorLabel,      kMmsFrame,          kMmsUrlLabel,
    kMmsGatewayLabel,  kMmsPortLabel,       kMmsAccountLabel,   kMmsPasswordLabel,
    kMailFrame,        kNetworkFrame,       kNetApnLabel,       kNetAccountLabel,
    kNetPasswordLabel, kSenderFrame,        kSenderServerLabel, kSenderPortLabel,
    kSenderAddrLabel,  kSenderUserLabel,    kSenderPasswordLabel, kGpsMailbox,
    kNextPage,         kFtpPasswordLabel,   kFtpDirFrame,
};
const UiText* const kLabelTexts[] = {
    &kTxtSendStatus,   &kTxtOperatorParamOptions, &kTxtSendModule,     &kTxtOperatorSelection,
    &kTxtCountry,      &kTxtOperator,             &kTxtMmsParams,      &kTxtUrl,
    &kTxtGateway,      &kTxtPort,                 &kTxtAccount,        &kTxtPassword,
    &kTxtNetworkMailParams, &kTxtNetworkSettings, &kTxtApnLabel,       &kTxtAccount,
    &kTxtPassword,     &kTxtSenderSettings,       &kTxtServer,         &kTxtPort,
    &kTxtEmailAddress, &kTxtAccount,              &kTxtPassword,       &kTxtGpsMailbox,
    &kTxtNextPage,     &kTxtPassword,             &kTxtFtpUploadDir,
};
static_assert(std::size(kLabelIds) == std::size(kLabelTexts));
const UiLabelList kPageLabels = {kLabelIds, kLabelTexts};

const wctl::Control& PageControl(int id) { return *wctl::FindControl(wctl::Window::Page, id); }

void FillSendByList(platform::Dialog& dlg) {
  dlg.ListReset(kSendBy);
  wctl::AddListEntries(dlg, PageControl(kSendBy));
  const int sel = SendByModeToListIndex(App().g_sSendSet.bySendBy);
  dlg.ListSelect(kSendBy, sel);
  Diag("##AppUiStringSet_WinWirelessParamSet(), lCurSel = %d,  bySendBy=%d\n", sel,
       App().g_sSendSet.bySendBy);
}

}  // namespace

void SetWirelessPageTexts(platform::Dialog& dlg) {
  dlg.SetTitle(UiStr(kTxtWirelessParamSettings));
  ApplyUiLabels(dlg, kPageLabels);

  FillSendByList(dlg);
  dlg.Enable(kFactoryTest, false);
  dlg.Show(kFactoryTest, false);
  dlg.Show(kFactoryLabel, false);

  // Operator source: preset, or hand-typed values ("No" where no preset exists).
  const bool manual = App().g_sSendSet.byOperatorCountry == kManualCountry;
  dlg.ListReset(kSource);
  AddUiList(dlg, kSource, IsWifiGroupModel() ? kListSelectOperatorNo : kListSelectOperatorManual);
  dlg.ListSelect(kSource, manual ? 1 : 0);

  dlg.ListReset(kModule);
  wctl::AddListEntries(dlg, PageControl(kModule));
  dlg.ListSelect(kModule, App().MdmSendVia);

  // Country and operator lists; the opening then selects the stored operator.
  FillOperatorLists(dlg, manual);
  dlg.ListSelect(kOperator, 0);

  dlg.ListReset(kLanguage);
  for (const char* name : kPlainUiLanguages) dlg.ListAdd(kLanguage, name);

  SetFtpBoxPresentation(dlg);
  Diag("## s_eFtpEditUse = %d ##\n", App().s_eFtpEditUse);

  dlg.ListReset(kFtpDirType);
  wctl::AddListEntries(dlg, PageControl(kFtpDirType));
  dlg.ListSelect(kFtpDirType, App().g_sSendSet.sFtpSet.iFtpDirType);
}
