// The state shared by the wireless windows (the wireless parameter page,
// the send settings page and the GPS coordinates mailbox window): the
// WirelessState section of AppState, and the rule that reads it.
#pragma once

#include "records/app_state.h"

// Whether the network APN must be filled for the current model; logs
// "MdmSendVia = %d, OpCountry = %d, bCheckSmtpAPN = %d\n".
bool bCheckSmtpAPN();

// Resets the wireless windows' state (WirelessState) to its start-of-session values.
void ResetWirelessState();
