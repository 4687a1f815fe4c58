// Program-wide state shared by the wireless windows.
#include "wireless/wireless_state.h"

#include <cstring>

#include "records/app_state.h"
#include "records/diag.h"
#include "wireless/wireless_page.h"

bool bCheckSmtpAPN() {
  bool check = true;
  // WiFi-only models and the ULTRA rows without a cellular modem reach the
  // network through WiFi and have no APN.
  if (IsWifiGroupModel())
    check = false;
  else if (IsModuleChoiceModel())
    // Only the cellular module with hand-typed parameters needs an APN; the
    // WiFi module needs none and a preset always brings one.
    check = App().MdmSendVia == 1 && App().g_sSendSet.byOperatorCountry == kManualCountry;
  Diag("MdmSendVia = %d, OpCountry = %d, bCheckSmtpAPN = %d\n", App().MdmSendVia,
       App().g_sSendSet.byOperatorCountry, check ? 1 : 0);
  return check;
}

void ResetWirelessState() { static_cast<WirelessState&>(App()) = WirelessState{}; }
