// Program-wide state shared by the wireless windows.
#include "wireless/wireless_state.h"

#include <cstring>

#include "records/app_state.h"
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

bool bCheckSmtpAPN() {
  bool check = true;
  // WiFi-only models and the ULTRA rows without a cellular modem reach the
  // network through WiFi and have no APN.
  if (IsWifiGroupModel())
    check = false;
  else if (IsModuleChoiceModel())
    // Only the cellular module with hand-typed parameters needs an APN; the
    // WiFi module needs none and a preset always brings one.
    check = MdmSendVia == 1 && g_sSendSet.byOperatorCountry == kManualCountry;
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
