// The camera setup window: opening, the one-second clock, the change
// handlers and edit checks, Browse, Default, Generate and closing.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "camera/cam_setup.h"
#include "camera/cam_setup_ids.h"
#include "camera/menu_view.h"
#include "camera/option_lists.h"
#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/text_field.h"
#include "records/time_zone.h"
#include "shell/checks.h"
#include "shell/save_failure.h"
#include "shell/save_folder.h"
#include "shell/ui_strings.h"

using platform::Dialog;
using platform::MsgIcon;
using platform::Notify;
using S = MenuSetting;

namespace {

// s_bSerialWarningUp is true while the serial number warning is up: the
// focus change the box itself causes must not raise it again. Leaving
// again with the text last warned about (s_sSerialWarnedText) accepts it,
// so the user is warned once and can then move on.

long EditNumber(const Dialog& dlg, int id) {
  long v = 0;
  return ParseEditNumber(dlg.Text(id), 8, v) ? v : 0;
}

std::string Decimal(long v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%ld", v);
  return buf;
}

// CheckEditRange with its out-of-range warning armed for this one call.
void CheckRangeWarned(Dialog& dlg, int id, uint16_t min, uint16_t max) {
  App().RangeWarnArmed = true;
  CheckEditRange(dlg, id, min, max);
  App().RangeWarnArmed = false;
}

// The day edit may not exceed the days of the month shown.
void CorrectDay(Dialog& dlg) {
  const int days = DaysInMonth(static_cast<int>(EditNumber(dlg, camid::kClockYear)),
                               static_cast<int>(EditNumber(dlg, camid::kClockMonth)));
  if (EditNumber(dlg, camid::kClockDay) > days) dlg.SetText(camid::kClockDay, Decimal(days));
}

bool IsClockEdit(int id) { return id >= camid::kClockYear && id <= camid::kClockSecond; }

// Rebuilds the interval value list for a new unit so that the number shown
// stays the same as far as the new unit allows.
void SwitchIntervalUnit(Dialog& dlg, int unit) {
  if (unit < 0 || unit == App().IntervalUnit) return;
  const int p = dlg.ListSelection(camid::kInterval);
  dlg.ListReset(camid::kInterval);
  const camopt::OptionList values = camopt::IntervalValueList(unit);
  for (int i = 0; i < camopt::EntryCount(values); ++i)
    dlg.ListAdd(camid::kInterval, camopt::EntryText(values, i, App().UiLanguage));
  int pos = -1;
  if (p >= 0) pos = unit == 1 ? (p > 0 ? p - 1 : 0) : (p < 58 ? p : 58) + 1;
  dlg.ListSelect(camid::kInterval, pos);
  App().IntervalUnit = unit;
}

void OnSetClockChange(Dialog& dlg, int pos) {
  MenuSet(S::SetClock, static_cast<uint16_t>(pos & 0xFF));
  EnableClockEdits(dlg, pos == camopt::kSetClockInput);
  if (pos != camopt::kSetClockOff) {
    ShowPcClock(dlg);
  } else {
    for (int id = camid::kClockYear; id <= camid::kClockSecond; ++id) dlg.SetText(id, "");
  }
}

void OnCapModeChange(Dialog& dlg, int pos) {
  if (pos == camopt::kCapModeVideo60) {
    if (dlg.ListSelection(camid::kVideoSize) != camopt::kVideoSize1080P)
      dlg.ListSelect(camid::kVideoSize, camopt::kVideoSize1080P);
    dlg.Enable(camid::kVideoSize, false);
  } else {
    dlg.Enable(camid::kVideoSize, true);
  }
}

void OnSelChange(Dialog& dlg, int id) {
  const int pos = dlg.ListSelection(id);
  switch (id) {
    case camid::kCapMode: OnCapModeChange(dlg, pos); break;
    case camid::kIntervalUnit: SwitchIntervalUnit(dlg, pos); break;
    case camid::kSetClock: OnSetClockChange(dlg, pos); break;
    case camid::kTimer1On: EnableTimer1(dlg, pos == 1); break;
    case camid::kTimer2On: EnableTimer2(dlg, pos == 1); break;
    case camid::kSerialOn: EnableSerial(dlg, pos == 1); break;
    case camid::kTimeLapseOn: EnableTimeLapse(dlg, TimeLapseIsOn(pos)); break;
    default: break;
  }
}

// Coordinates are checked as they are typed: a degree value at its maximum
// (180, 90) allows no minutes or seconds.
void OnCoordinateChange(Dialog& dlg, int id) {
  switch (id) {
    case camid::kLongitudeDeg:
    case camid::kLatitudeDeg: {
      const bool lon = id == camid::kLongitudeDeg;
      const long min = EditNumber(dlg, lon ? camid::kLongitudeMin : camid::kLatitudeMin);
      const long sec = EditNumber(dlg, lon ? camid::kLongitudeSec : camid::kLatitudeSec);
      Diag("iMin = %ld, uwMaxVal = %ld\n", min, sec);
      const uint16_t top = lon ? 180 : 90;
      CheckRangeWarned(dlg, id, 0, (min > 0 || sec > 0) ? top - 1 : top);
      break;
    }
    case camid::kLongitudeMin:
    case camid::kLongitudeSec:
      CheckRangeWarned(dlg, id, 0, EditNumber(dlg, camid::kLongitudeDeg) == 180 ? 0 : 59);
      break;
    case camid::kLatitudeMin:
    case camid::kLatitudeSec:
      CheckRangeWarned(dlg, id, 0, EditNumber(dlg, camid::kLatitudeDeg) == 90 ? 0 : 59);
      break;
    default: break;
  }
}

void OnEditChange(Dialog& dlg, int id) {
  if (IsClockEdit(id)) {
    FilterEditChars(dlg, id, kDigits);
  } else if (id == camid::kSerialText) {
    FilterEditChars(dlg, id, kDigitsUpper);
  } else {
    OnCoordinateChange(dlg, id);
  }
}

void OnSerialLeave(Dialog& dlg) {
  if (App().s_bSerialWarningUp || dlg.TextLength(camid::kSerialText) > 3) return;
  const std::string text = dlg.Text(camid::kSerialText);
  if (App().s_bSerialWarned && text == App().s_sSerialWarnedText) return;
  App().s_bSerialWarned = true;
  App().s_sSerialWarnedText = text;
  App().s_bSerialWarningUp = true;
  dlg.MessageBox(UiStr(kMsgSerialNumberRule), UiStr(kTxtWarning), MsgIcon::Warning);
  dlg.SetFocus(camid::kSerialText);
  App().s_bSerialWarningUp = false;
}

void OnKillFocus(Dialog& dlg, int id) {
  switch (id) {
    case camid::kClockYear:
      CheckEditRange(dlg, id, 2016, 2099);
      CorrectDay(dlg);
      break;
    case camid::kClockMonth:
      CheckEditRange(dlg, id, 1, 12);
      CorrectDay(dlg);
      break;
    case camid::kClockDay:
      CheckEditRange(dlg, id, 1,
                     static_cast<uint16_t>(DaysInMonth(static_cast<int>(EditNumber(dlg, camid::kClockYear)),
                                                       static_cast<int>(EditNumber(dlg, camid::kClockMonth)))));
      break;
    case camid::kClockHour: CheckEditRange(dlg, id, 0, 23); break;
    case camid::kClockMinute:
    case camid::kClockSecond: CheckEditRange(dlg, id, 0, 59); break;
    case camid::kSerialText: OnSerialLeave(dlg); break;
    default: break;
  }
}

void OnBrowse(Dialog& dlg) {
  switch (ChooseSaveFolder()) {
    case FolderChoice::Taken: dlg.SetText(camid::kSaveFolder, ReadTextField(App().SaveFolder)); break;
    case FolderChoice::TooLong:
      dlg.MessageBox(UiStr(kMsgFolderPathTooLong), UiStr(kTxtWarning), MsgIcon::Warning);
      break;
    case FolderChoice::Cancelled: break;
  }
}

// Writes menu.dat and reads it back; a success only when the file read
// back holds what was written. Otherwise the record keeps what the window
// wrote, so a card that returns other bytes loses none of the user's values.
RecordOutcome WriteAndVerify() {
  if (RecordOutcome saved = SaveMenuFile(); !saved) return saved;
  const int layout = App().MenuLayout;
  uint8_t* rec = MenuRecord(layout);
  const int size = MenuSize(layout);
  if (!rec || size <= 0) return RecordOutcome::Fault(RecordFault::SystemError, EINVAL);
  const std::vector<uint8_t> written(rec, rec + size);
  const int zone = App().TimeZoneIndex;
  if (RecordOutcome loaded = LoadMenuFile(PcUtcOffset()); !loaded) return loaded;
  // Loading takes the time zone out of the clock mode byte.
  std::vector<uint8_t> expect = written;
  const int clock_at = FieldLocation(S::SetClock, layout);
  if ((layout == 2 || layout == 3) && clock_at >= 0 && expect[clock_at] > 3) expect[clock_at] &= 3;
  if (std::memcmp(rec, expect.data(), expect.size()) == 0) return RecordOutcome::Done();
  Diag("menu.dat read back differs from what was written\n");
  std::memcpy(rec, written.data(), written.size());
  App().TimeZoneIndex = zone;
  return RecordOutcome::Fault(RecordFault::OtherFile, 0, size);
}

// Writes and verifies menu.dat, then confirms with `success` or warns why not.
void WriteAndConfirm(Dialog& dlg, const UiText& success) {
  if (const RecordOutcome outcome = WriteAndVerify(); !outcome)
    ShowSaveFailure(dlg, kMenuFileName, outcome);
  else
    dlg.MessageBox(UiStr(success), UiStr(kTxtNotice), MsgIcon::Information);
}

void OnDefault(Dialog& dlg) {
  ApplyMenuDefaults();
  if (App().MenuLayout == 1) MenuSet(S::CheckFlag, 0x8082);
  if (App().MenuLayout == 2 || App().MenuLayout == 3) MenuSet(S::Reset, 1);
  dlg.ListReset(camid::kInterval);
  FillCamSetupControls(dlg, 1);
  ApplyCamSetupEnabling(dlg);
  // The factory clock mode reads the time from the clock fields, which
  // are empty when the mode was Off.
  if (MenuGet(S::SetClock) != camopt::kSetClockOff) ShowPcClock(dlg);
  ReadCamSetupControls(dlg);
  WriteAndConfirm(dlg, kMsgDefaultGenerateSuccess);
}

void OnGenerate(Dialog& dlg) {
  if (App().MenuLayout == 1) MenuSet(S::CheckFlag, 0x8081);
  if (App().MenuLayout == 2 || App().MenuLayout == 3) MenuSet(S::Reset, 0);
  ReadCamSetupControls(dlg);
  WriteAndConfirm(dlg, kMsgGenerateSuccess);
}

class DlgCamSetup final : public platform::Window {
 public:
  explicit DlgCamSetup(int template_id) : template_id_(template_id) {}

  int TemplateId() const override { return template_id_; }

  void OnInit(Dialog& dlg) override {
    App().s_bSerialWarned = false;
    dlg.SetIcon(camid::kIconCamSetup);
    const bool full = template_id_ == camid::kTemplateFull;
    // Each edit takes the characters its record field is read back from.
    for (const camopt::ControlDesc& c : camopt::Controls())
      if (c.kind != camopt::ControlKind::List && TemplateHas(template_id_, c.control)) dlg.SetLimit(c.control, c.chars);
    if (full) {
      dlg.SetLimit(camid::kUnusedEdit0, 47);
      dlg.SetLimit(camid::kUnusedEdit1, 47);
    }

    ChooseMenuLayout();
    LoadOrDefaultMenuOnce(PcUtcOffset());

    FillCamSetupControls(dlg, 0);
    ApplyCamSetupEnabling(dlg);
    if (full) {
      dlg.SetTextColor(camid::kLblTimeZone, camid::kTimeZoneLabelRgb);
      // On NANO-B the time zone row holds the video sound: show it with
      // the capture settings, in the row the scene takes on other models.
      if (App().MenuLayout == 1) {
        dlg.MoveControl(camid::kLblTimeZone, dlg.ControlRect(camid::kLblScene));
        dlg.MoveControl(camid::kTimeZone, dlg.ControlRect(camid::kScene));
      }
    }

    if (MenuGet(S::SetClock) != camopt::kSetClockOff) ShowPcClock(dlg);
    dlg.SetText(camid::kSaveFolder, ReadTextField(App().SaveFolder));

    dlg.SetLimit(camid::kSaveFolder, kSaveFolderSize);

    if (App().s_iTimerID == 0) {
      dlg.StartTimer(camid::kClockTimerId, camid::kClockTimerMs);
      App().s_iTimerID = camid::kClockTimerId;
    }
  }

  void OnCommand(Dialog& dlg, int id, Notify what) override {
    switch (what) {
      case Notify::SelChange: OnSelChange(dlg, id); break;
      case Notify::EditChange: OnEditChange(dlg, id); break;
      case Notify::KillFocus: OnKillFocus(dlg, id); break;
      case Notify::Clicked:
        if (id == camid::kBrowse) OnBrowse(dlg);
        if (id == camid::kDefault) OnDefault(dlg);
        if (id == camid::kGenerate) OnGenerate(dlg);
        // Enter (kIdOk) and Escape (kIdCancel) do nothing.
        break;
      case Notify::SelEndOk: break;
    }
  }

  void OnTimer(Dialog& dlg, int timer_id) override {
    if (timer_id == camid::kClockTimerId && dlg.ListSelection(camid::kSetClock) == camopt::kSetClockAuto)
      ShowPcClock(dlg);
  }

  void OnClose(Dialog& dlg) override {
    // Keep the edits in memory for the next opening; nothing is written.
    ReadCamSetupControls(dlg);
    Diag("DlgCamSetup CLOSE, s_iTimerID = %d\n", App().s_iTimerID);
    if (App().s_iTimerID != 0) {
      dlg.StopTimer(App().s_iTimerID);
      App().s_iTimerID = 0;
    }
    SetNext(platform::WindowKind::Main);
    dlg.End(0);
  }

 private:
  int template_id_;
};

}  // namespace

int PcUtcOffset() {
  if (platform::HasServices()) return platform::GetServices().PcUtcOffsetHours();
  return LocalStandardUtcOffsetHours();
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

std::unique_ptr<platform::Window> MakeCameraSetupWindow() {
  return std::make_unique<DlgCamSetup>(CamSetupTemplate());
}
