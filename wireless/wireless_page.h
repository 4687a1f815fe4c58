// The wireless parameter page (template 114): how the camera sends
// pictures, how it reaches the network, the sender mailbox, and the FTP
// server or cloud account. It edits g_sSendSet in place; Next Page checks
// the entries and hands over to the send settings page, closing returns to
// the main window. Values travel between the two pages via SendSetSnapshot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/window.h"
#include "wireless/wireless_controls.h"

inline constexpr int kWirelessPageTemplate = 114;

// Control ids of template 114.
namespace wp_ids {
inline constexpr int kTopFrame = 40000;
inline constexpr int kFactoryTest = 40001;     // check box, kept hidden and disabled
inline constexpr int kSendByLabel = 40002;
inline constexpr int kGpsMailbox = 40003;      // check box, GPS-mailbox models only
inline constexpr int kSendBy = 40004;          // list
inline constexpr int kNetworkFrame = 40005;
inline constexpr int kOperatorFrame = 40006;
inline constexpr int kCountryLabel = 40007;
inline constexpr int kOperatorLabel = 40008;
inline constexpr int kCountry = 40009;         // list
inline constexpr int kOperator = 40010;        // list
inline constexpr int kMmsFrame = 40011;
inline constexpr int kMmsUrlLabel = 40012;
inline constexpr int kMmsUrl = 40013;
inline constexpr int kMmsType = 40014;         // list "APN", "CSD", always disabled
inline constexpr int kMmsApn = 40015;
inline constexpr int kMmsGatewayLabel = 40016;
inline constexpr int kMmsGateway = 40017;
inline constexpr int kMmsPortLabel = 40018;
inline constexpr int kMmsPort = 40019;
inline constexpr int kMmsAccountLabel = 40020;
inline constexpr int kMmsAccount = 40021;
inline constexpr int kMmsPassword = 40022;
inline constexpr int kMmsPasswordLabel = 40023;
inline constexpr int kMailFrame = 40024;
inline constexpr int kNetApnLabel = 40025;
inline constexpr int kNetAccountLabel = 40026;
inline constexpr int kNetApn = 40027;
inline constexpr int kNetAccount = 40028;
inline constexpr int kNetPasswordLabel = 40029;
inline constexpr int kNetPassword = 40030;
inline constexpr int kSourceLabel = 40031;
inline constexpr int kSenderFrame = 40032;
inline constexpr int kSenderServerLabel = 40033;
inline constexpr int kSenderServer = 40034;
inline constexpr int kSenderPortLabel = 40035;
inline constexpr int kSenderPort = 40036;
inline constexpr int kSenderAddrLabel = 40037;
inline constexpr int kSenderAddr = 40038;
inline constexpr int kSenderUserLabel = 40039;
inline constexpr int kSenderUser = 40040;      // mirror of the address, always disabled
inline constexpr int kSenderPasswordLabel = 40041;
inline constexpr int kSenderPassword = 40042;
inline constexpr int kNextPage = 40043;
inline constexpr int kLanguage = 40044;        // list, never shown
inline constexpr int kVersion = 40045;         // static, never shown
inline constexpr int kBoxFrame = 40046;        // FTP or cloud box
inline constexpr int kBox1Label = 40047;
inline constexpr int kBox1 = 40048;            // FTP server / registered mail
inline constexpr int kBox2Label = 40049;
inline constexpr int kBox2 = 40050;            // FTP port / login password
inline constexpr int kBox3Label = 40051;
inline constexpr int kBox3 = 40052;            // FTP user name / cloud number
inline constexpr int kFtpPassword = 40053;
inline constexpr int kFtpPasswordLabel = 40054;
inline constexpr int kFtpDirType = 40055;      // list "Root", "Specify"
inline constexpr int kFtpDir = 40056;
inline constexpr int kFactoryLabel = 40057;
inline constexpr int kFtpDirFrame = 40058;
inline constexpr int kFactoryPortLabel = 40059;
inline constexpr int kSource = 40060;          // list: preset or manual input / "No"
inline constexpr int kModuleLabel = 40061;
inline constexpr int kModule = 40062;          // list "WIFI", "4G"/"5G"
}  // namespace wp_ids

// Send-by modes (bits 0-6 of bySendBy).
inline constexpr uint8_t kSendOff = 0;
inline constexpr uint8_t kSendMms = 1;
inline constexpr uint8_t kSendEmail = 2;
inline constexpr uint8_t kSendFtp = 3;
inline constexpr uint8_t kSendCloud = 4;

// byOperatorCountry of hand-typed network values (no preset).
inline constexpr uint8_t kManualCountry = 43;

// Model groups of the page, on the current model.
// WiFi-only: CamWirelessFunc 1.
bool IsWifiOnlyModel();
// The WiFi network row (WiFi-only plus the ULTRA rows without a cellular
// modem): no operator presets.
bool IsWifiGroupModel();
// Models with a WiFi and a cellular module and the "Send module" list.
bool IsModuleChoiceModel();
// Models that carry the GPS coordinates mailbox.
bool IsGpsMailboxModel();

// One entry of the send-by list: the entry of the five-text send-by list
// that it shows, and the bySendBy mode it stands for.
struct SendByEntry {
  int text;
  uint8_t mode;
};
// The send-by list of a model, in list order.
std::span<const SendByEntry> SendByEntries(uint16_t model_code);
// Mode of list position `index` on the current model; 0xFF for a position
// outside the list (no selection).
uint8_t SendByListIndexToMode(int index);
// List position of `mode` on the current model; -1 when the list does not
// offer it.
int SendByModeToListIndex(uint8_t mode);

namespace platform {
class Dialog;
}

// Sets enabling, visibility, masks and contents of the page's controls
// from g_sSendSet and the current send-by mode.
void ApplySendByMode(platform::Dialog& dlg);
// Sets every run-time text of the page in UiLanguage and fills its lists.
void SetWirelessPageTexts(platform::Dialog& dlg);
// Labels, limits and masks of the FTP/cloud box for s_eFtpEditUse.
void SetFtpBoxPresentation(platform::Dialog& dlg);
// The network row as WiFi name and password (on) or as access point (off).
void SetWifiNetworkRow(platform::Dialog& dlg, bool wifi);
// Greys the labels and frames that the WiFi-capable models do not use.
void GreyOperatorLabels(platform::Dialog& dlg);

// Edits and record text fields: the edit shows the field's text, and the
// field takes the edit's text, bounded by its width.
void ShowField(platform::Dialog& dlg, int id, const char* field, std::size_t width);
void ReadField(platform::Dialog& dlg, int id, char* field, std::size_t width);
template <std::size_t N>
void ShowField(platform::Dialog& dlg, int id, const char (&field)[N]) {
  ShowField(dlg, id, field, N);
}
template <std::size_t N>
void ReadField(platform::Dialog& dlg, int id, char (&field)[N]) {
  ReadField(dlg, id, field, N);
}
// A port edit: decimal text, empty when the port is 0.
void ShowPort(platform::Dialog& dlg, int id, int32_t port);
// Reads a port edit; an empty edit leaves `port` unchanged.
void ReadPort(platform::Dialog& dlg, int id, int32_t& port);
// The page's edits of a group (wireless/wireless_controls.h) from
// g_sSendSet, and g_sSendSet from the edits.
void ShowFields(platform::Dialog& dlg, wctl::Group group);
void ReadFields(platform::Dialog& dlg, wctl::Group group);
// The six MMS edits from g_sSendSet.sMmsSet, and all six emptied.
void ShowMmsFields(platform::Dialog& dlg);
void EmptyMmsEdits(platform::Dialog& dlg);
// The three network edits from g_sSendSet.sSmtpSet.
void ShowNetworkFields(platform::Dialog& dlg);

std::unique_ptr<platform::Window> MakeWirelessPage();
