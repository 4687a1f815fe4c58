#include "wireless/send_settings_page.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/services.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/checks.h"
#include "shell/save_folder.h"
#include "shell/ui_strings.h"
#include "wireless/generate.h"
#include "wireless/wireless_controls.h"
#include "wireless/wireless_page.h"
#include "wireless/wireless_state.h"

using namespace send_ids;

// ---------------------------------------------------------------------------
// Remote interval list

namespace {

constexpr int kIntervalTexts = 26;           // "Remote Off", "10 Minutes", "01 Hours" .. "24 Hours"
constexpr uint8_t kMaxRemoteHours = 24;

}  // namespace

bool OffersTenMinutes(uint16_t model_code) { return Has(TraitsOfCode(model_code).ten_minutes); }

int RemoteIntervalCount(uint16_t model_code) {
  return OffersTenMinutes(model_code) ? kIntervalTexts : kIntervalTexts - 1;
}

int RemoteIntervalTextIndex(uint16_t model_code, int k) {
  // Without "10 Minutes" every entry after "Remote Off" is one text further on.
  return (k == 0 || OffersTenMinutes(model_code)) ? k : k + 1;
}

uint8_t RemoteIntervalFromIndex(uint16_t model_code, int k) {
  if (k <= 0 || k >= RemoteIntervalCount(model_code)) return kRemoteOff;
  return static_cast<uint8_t>(OffersTenMinutes(model_code) ? k - 1 : k);
}

int RemoteIntervalToIndex(uint16_t model_code, uint8_t interval) {
  if (interval > kMaxRemoteHours) return 0;
  if (OffersTenMinutes(model_code)) return interval + 1;
  return interval == 0 ? 1 : interval;
}

// ---------------------------------------------------------------------------
// Shared operations of the page

namespace {

constexpr int kCoordinateInputs[] = {kLonDir, kLatDir, kLonDeg, kLonMin, kLonSec,
                                     kLatDeg, kLatMin, kLatSec};
// The position section's frame, row labels and column heads.
constexpr int kCoordinateLabels[] = {kCoordinateGroup, kLongitudeLabel, kLatitudeLabel,
                                     kDirectionHead,   kDegreeHead,     kMinuteHead,
                                     kSecondHead};

struct LayoutMove {
  int id;
  int dy;  // down when positive
  int dh;  // added to the height before moving
};

// How the sections move when the position section is hidden.
constexpr LayoutMove kCompactMoves[] = {
    {kDestinationGroup, 15, 10},
    {kPhoneFrame, 15, 0},      {kPhone1Label, 15, 0},     {kPhone2Label, 15, 0},
    {kPhone1, 15, 0},          {kPhone2, 15, 0},
    {kEmailFrame, 20, 0},      {kEmail1Label, 20, 0},     {kEmail2Label, 20, 0},
    {kEmail1, 20, 0},          {kEmail2, 20, 0},
    {kImageSizeFrame, -55, 0}, {kImageSizeLabel, -55, 0}, {kImageSize, -55, 0},
    {kMaxNumFrame, -45, 10},
    {kMaxNumLabel, -40, 0},    {kPerDayLabel, -40, 0},    {kMaxNum, -40, 0},
    {kSendModeGroup, -20, 0},  {kSendModeLabel, -20, 0},  {kSendMode, -20, 0},
    {kDailyTimeLabel, -20, 0}, {kDailyTime, -20, 0},
    {kRemoteGroup, -10, 0},    {kRemoteIntervalLabel, -10, 0}, {kRemoteInterval, -10, 0},
    {kNoRemoteCmd22, -10, 0},  {kRemotePhoneLabel, -10, 0},    {kRemotePhone, -10, 0},
    {kRemoteEmailLabel, -10, 0}, {kRemoteEmail, -10, 0},       {kRemotePhoneNote, -10, 0},
    {kRemoteEmailNote, -10, 0},
};

}  // namespace

void EnableRemoteFields(platform::Dialog& dlg, bool on) {
  dlg.Enable(kRemotePhone, on);
  dlg.Enable(kNoRemoteCmd22, on);
  dlg.Enable(kRemoteEmail, on && !App().NoRemoteCommand22);
}

void ShowCoordinateInputs(platform::Dialog& dlg, bool on) {
  for (int id : kCoordinateInputs) {
    dlg.Show(id, on);
    dlg.Enable(id, on);
  }
}

namespace {

std::size_t RecipientIndex(const wctl::Control& c) {
  return (c.field->offset - offsetof(SendSet, szRecp)) / sizeof(SendSet::szRecp[0]);
}

}  // namespace

void ShowSendPageFields(platform::Dialog& dlg, wctl::Group group, const SendSet& from) {
  for (const wctl::Control* c : wctl::GroupControls(group)) {
    const char* field = wctl::FieldIn(&from, *c);
    const auto text = [&] { return platform::GetServices().FromRecordText(ReadTextField(field, c->field->width)); };
    switch (c->store) {
      case wctl::Store::Recipient:
        if (from.uwRecpLen[RecipientIndex(*c)] != 0) dlg.SetText(c->id, text());
        break;
      case wctl::Store::Text:
        if (field[0] != '\0') dlg.SetText(c->id, text());
        break;
      case wctl::Store::Byte: {
        const auto byte = static_cast<uint8_t>(*field);
        if (c->kind == wctl::Kind::List)
          dlg.ListSelect(c->id, byte);
        else
          dlg.SetText(c->id, std::to_string(byte));
        break;
      }
      default:
        break;
    }
  }
}

void ReadSendPageFields(platform::Dialog& dlg, SendSet& into) {
  for (const wctl::Control* c : wctl::ControlsOf(wctl::Window::Send)) {
    if (c->group == wctl::Group::None) continue;
    char* field = wctl::FieldIn(&into, *c);
    switch (c->store) {
      case wctl::Store::Recipient:
      case wctl::Store::Text:
        CopyTextField(field, c->field->width, platform::GetServices().ToRecordText(dlg.Text(c->id)));
        if (c->store == wctl::Store::Recipient)
          into.uwRecpLen[RecipientIndex(*c)] = static_cast<uint16_t>(ReadTextField(field, c->field->width).size());
        break;
      case wctl::Store::Byte: {
        const int value = c->kind == wctl::Kind::List ? dlg.ListSelection(c->id) : std::atoi(dlg.Text(c->id).c_str());
        *field = static_cast<char>(value & 0xFF);
        break;
      }
      default:
        break;
    }
  }
}

void CompactSendSettingsLayout(platform::Dialog& dlg) {
  for (const LayoutMove& m : kCompactMoves) {
    platform::Rect r = dlg.ControlRect(m.id);
    r.h += m.dh;
    r.y += m.dy;
    dlg.MoveControl(m.id, r);
  }
}

// ---------------------------------------------------------------------------
// The window

namespace {

constexpr int kSmallIcon = 103;

constexpr int kFolderLimit = kSaveFolderSize;

// Degrees, minutes and seconds edits of one position, and its largest degree.
struct Coordinate {
  int deg, min, sec;
  uint16_t max_deg;    // 180 longitude, 90 latitude
};
constexpr Coordinate kLongitude = {kLonDeg, kLonMin, kLonSec, 180};
constexpr Coordinate kLatitude = {kLatDeg, kLatMin, kLatSec, 90};

constexpr int kLabelIds[] = {
    kDestinationGroup, kPhone1Label,      kPhone2Label,      kEmail1Label,
    kEmail2Label,      kCoordinateGroup,  kLongitudeLabel,   kLatitudeLabel,
    kDirectionHead,    kDegreeHead,       kMinuteHead,       kSecondHead,
    kImageSizeLabel,   kMaxNumLabel,      kPerDayLabel,      kSendModeGroup,
    kSendModeLabel,    kDailyTimeLabel,   kRemoteGroup,      kRemoteIntervalLabel,
    kNoRemoteCmd22,    kRemotePhoneLabel, kRemoteEmailLabel, kRemotePhoneNote,
    kRemoteEmailNote,  kSavePathGroup,    kBrowse,           kPreviousPage,
    kGenerate,
};
const UiText* const kLabelTexts[] = {
    &kTxtToDestination, &kTxtPhoneNumber1,      &kTxtPhoneNumber2,        &kTxtEmailAddress1,
    &kTxtEmailAddress2, &kTxtCoordinate,        &kTxtLongitude,           &kTxtLatitude,
    &kTxtDirection,     &kTxtDegree,            &kTxtMinute,              &kTxtSecond,
    &kTxtSendImageSize, &kTxtMaxSentNum,        &kTxtPerDay,              &kTxtSendMode,
    &kTxtSendModeDaily, &kTxtDailySendTime,     &kTxtRemoteControl,       &kTxtRemoteInterval,
    &kTxtNoRemoteCommand22, &kTxtRemotePhoneNumber, &kTxtRemoteReceiverEmail, &kTxtRemote60Photos,
    &kTxtReceives22Files, &kTxtSavePath,        &kTxtBrowse,              &kTxtPreviousPage,
    &kTxtGenerate,
};
static_assert(std::size(kLabelIds) == std::size(kLabelTexts));
const UiLabelList kSendSettingsLabels = {kLabelIds, kLabelTexts};

// The leading decimal digits of an edit, at most `digits` of them.
int LeadingNumber(platform::Dialog& dlg, int id, int digits) {
  const std::string text = dlg.Text(id);
  int value = 0;
  for (int i = 0; i < digits && i < static_cast<int>(text.size()); ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

const wctl::Control& PageControl(int id) { return *wctl::FindControl(wctl::Window::Send, id); }

// Degrees: with minutes or seconds above 0 the last degree is not reachable.
void CheckDegrees(platform::Dialog& dlg, const Coordinate& c) {
  const int minutes = LeadingNumber(dlg, c.min, 2);
  const int seconds = LeadingNumber(dlg, c.sec, 2);
  const uint16_t max = (minutes > 0 || seconds > 0) ? c.max_deg - 1 : c.max_deg;
  Diag("iMin = %d, uwMaxVal = %d\n", minutes, max);
  CheckEditRange(dlg, c.deg, 0, max);
}

// Minutes and seconds: none at the last degree.
void CheckMinutesSeconds(platform::Dialog& dlg, const Coordinate& c, int id) {
  const int degrees = LeadingNumber(dlg, c.deg, PageControl(c.deg).chars);
  CheckEditRange(dlg, id, 0, degrees == c.max_deg ? 0 : 59);
}

class SendSettingsPage final : public platform::Window {
 public:
  int TemplateId() const override { return kSendSettingsTemplate; }

  void OnInit(platform::Dialog& dlg) override {
    SetLimits(dlg);
    SetTexts(dlg);
    TakeRecord();
    ShowRecipients(dlg);
    ApplySendBy(dlg);
    ApplyModel(dlg);
    ShowRemote(dlg);
    ApplyFinalModelRules(dlg);
  }

  void OnCommand(platform::Dialog& dlg, int id, platform::Notify what) override;

  void OnClose(platform::Dialog& dlg) override {
    // Nothing is carried over: g_sSendSet holds what it held.
    SetNext(platform::WindowKind::Main);
    dlg.End(0);
  }

 private:
  void SetLimits(platform::Dialog& dlg);
  void SetTexts(platform::Dialog& dlg);
  void TakeRecord();
  void ShowRecipients(platform::Dialog& dlg);
  void ApplySendBy(platform::Dialog& dlg);
  void ApplyModel(platform::Dialog& dlg);
  void ShowRemote(platform::Dialog& dlg);
  void ApplyFinalModelRules(platform::Dialog& dlg);
  void HidePositionSection(platform::Dialog& dlg);
  void OnEditChange(platform::Dialog& dlg, int id);
  void OnBrowse(platform::Dialog& dlg);
  void OnPreviousPage(platform::Dialog& dlg);

  bool compacted_ = false;
};

// 1. Icon, edit limits, the command-22 box and the folder.
void SendSettingsPage::SetLimits(platform::Dialog& dlg) {
  dlg.SetIcon(kSmallIcon);
  wctl::SetLimits(dlg, wctl::ControlsOf(wctl::Window::Send));
  dlg.SetLimit(kMaxNum, 4);
  dlg.SetText(kMaxNum, "");
  dlg.SetLimit(kFolder, kFolderLimit);
  dlg.SetChecked(kNoRemoteCmd22, App().NoRemoteCommand22);
  dlg.SetText(kFolder, ReadTextField(App().SaveFolder));
}

// 2. Texts, lists and the stored position.
void SendSettingsPage::SetTexts(platform::Dialog& dlg) {
  dlg.SetTitle(UiStr(kTxtSendSettings));
  ApplyUiLabels(dlg, kSendSettingsLabels);
  wctl::AddListEntries(dlg, PageControl(kLonDir));
  wctl::AddListEntries(dlg, PageControl(kLatDir));
  wctl::AddListEntries(dlg, PageControl(kImageSize));
  AddUiList(dlg, kSendMode, kListSendTiming);
  dlg.ListSelect(kSendMode, 0);
  AddUiList(dlg, kDailyTime, kListDailySendHour);
  wctl::AddListEntries(dlg, PageControl(kRemoteInterval));
  ShowSendPageFields(dlg, wctl::Group::Position, App().g_sSendSet);
}

// 3. The first opening edits the record as the wireless parameter page left
// it; later openings start from the copy carried between the pages.
void SendSettingsPage::TakeRecord() {
  if (App().SendSettingsFirstOpen)
    App().SendSettingsFirstOpen = false;
  else
    App().g_sSendSet = App().SendSetSnapshot;
}

// 4. Recipients.
void SendSettingsPage::ShowRecipients(platform::Dialog& dlg) {
  ShowSendPageFields(dlg, wctl::Group::Recipients, App().g_sSendSet);
}

// 5. What the send-by mode uses.
void SendSettingsPage::ApplySendBy(platform::Dialog& dlg) {
  bool phones = false, emails = false, coordinates = false;
  switch (App().g_sSendSet.bySendBy) {
    case kSendMms:
      phones = emails = true;
      App().g_sSendSet.bySendImgSize = 1;
      dlg.Enable(kImageSize, false);
      break;
    case kSendEmail:
      emails = true;
      dlg.Enable(kImageSize, true);
      break;
    case kSendFtp:
    case kSendCloud:
      dlg.Enable(kImageSize, true);
      coordinates = App().s_eFtpEditUse == 1;
      break;
    default:
      break;
  }
  for (int id : {kPhone1, kPhone2}) dlg.Enable(id, phones);
  for (int id : {kEmail1, kEmail2}) dlg.Enable(id, emails);
  ShowCoordinateInputs(dlg, coordinates);
  // Without its inputs the position section stays in place, greyed, so
  // that it reads as not used in this mode rather than as missing fields.
  for (int id : kCoordinateLabels) dlg.Enable(id, coordinates);
}

void SendSettingsPage::HidePositionSection(platform::Dialog& dlg) {
  ShowCoordinateInputs(dlg, false);
  for (int id : kCoordinateLabels) dlg.Show(id, false);
  if (!compacted_) CompactSendSettingsLayout(dlg);
  compacted_ = true;
}

// 6.-8. Models without a position, the picture size, the maximum number.
void SendSettingsPage::ApplyModel(platform::Dialog& dlg) {
  const ModelTraits& model = CurrentTraits();
  if (!Has(model.send_page_position)) HidePositionSection(dlg);

  dlg.Enable(kImageSize, !Has(model.fixed_picture_size));
  dlg.ListSelect(kImageSize, App().g_sSendSet.bySendImgSize == 1 ? 1 : 0);

  dlg.SetText(kMaxNum, "");
  dlg.Enable(kMaxNum, false);
  dlg.Enable(kMaxNumLabel, false);
  dlg.Enable(kPerDayLabel, false);
}

// 9.-12. Remote control, send mode and daily time.
void SendSettingsPage::ShowRemote(platform::Dialog& dlg) {
  SendSet& s = App().g_sSendSet;
  const uint16_t code = GetModelCode();
  dlg.ListSelect(kRemoteInterval, RemoteIntervalToIndex(code, s.byRemoteInterval));
  if (s.bySendBy == kSendOff) dlg.Enable(kRemoteInterval, false);
  ShowSendPageFields(dlg, wctl::Group::Remote, s);

  if (s.byDailySendTime > 23) s.byDailySendTime = 0;
  dlg.ListSelect(kDailyTime, s.byDailySendTime);
  if (s.bySendMode == 1) s.bySendMode = 0;
  dlg.ListSelect(kSendMode, 0);
  dlg.Enable(kDailyTime, false);

  const bool remote = s.byRemoteInterval <= kMaxRemoteHours;
  s.byRemoteSwitch = remote ? 1 : 0;
  dlg.ListSelect(kRemoteInterval, remote ? RemoteIntervalToIndex(code, s.byRemoteInterval) : 0);
  EnableRemoteFields(dlg, remote);

  if (s.bySendBy == kSendOff) {
    for (int id : {kImageSize, kMaxNum, kSendMode, kDailyTime}) dlg.Enable(id, false);
    s.byRemoteSwitch = 0;
    dlg.ListSelect(kRemoteInterval, 0);
    EnableRemoteFields(dlg, false);
  }
}

// 13., 14. WiFi and ULTRA models: no position, fixed size, and remote
// control only where the model offers it. Every model: the daily time is
// not used.
void SendSettingsPage::ApplyFinalModelRules(platform::Dialog& dlg) {
  if (GetCamWirelessFunc() == kWirelessWifi || IsUltraFamilyModel(kVariantAny)) {
    HidePositionSection(dlg);
    dlg.Enable(kImageSize, false);
    dlg.Enable(kSendMode, false);
    dlg.Enable(kDailyTimeLabel, false);
    const bool remote = Has(CurrentTraits().remote_control);
    dlg.Enable(kRemoteInterval, remote);
    if (!remote)
      for (int id : {kRemoteIntervalLabel, kRemotePhoneLabel, kRemoteEmailLabel}) dlg.Enable(id, false);
  }
  dlg.Enable(kDailyTimeLabel, false);
  dlg.Show(kDailyTime, false);
  dlg.Enable(kSendMode, false);
}

void SendSettingsPage::OnEditChange(platform::Dialog& dlg, int id) {
  wctl::FilterEdit(dlg, wctl::Window::Send, id, wctl::Box::Any);
  switch (id) {
    case kLonDeg:
      CheckDegrees(dlg, kLongitude);
      break;
    case kLatDeg:
      CheckDegrees(dlg, kLatitude);
      break;
    case kLonMin:
    case kLonSec:
      CheckMinutesSeconds(dlg, kLongitude, id);
      break;
    case kLatMin:
    case kLatSec:
      CheckMinutesSeconds(dlg, kLatitude, id);
      break;
    default:
      break;
  }
}

void SendSettingsPage::OnBrowse(platform::Dialog& dlg) {
  // A folder whose path does not fit is not taken, and the user is told so,
  // as in camera setup; the page keeps showing the folder it writes to.
  switch (ChooseSaveFolder()) {
    case FolderChoice::Taken:
      dlg.SetText(kFolder, ReadTextField(App().SaveFolder));
      break;
    case FolderChoice::TooLong:
      dlg.MessageBox(UiStr(kMsgFolderPathTooLong), UiStr(kTxtWarning), platform::MsgIcon::Warning);
      break;
    default:
      break;
  }
}

void SendSettingsPage::OnPreviousPage(platform::Dialog& dlg) {
  SendSet& snap = App().SendSetSnapshot;
  ReadSendPageFields(dlg, snap);
  snap.bySendImgSize = static_cast<uint8_t>(dlg.ListSelection(kImageSize) & 0xFF);
  snap.uwMaxSendImgNum = 0;
  snap.bySendMode = static_cast<uint8_t>(dlg.ListSelection(kSendMode) & 0xFF);
  snap.byDailySendTime = App().g_sSendSet.byDailySendTime;

  const uint16_t code = GetModelCode();
  const int k = dlg.ListSelection(kRemoteInterval);
  snap.byRemoteInterval = RemoteIntervalFromIndex(code, k);
  const uint8_t remote_switch =
      (snap.byRemoteInterval != kRemoteOff && App().g_sSendSet.bySendBy != kSendOff) ? 1 : 0;
  snap.byRemoteSwitch = remote_switch;
  App().g_sSendSet.byRemoteSwitch = remote_switch;

  SetNext(platform::WindowKind::WirelessParams);
  dlg.End(0);
}

void SendSettingsPage::OnCommand(platform::Dialog& dlg, int id, platform::Notify what) {
  using platform::Notify;
  if (id == kRemoteInterval) {
    EnableRemoteFields(dlg, dlg.ListSelection(kRemoteInterval) != 0);
    return;
  }
  if (what == Notify::EditChange) {
    OnEditChange(dlg, id);
    return;
  }
  if (what == Notify::KillFocus && id == kRemoteEmail) {
    CopyTextField(App().g_sSendSet.szRemoteEmail, platform::GetServices().ToRecordText(dlg.Text(kRemoteEmail)));
    Diag("# EN_KILLFOCUS, szRemoteEmail:%s\n", TextFieldString(App().g_sSendSet.szRemoteEmail).c_str());
    return;
  }
  if (what != Notify::Clicked) return;
  switch (id) {
    case kNoRemoteCmd22:
      App().NoRemoteCommand22 = dlg.IsChecked(kNoRemoteCmd22);
      dlg.Enable(kRemoteEmail, !App().NoRemoteCommand22);
      break;
    case kBrowse:
      OnBrowse(dlg);
      break;
    case kPreviousPage:
      OnPreviousPage(dlg);
      break;
    case kGenerate:
      GenerateSendSettings(dlg);
      break;
    default:
      // Enter (kIdOk) and Escape (kIdCancel) do nothing on this page.
      break;
  }
}

}  // namespace

std::unique_ptr<platform::Window> MakeSendSettingsPage() { return std::make_unique<SendSettingsPage>(); }
