// Writing the camera setup window's controls back into the record.
#include <cctype>
#include <string>

#include "camera/cam_setup.h"
#include "camera/cam_setup_ids.h"
#include "camera/menu_view.h"
#include "camera/option_lists.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "text/utf8.h"

using platform::Dialog;
using S = MenuSetting;

namespace {

// A list reads as its selection; no selection (-1) stores 0xFF.
uint8_t Sel(const Dialog& dlg, int id) { return static_cast<uint8_t>(dlg.ListSelection(id) & 0xFF); }

struct ListField {
  int id;
  S s;
};

void ReadLists(const Dialog& dlg, const MenuView& rec, std::initializer_list<ListField> fields) {
  for (const ListField& f : fields) rec.Set(f.s, Sel(dlg, f.id));
}

// An edit is read as a decimal number into its field; an edit that holds
// no number leaves the field as it was.
void ReadNumber(const Dialog& dlg, const MenuView& rec, int id, S s, int max_chars) {
  long v = 0;
  if (!ParseEditNumber(dlg.Text(id), max_chars, v)) return;
  rec.Set(s, static_cast<uint16_t>(MenuView::IsWide(s) ? (v & 0xFFFF) : (v & 0xFF)));
}

// Steps shared by every layout, up to the menu language.
void ReadCapture(const Dialog& dlg, const MenuView& rec, int language_offset) {
  ReadLists(dlg, rec,
            {{camid::kCapMode, S::CapMode},
             {camid::kImgSize, S::ImgSize},
             {camid::kVideoSize, S::VideoSize},
             {camid::kPicNumber, S::PicNumber},
             {camid::kTimeStamp, S::TimeStamp},
             {camid::kSenseLevel, S::SenseLevel},
             {camid::kSidePir, S::SidePir},
             {camid::kVideoLength, S::VideoLength},
             {camid::kInterval, S::PirInterval}});
  // Seconds are marked by bit 7; minutes store the plain position.
  if (dlg.ListSelection(camid::kIntervalUnit) == 0)
    rec.Set(S::PirInterval, static_cast<uint16_t>(rec.Get(S::PirInterval) | 0x80));

  const camopt::GroupTraits& t = camopt::TraitsOf(camopt::CamGroupOf(GetModelCode()));
  ReadLists(dlg, rec, {{camid::kDateFormat, S::DateFormat}, {camid::kBeepSound, t.beep_setting},
                       {camid::kSdCycle, S::SdCycle}});
  // The camera menu language is stored as position + 1 in most layouts; a
  // list without selection (a loaded value the list cannot show) stays 0xFF
  // like every other list, never the invalid 0 that the offset would make.
  const int language = dlg.ListSelection(camid::kLanguage);
  rec.Set(S::Language, language < 0 ? uint8_t{0xFF} : static_cast<uint8_t>(language + language_offset));
}

// The clock mode; in layouts 2 and 3 with the time zone packed in.
void ReadSetClock(const Dialog& dlg, const MenuView& rec) {
  const uint8_t mode = Sel(dlg, camid::kSetClock);
  if (rec.layout() == 2 || rec.layout() == 3) {
    const int zone = dlg.ListSelection(camid::kTimeZone);
    if (zone >= 0) TimeZoneIndex = zone;
    rec.Set(S::SetClock, static_cast<uint8_t>(0x80 | ((TimeZoneIndex & 0x1F) << 2) | mode));
  } else {
    rec.Set(S::SetClock, mode);
  }
}

void ReadClockAndTimers(const Dialog& dlg, const MenuView& rec) {
  ReadSetClock(dlg, rec);
  ReadNumber(dlg, rec, camid::kClockYear, S::ClockYear, 4);
  ReadNumber(dlg, rec, camid::kClockMonth, S::ClockMonth, 2);
  ReadNumber(dlg, rec, camid::kClockDay, S::ClockDay, 2);
  ReadNumber(dlg, rec, camid::kClockHour, S::ClockHour, 2);
  ReadNumber(dlg, rec, camid::kClockMinute, S::ClockMinute, 2);
  ReadNumber(dlg, rec, camid::kClockSecond, S::ClockSecond, 2);
  Diag("Y:%d,M:%d,D:%d, h:%d, m:%d, s:%d\n", rec.Get(S::ClockYear), rec.Get(S::ClockMonth), rec.Get(S::ClockDay),
       rec.Get(S::ClockHour), rec.Get(S::ClockMinute), rec.Get(S::ClockSecond));

  ReadLists(dlg, rec,
            {{camid::kTimer1On, S::Timer1On},
             {camid::kTimer1StartHour, S::Timer1StartHour},
             {camid::kTimer1StartMinute, S::Timer1StartMinute},
             {camid::kTimer1EndHour, S::Timer1EndHour},
             {camid::kTimer1EndMinute, S::Timer1EndMinute},
             {camid::kTimer2On, S::Timer2On},
             {camid::kTimer2StartHour, S::Timer2StartHour},
             {camid::kTimer2StartMinute, S::Timer2StartMinute},
             {camid::kTimer2EndHour, S::Timer2EndHour},
             {camid::kTimer2EndMinute, S::Timer2EndMinute},
             {camid::kSerialOn, S::SerialOn},
             {camid::kSerialChar0 + 0, S::SerialChar0},
             {camid::kSerialChar0 + 1, S::SerialChar1},
             {camid::kSerialChar0 + 2, S::SerialChar2},
             {camid::kSerialChar0 + 3, S::SerialChar3},
             {camid::kTimeLapseOn, S::TimeLapseOn},
             {camid::kTimeLapseHour, S::TimeLapseHour},
             {camid::kTimeLapseMinute, S::TimeLapseMinute},
             {camid::kTimeLapseSecond, S::TimeLapseSecond}});
}

void ReadPosition(const Dialog& dlg, const MenuView& rec) {
  rec.Set(S::LongitudeDir, Sel(dlg, camid::kLongitudeDir));
  ReadNumber(dlg, rec, camid::kLongitudeDeg, S::LongitudeDeg, 3);
  ReadNumber(dlg, rec, camid::kLongitudeMin, S::LongitudeMin, 2);
  ReadNumber(dlg, rec, camid::kLongitudeSec, S::LongitudeSec, 2);
  rec.Set(S::LatitudeDir, Sel(dlg, camid::kLatitudeDir));
  ReadNumber(dlg, rec, camid::kLatitudeDeg, S::LatitudeDeg, 2);
  ReadNumber(dlg, rec, camid::kLatitudeMin, S::LatitudeMin, 2);
  ReadNumber(dlg, rec, camid::kLatitudeSec, S::LatitudeSec, 2);
}

// 40127 and 40130: video sound, exposure or black-and-white photo level.
void ReadTailLists(const Dialog& dlg, const MenuView& rec) {
  const camopt::TailLists& t = camopt::TailListsOf(camopt::CamGroupOf(GetModelCode()));
  if (t.time_zone_setting != S::Count) rec.Set(t.time_zone_setting, Sel(dlg, camid::kTimeZone));
  if (t.video_sound_read != S::Count) rec.Set(t.video_sound_read, Sel(dlg, camid::kVideoSound));
  if (t.photo_ev_fixed) rec.Set(S::PhotoEv, 2);
}

void ReadLayout0(const Dialog& dlg) {
  const MenuView rec(0);
  ReadCapture(dlg, rec, 1);
  ReadClockAndTimers(dlg, rec);
}

void ReadLayout1(const Dialog& dlg) {
  const MenuView rec(1);
  ReadCapture(dlg, rec, 0);
  rec.Set(S::TvSystem, Sel(dlg, camid::kTvSystem));
  ReadTailLists(dlg, rec);
  ReadClockAndTimers(dlg, rec);
  ReadPosition(dlg, rec);
}

void ReadLayout2(const Dialog& dlg) {
  const MenuView rec(2);
  ReadCapture(dlg, rec, 1);
  rec.Set(S::TvSystem, Sel(dlg, camid::kTvSystem));
  ReadTailLists(dlg, rec);
  ReadClockAndTimers(dlg, rec);
  ReadPosition(dlg, rec);
  if (IsP2Model()) {
    rec.Set(S::Reserved0, Sel(dlg, camid::kScene));
    Diag("CamMenuSet1->byReserved[0] = %d\n", rec.Get(S::Reserved0));
    rec.Set(S::CheckFlag, 0x8086);
    Diag("CamMenuSet1->uwCheckFlag = %X\n", rec.Get(S::CheckFlag));
    if (rec.Get(S::Reserved0) > 2) rec.Set(S::Reserved0, 0);
  }
}

void ReadLayout3(const Dialog& dlg) {
  const MenuView rec(3);
  ReadCapture(dlg, rec, 1);
  rec.Set(S::TvSystem, Sel(dlg, camid::kTvSystem));
  ReadTailLists(dlg, rec);
  ReadClockAndTimers(dlg, rec);
  ReadPosition(dlg, rec);
  // At most ten characters, zero-terminated in the field's eleven bytes.
  const std::string text = dlg.Text(camid::kSerialText);
  const std::size_t n = utf8::PrefixBytes(text, kSerialTextSize - 1);
  if (char* field = rec.Bytes(S::SerialText)) CopyTextField(field, kSerialTextSize, std::string_view(text).substr(0, n));
}

}  // namespace

bool ParseEditNumber(const std::string& text, int max_chars, long& value) {
  // The first max_chars characters, as a fixed-size read of the edit gives them.
  const std::string head = text.substr(0, utf8::PrefixBytes(text, max_chars));
  std::size_t i = 0;
  while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i]))) ++i;
  bool negative = false;
  if (i < head.size() && (head[i] == '+' || head[i] == '-')) negative = head[i++] == '-';
  if (i >= head.size() || !std::isdigit(static_cast<unsigned char>(head[i]))) return false;
  long v = 0;
  for (; i < head.size() && std::isdigit(static_cast<unsigned char>(head[i])); ++i) v = v * 10 + (head[i] - '0');
  value = negative ? -v : v;
  return true;
}

void ReadCamSetupControls(Dialog& dlg) {
  switch (MenuLayout) {
    case 2: ReadLayout2(dlg); return;
    case 3: ReadLayout3(dlg); return;
    default:
      if (CamSetupDlgId == camid::kTemplateFull)
        ReadLayout1(dlg);
      else
        ReadLayout0(dlg);
  }
}
