// The GPS coordinates mailbox window (template 138) of the models that have one:
// the sender mailbox through which the camera mails its position and the
// inbox that receives it (g_sSendSetTarn.sGpsMail). It opens over the
// wireless parameter page without an owner; GpsWindowOpen is set while it
// exists, so the page ignores Next Page, its GPS box and closing meanwhile.
#pragma once

#include <memory>

#include "platform/window.h"

inline constexpr int kGpsMailboxTemplate = 138;

// Control ids of template 138.
namespace gps_ids {
inline constexpr int kSenderFrame = 40000;
inline constexpr int kServer = 40001;
inline constexpr int kInboxAddr = 40002;
inline constexpr int kServerLabel = 40003;
inline constexpr int kPortLabel = 40004;
inline constexpr int kPort = 40005;
inline constexpr int kAddrLabel = 40006;
inline constexpr int kAddr = 40007;         // sender address, also the account
inline constexpr int kAccountLabel = 40008;
inline constexpr int kAccount = 40009;      // disabled mirror of the address
inline constexpr int kPasswordLabel = 40010;
inline constexpr int kPassword = 40011;
inline constexpr int kOk = 40012;
inline constexpr int kInboxAddrLabel = 40013;
inline constexpr int kInboxFrame = 40014;
}  // namespace gps_ids

// Characters each edit takes: what its field stores.
inline constexpr int kGpsServerChars = 59;
inline constexpr int kGpsPortChars = 5;
inline constexpr int kGpsAddrChars = 31;
inline constexpr int kGpsPasswordChars = 31;
inline constexpr int kGpsInboxChars = 47;

namespace platform {
class Dialog;
}

// Reads the five edits into sGpsMail; an empty port field stores 0.
void StoreGpsMailFields(platform::Dialog& dlg);

// Sets GpsWindowOpen, runs the window over the current one on the current
// host and clears the flag when it has ended. Returns the window's result.
int ShowGpsMailboxWindow();

std::unique_ptr<platform::Window> MakeGpsMailboxWindow();
