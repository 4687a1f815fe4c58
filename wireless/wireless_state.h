// Program-wide state shared by the wireless windows (the wireless
// parameter page, the send settings page and the GPS coordinates mailbox
// window). Lives for the whole run.
#pragma once

#include <cstdint>

#include "records/send_set.h"

// Copy of g_sSendSet that carries values between the two wireless pages.
extern SendSet SendSetSnapshot;
// Set by the send settings page's "Do not use remote command - 22" box.
extern bool NoRemoteCommand22;
// True while the GPS coordinates mailbox window exists.
extern bool GpsWindowOpen;
// Presentation of the wireless page's FTP/cloud box: 0 FTP, 1 cloud.
extern int s_eFtpEditUse;
// Set the first time a send-by mode other than Off is applied in this run.
extern bool FtpBoxShownInOff;
// First-opening flags of the two pages (set at program start).
extern bool WirelessPageFirstOpen;
extern bool SendSettingsFirstOpen;
// The send-by mode last chosen on the wireless parameter page, kept for
// Generate on the send settings page once that page has ended.
extern uint8_t ChosenSendBy;

// Whether the network APN must be filled for the current model; logs
// "MdmSendVia = %d, OpCountry = %d, bCheckSmtpAPN = %d\n".
bool bCheckSmtpAPN();

// Resets all of the above to their start-of-process values.
void ResetWirelessState();
