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

// An edit is read as a decimal number into its field; an edit that holds
// no number leaves the field as it was.
void ReadNumber(const Dialog& dlg, const MenuView& rec, int id, S s, int max_chars) {
  long v = 0;
  if (!ParseEditNumber(dlg.Text(id), max_chars, v)) return;
  rec.Set(s, static_cast<uint16_t>(MenuView::IsWide(s) ? (v & 0xFFFF) : (v & 0xFF)));
}

// Every list the window shows for the model, as the fill built it. The
// camera menu language is stored as position + 1 in most layouts; a list
// without selection (a loaded value the list cannot show) stays 0xFF like
// every other list, never the invalid 0 that the offset would make.
void ReadLists(const Dialog& dlg, const MenuView& rec, uint16_t code, int tpl) {
  for (S s : camopt::ListSettings()) {
    const auto o = camopt::FindSettingOptions(code, s);
    if (!o || !TemplateHas(tpl, o->control)) continue;
    const int pos = dlg.ListSelection(o->control);
    rec.Set(s, pos < 0 ? uint8_t{0xFF} : static_cast<uint8_t>(pos + o->offset));
  }
  // Seconds are marked by bit 7; minutes store the plain position.
  if (dlg.ListSelection(camid::kIntervalUnit) == 0)
    rec.Set(S::PirInterval, static_cast<uint16_t>(rec.Get(S::PirInterval) | 0x80));
}

// The clock mode; in layouts 2 and 3 with the time zone packed in.
void ReadSetClock(const Dialog& dlg, const MenuView& rec) {
  const uint8_t mode = Sel(dlg, camid::kSetClock);
  if (rec.layout() == 2 || rec.layout() == 3) {
    const int zone = dlg.ListSelection(camid::kTimeZone);
    if (zone >= 0) App().TimeZoneIndex = zone;
    rec.Set(S::SetClock, static_cast<uint8_t>(0x80 | ((App().TimeZoneIndex & 0x1F) << 2) | mode));
  } else {
    rec.Set(S::SetClock, mode);
  }
}

// The number edits the layout stores, the clock's first.
void ReadNumbers(const Dialog& dlg, const MenuView& rec, bool clock) {
  for (const camopt::ControlDesc& c : camopt::Controls())
    if (c.kind == camopt::ControlKind::Number && (c.opener == camopt::Opener::ClockInput) == clock &&
        rec.Has(c.setting))
      ReadNumber(dlg, rec, c.control, c.setting, c.chars);
}

// 40127 and 40130: video sound, exposure or black-and-white photo level.
void ReadTailLists(const Dialog& dlg, const MenuView& rec) {
  const camopt::TailLists& t = camopt::TailListsOf(camopt::CamGroupOf(GetModelCode()));
  if (t.time_zone_setting != S::Count) rec.Set(t.time_zone_setting, Sel(dlg, camid::kTimeZone));
  if (t.video_sound_read != S::Count) rec.Set(t.video_sound_read, Sel(dlg, camid::kVideoSound));
  if (t.photo_ev_fixed) rec.Set(S::PhotoEv, 2);
}

// The serial number as text: at most ten characters, zero-terminated in
// the field's eleven bytes.
void ReadSerialText(const Dialog& dlg, const MenuView& rec) {
  const camopt::ControlDesc* c = camopt::FindControl(S::SerialText);
  char* field = rec.Bytes(S::SerialText);
  if (!c || !field) return;
  const std::string text = dlg.Text(c->control);
  CopyTextField(field, kSerialTextSize, std::string_view(text).substr(0, utf8::PrefixBytes(text, c->chars)));
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
  const uint16_t code = GetModelCode();
  const MenuView rec(App().MenuLayout == 2 || App().MenuLayout == 3 ? App().MenuLayout : App().CamSetupDlgId == camid::kTemplateFull ? 1 : 0);
  const int layout = rec.layout();
  ReadLists(dlg, rec, code, CamSetupTemplate());
  if (layout >= 1) ReadTailLists(dlg, rec);
  ReadSetClock(dlg, rec);
  ReadNumbers(dlg, rec, true);
  Diag("Y:%d,M:%d,D:%d, h:%d, m:%d, s:%d\n", rec.Get(S::ClockYear), rec.Get(S::ClockMonth), rec.Get(S::ClockDay),
       rec.Get(S::ClockHour), rec.Get(S::ClockMinute), rec.Get(S::ClockSecond));
  if (layout >= 1) {
    rec.Set(S::LongitudeDir, Sel(dlg, camid::kLongitudeDir));
    rec.Set(S::LatitudeDir, Sel(dlg, camid::kLatitudeDir));
    ReadNumbers(dlg, rec, false);
  }
  if (layout == 2 && IsP2Model()) {
    rec.Set(S::Reserved0, Sel(dlg, camid::kScene));
    Diag("CamMenuSet1->byReserved[0] = %d\n", rec.Get(S::Reserved0));
    rec.Set(S::CheckFlag, 0x8086);
    Diag("CamMenuSet1->uwCheckFlag = %X\n", rec.Get(S::CheckFlag));
    if (rec.Get(S::Reserved0) > 2) rec.Set(S::Reserved0, 0);
  }
  if (layout == 3) ReadSerialText(dlg, rec);
}
