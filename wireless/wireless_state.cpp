// Program-wide state shared by the wireless windows.
#include "wireless/wireless_state.h"

#include <cstring>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "wireless/wireless_page.h"

SendSet SendSetSnapshot{};
bool NoRemoteCommand22 = false;
bool GpsWindowOpen = false;
int s_eFtpEditUse = 0;
bool FtpBoxShownInOff = false;
bool WirelessPageFirstOpen = true;
bool SendSettingsFirstOpen = true;
uint8_t ChosenSendBy = 0;

namespace {

// Models whose network is reached without an access point name of their own.
bool NeverNeedsApn(uint16_t code) {
  return code == 524 || code == 526 || code == 527 || code == 532;
}

}  // namespace

bool bCheckSmtpAPN() {
  bool check = true;
  // WiFi-only models reach the network through WiFi and have no APN.
  if (ModelWirelessFunc(ModelFamily, ModelIndex) == kWirelessWifi || NeverNeedsApn(GetModelCode()))
    check = false;
  else if (IsModuleChoiceModel())
    // Only the cellular module with hand-typed parameters needs an APN; the
    // WiFi module needs none and a preset always brings one.
    check = MdmSendVia == 1 && g_sSendSet.byOperatorCountry == 43;
  Diag("MdmSendVia = %d, OpCountry = %d, bCheckSmtpAPN = %d\n", MdmSendVia,
       g_sSendSet.byOperatorCountry, check ? 1 : 0);
  return check;
}

void ResetWirelessState() {
  std::memset(&SendSetSnapshot, 0, sizeof SendSetSnapshot);
  NoRemoteCommand22 = false;
  GpsWindowOpen = false;
  s_eFtpEditUse = 0;
  FtpBoxShownInOff = false;
  WirelessPageFirstOpen = true;
  SendSettingsFirstOpen = true;
  ChosenSendBy = 0;
}
