// The send settings page (template 115): recipients, the camera's position,
// picture size, remote control and the folder to write into. Its Generate
// button writes CFG.BIN (wireless/generate.h); Previous Page goes back to
// the wireless parameter page, closing returns to the main window.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/window.h"
#include "records/send_set.h"
#include "wireless/wireless_controls.h"

// Control ids of template 115.
namespace send_ids {
inline constexpr int kNoRemoteCmd22 = 40000;   // check box
inline constexpr int kDestinationGroup = 40001;
inline constexpr int kPhoneFrame = 40002;
inline constexpr int kPhone1Label = 40003;
inline constexpr int kPhone2Label = 40004;
inline constexpr int kPhone1 = 40005;
inline constexpr int kPhone2 = 40006;
inline constexpr int kEmailFrame = 40007;
inline constexpr int kEmail1Label = 40008;
inline constexpr int kEmail2Label = 40009;
inline constexpr int kEmail1 = 40010;
inline constexpr int kEmail2 = 40011;
inline constexpr int kImageSizeFrame = 40012;
inline constexpr int kImageSize = 40013;       // list
inline constexpr int kImageSizeLabel = 40014;
inline constexpr int kMaxNumFrame = 40015;
inline constexpr int kMaxNum = 40016;          // edit, always empty and disabled
inline constexpr int kMaxNumLabel = 40017;
inline constexpr int kPerDayLabel = 40018;
inline constexpr int kSendModeGroup = 40019;
inline constexpr int kSendMode = 40020;        // list
inline constexpr int kSendModeLabel = 40021;
inline constexpr int kDailyTime = 40022;       // list, always hidden
inline constexpr int kDailyTimeLabel = 40023;
inline constexpr int kRemoteGroup = 40024;
inline constexpr int kRemoteInterval = 40025;  // list
inline constexpr int kRemoteIntervalLabel = 40026;
inline constexpr int kRemoteEmailLabel = 40027;
inline constexpr int kRemotePhoneLabel = 40028;
inline constexpr int kRemoteEmail = 40029;
inline constexpr int kRemotePhone = 40030;
inline constexpr int kSavePathGroup = 40031;
inline constexpr int kBrowse = 40032;
inline constexpr int kFolder = 40033;
inline constexpr int kPreviousPage = 40034;
inline constexpr int kGenerate = 40035;
inline constexpr int kRemotePhoneNote = 40036;
inline constexpr int kRemoteEmailNote = 40037;
inline constexpr int kCoordinateGroup = 40039;
inline constexpr int kLongitudeLabel = 40040;
inline constexpr int kLatitudeLabel = 40041;
inline constexpr int kDirectionHead = 40042;
inline constexpr int kDegreeHead = 40043;
inline constexpr int kMinuteHead = 40044;
inline constexpr int kSecondHead = 40045;
inline constexpr int kLonDeg = 40046;
inline constexpr int kLonMin = 40047;
inline constexpr int kLonSec = 40048;
inline constexpr int kLatDeg = 40049;
inline constexpr int kLatMin = 40050;
inline constexpr int kLatSec = 40051;
inline constexpr int kLonDir = 40063;          // list E, W
inline constexpr int kLatDir = 40080;          // list N, S
}  // namespace send_ids

inline constexpr int kSendSettingsTemplate = 115;

// byRemoteInterval of "Remote Off".
inline constexpr uint8_t kRemoteOff = 25;

// The remote interval list of a model: 26 entries for the model that
// offers "10 Minutes", 25 for the others.
bool OffersTenMinutes(uint16_t model_code);
int RemoteIntervalCount(uint16_t model_code);
// The entry of the full 26-entry text list shown at list position k.
int RemoteIntervalTextIndex(uint16_t model_code, int k);
// byRemoteInterval of list position k: 25 for position 0 and for a
// position outside the list; otherwise 10 minutes (0) or k hours.
uint8_t RemoteIntervalFromIndex(uint16_t model_code, int k);
// The list position that shows a stored byRemoteInterval: "Remote Off" for
// values above 24; on models without "10 Minutes" a stored 0 shows as
// "01 Hours".
int RemoteIntervalToIndex(uint16_t model_code, uint8_t interval);

namespace platform {
class Dialog;
}

// Remote phone edit and the no-command-22 box follow `on`; the remote
// e-mail edit is enabled only when `on` and NoRemoteCommand22 is clear.
void EnableRemoteFields(platform::Dialog& dlg, bool on);
// Shows and enables, or hides and disables, the two hemisphere lists and
// the six coordinate number edits.
void ShowCoordinateInputs(platform::Dialog& dlg, bool on);
// The page's edits and position lists of a group (Position, Recipients,
// Remote) from a record: a recipient only when its length is set, a remote
// text only when it holds one. And a record from all of them: the
// recipients with their lengths, the position, the remote phone and e-mail.
void ShowSendPageFields(platform::Dialog& dlg, wctl::Group group, const SendSet& from);
void ReadSendPageFields(platform::Dialog& dlg, SendSet& into);
// Closes the gap of the hidden coordinate section: moves and stretches the
// controls around it (in client pixels).
void CompactSendSettingsLayout(platform::Dialog& dlg);

std::unique_ptr<platform::Window> MakeSendSettingsPage();
