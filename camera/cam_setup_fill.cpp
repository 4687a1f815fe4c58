// Filling the camera setup window from the record, and its enabling rules.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "camera/cam_setup.h"
#include "camera/cam_setup_ids.h"
#include "camera/menu_view.h"
#include "camera/option_lists.h"
#include "platform/layout.h"
#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"

using camopt::CamGroup;
using camopt::EntryKind;
using camopt::OptionList;
using platform::Dialog;
using S = MenuSetting;

namespace {

void AddEntries(Dialog& dlg, int id, const OptionList& list) {
  const int n = camopt::EntryCount(list);
  for (int i = 0; i < n; ++i) dlg.ListAdd(id, camopt::EntryText(list, i, App().UiLanguage));
}

std::string Decimal(long v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%ld", v);
  return buf;
}

// The window's labels: the 39-row list with this model's texts for the
// beep sound and TV system labels, limited to the controls the template has.
void ApplyCamLabels(Dialog& dlg, CamGroup g, int tpl) {
  const camopt::GroupTraits& t = camopt::TraitsOf(g);
  std::vector<int> ids;
  std::vector<const UiText*> texts;
  for (int row = 0; row < kCamSetupLabelRows; ++row) {
    const int id = kLabelIdsCamSetup[row];
    if (!TemplateHas(tpl, id)) continue;
    const UiText* text = kLabelTextsCamSetup[row];
    if (tpl == camid::kTemplateFull) {
      if (id == camid::kLblBeepSound) text = t.beep_label;
      if (id == camid::kLblTvSystem) text = t.tv_label;
    }
    ids.push_back(id);
    texts.push_back(text);
  }
  ApplyUiLabels(dlg, UiLabelList{ids, texts});
}

// In layouts 2 and 3 a write back without a reload leaves the time zone in
// the clock mode byte; take it apart as loading the file does.
void SplitPackedSetClock(const MenuView& rec) {
  if (rec.layout() != 2 && rec.layout() != 3) return;
  const uint16_t b = rec.Get(S::SetClock);
  if (b <= 3) return;
  App().TimeZoneIndex = (b >> 2) & 0x1F;
  rec.Set(S::SetClock, b & 3);
}

void FillInterval(Dialog& dlg, const MenuView& rec, bool build) {
  const uint16_t b = rec.Get(S::PirInterval);
  Diag("PirInterval = 0x%X, PirInterval&0x80 = %d, IntrvlFlg = %d\n", b, b & 0x80, 1);
  const camopt::PirIntervalParts parts = camopt::DecodePirInterval(static_cast<uint8_t>(b));
  App().IntervalUnit = parts.unit;
  rec.Set(S::PirInterval, static_cast<uint16_t>(parts.pos));
  if (build) AddEntries(dlg, camid::kIntervalUnit, camopt::IntervalUnitList());
  dlg.ListSelect(camid::kIntervalUnit, App().IntervalUnit);
  dlg.ListReset(camid::kInterval);
  AddEntries(dlg, camid::kInterval, camopt::IntervalValueList(App().IntervalUnit));
  Diag("PirInterval bySel = %d\n", parts.pos);
  dlg.ListSelect(camid::kInterval, parts.pos);
}

void FillSetting(Dialog& dlg, const MenuView& rec, const camopt::SettingOptions& o, S s, bool build) {
  if (build) AddEntries(dlg, o.control, o.list);
  int v = rec.Get(s);
  if (o.clamp.above >= 0 && v > o.clamp.above) {
    v = o.clamp.becomes;
    rec.Set(s, static_cast<uint16_t>(v));
  }
  if (o.offset > 0 && v < o.offset) {  // Language 0 is not a valid value
    v = o.offset;
    rec.Set(s, static_cast<uint16_t>(v));
  }
  dlg.ListSelect(o.control, v - o.offset);
}

void FillPosition(Dialog& dlg, const MenuView& rec, bool build) {
  const auto lon = camopt::FindSettingOptions(GetModelCode(), S::LongitudeDir);
  const auto lat = camopt::FindSettingOptions(GetModelCode(), S::LatitudeDir);
  if (build && lon) AddEntries(dlg, camid::kLongitudeDir, lon->list);
  if (build && lat) AddEntries(dlg, camid::kLatitudeDir, lat->list);
  Diag("**\t g_sSendSet.sLongitude:\t(%d)%d\xE3\x80\x82%d'%d\"\n", rec.Get(S::LongitudeDir), rec.Get(S::LongitudeDeg),
       rec.Get(S::LongitudeMin), rec.Get(S::LongitudeSec));
  dlg.ListSelect(camid::kLongitudeDir, rec.Get(S::LongitudeDir));
  dlg.ListSelect(camid::kLatitudeDir, rec.Get(S::LatitudeDir));
  // The number edits that show the record (the clock edits show the PC's clock).
  for (const camopt::ControlDesc& c : camopt::Controls())
    if (c.kind == camopt::ControlKind::Number && c.opener != camopt::Opener::ClockInput && rec.Has(c.setting))
      dlg.SetText(c.control, Decimal(rec.Get(c.setting)));
}

// The controls after the time lapse: time zone or video sound in 40127,
// video sound or exposure in 40130, the position and the scene.
void FillLayoutTail(Dialog& dlg, const MenuView& rec, CamGroup g, bool build) {
  const int layout = rec.layout();
  if (layout < 1 || layout > 3) return;
  const camopt::TailLists& t = camopt::TailListsOf(g);
  ApplyUiLabels(dlg, kLabelsCoordinate);

  if (t.time_zone_label) dlg.SetText(camid::kLblTimeZone, UiStr(*t.time_zone_label));
  if (build) AddEntries(dlg, camid::kTimeZone, t.time_zone_list);
  if (t.time_zone_setting == S::Count) {
    if (App().TimeZoneIndex < 0 || App().TimeZoneIndex >= camopt::kTimeZoneCount) App().TimeZoneIndex = camopt::kTimeZoneUtc;
    dlg.ListSelect(camid::kTimeZone, App().TimeZoneIndex);
  } else {
    dlg.ListSelect(camid::kTimeZone, rec.Get(t.time_zone_setting));
  }

  if (t.video_sound_label) dlg.SetText(camid::kLblVideoSound, UiStr(*t.video_sound_label));
  if (build) AddEntries(dlg, camid::kVideoSound, t.video_sound_list);
  dlg.ListSelect(camid::kVideoSound, rec.Get(t.video_sound_fill));

  FillPosition(dlg, rec, build);

  if (t.scene_list.kind != EntryKind::Empty) {
    dlg.SetText(camid::kLblScene, UiStr(kTxtScene));
    if (build) AddEntries(dlg, camid::kScene, t.scene_list);
    uint16_t v = rec.Get(S::Reserved0);
    if (v > 2) {
      v = 0;
      rec.Set(S::Reserved0, v);
    }
    dlg.ListSelect(camid::kScene, v);
    Diag("s_sCamMenuSet1.byReserved[0] = %d, *pbyVal = %d\n", v, v);
  }
}

// Enabling steps per model group, as data.
enum class Act : uint8_t { Enable, Disable, Show, Hide };
struct Step {
  int id;
  Act act;
};

constexpr Step kLayout23Common[] = {
    {camid::kLblDateFormat, Act::Enable},
    {camid::kDateFormat, Act::Enable},
    {camid::kLblBeepSound, Act::Enable},
    {camid::kBeepSound, Act::Enable},
};
constexpr Step kStepsTvOn[] = {
    {camid::kLblTvSystem, Act::Enable},
    {camid::kTvSystem, Act::Enable},
};
constexpr Step kStepsP3[] = {
    {camid::kFrameVideoSound, Act::Show}, {camid::kLblVideoSound, Act::Show}, {camid::kVideoSound, Act::Show},
    {camid::kLblTvSystem, Act::Disable},  {camid::kTvSystem, Act::Disable},
};
// VORN-P4 and VORN-P5: no beep, no menu language, video sound shown only.
constexpr Step kStepsNoBeepNoLanguage[] = {
    {camid::kLblBeepSound, Act::Disable}, {camid::kBeepSound, Act::Hide},       {camid::kLblLanguage, Act::Disable},
    {camid::kLanguage, Act::Disable},     {camid::kLanguage, Act::Hide},        {camid::kLblVideoSound, Act::Disable},
    {camid::kVideoSound, Act::Disable},
};
constexpr Step kStepsUltra[] = {
    {camid::kLblBeepSound, Act::Enable},  {camid::kBeepSound, Act::Enable},     {camid::kLblTvSystem, Act::Enable},
    {camid::kTvSystem, Act::Enable},      {camid::kLblTimeZone, Act::Disable},  {camid::kTimeZone, Act::Disable},
    {camid::kLblVideoSound, Act::Disable}, {camid::kVideoSound, Act::Disable},  {camid::kLblLanguage, Act::Disable},
    {camid::kLanguage, Act::Disable},     {camid::kLanguage, Act::Hide},
};
// Layout 3 keeps the serial number as text.
constexpr Step kLayout3Serial[] = {
    {camid::kSerialChar0 + 0, Act::Hide}, {camid::kSerialChar0 + 0, Act::Disable},
    {camid::kSerialChar0 + 1, Act::Hide}, {camid::kSerialChar0 + 1, Act::Disable},
    {camid::kSerialChar0 + 2, Act::Hide}, {camid::kSerialChar0 + 2, Act::Disable},
    {camid::kSerialChar0 + 3, Act::Hide}, {camid::kSerialChar0 + 3, Act::Disable},
    {camid::kSerialText, Act::Show},
};
constexpr Step kStepsScene[] = {
    {camid::kLblScene, Act::Show},
    {camid::kScene, Act::Show},
};

struct GroupEnabling {
  std::span<const Step> before_rules;  // after the layout's common steps
  std::span<const Step> after_rules;
};
const GroupEnabling kEnabling[camopt::kCamGroups] = {
    {{}, {}},                          // Legacy
    {kStepsTvOn, {}},                  // NanoA
    {{}, {}},                          // NanoB
    {kStepsTvOn, kStepsScene},         // P2
    {kStepsP3, {}},                    // P3
    {kStepsNoBeepNoLanguage, {}},      // P4
    {kStepsNoBeepNoLanguage, {}},      // P5
    {kStepsUltra, {}},                 // Ultra
};

void Apply(Dialog& dlg, std::span<const Step> steps) {
  for (const Step& s : steps) {
    switch (s.act) {
      case Act::Enable: dlg.Enable(s.id, true); break;
      case Act::Disable: dlg.Enable(s.id, false); break;
      case Act::Show: dlg.Show(s.id, true); break;
      case Act::Hide: dlg.Show(s.id, false); break;
    }
  }
}

// Enables or disables the controls that a switch opens.
void EnableOpened(Dialog& dlg, camopt::Opener opener, bool on) {
  for (const camopt::ControlDesc& c : camopt::Controls())
    if (c.opener == opener) dlg.Enable(c.control, on);
}

constexpr int kClockEdits[] = {camid::kClockYear, camid::kClockMonth,  camid::kClockDay,
                               camid::kClockHour, camid::kClockMinute, camid::kClockSecond};

}  // namespace

bool TemplateHas(int template_id, int id) {
  const platform::DialogLayout* l = platform::FindLayout(template_id);
  if (!l) return false;
  return std::any_of(l->controls.begin(), l->controls.end(),
                     [id](const platform::ControlDef& c) { return c.id == id; });
}

int CamSetupTemplate() {
  return App().CamSetupDlgId == camid::kTemplateFull ? camid::kTemplateFull : camid::kTemplateLegacy;
}

void EnableClockEdits(Dialog& dlg, bool on) { EnableOpened(dlg, camopt::Opener::ClockInput, on); }
void EnableTimer1(Dialog& dlg, bool on) { EnableOpened(dlg, camopt::Opener::Timer1, on); }
void EnableTimer2(Dialog& dlg, bool on) { EnableOpened(dlg, camopt::Opener::Timer2, on); }
// The serial number's edit is in use only where the group keeps it as text.
void EnableSerial(Dialog& dlg, bool on) {
  const bool text = camopt::TraitsOf(camopt::CamGroupOf(GetModelCode())).serial_text;
  for (const camopt::ControlDesc& c : camopt::Controls())
    if (c.opener == camopt::Opener::Serial && (c.kind != camopt::ControlKind::Text || text)) dlg.Enable(c.control, on);
}
void EnableTimeLapse(Dialog& dlg, bool on) { EnableOpened(dlg, camopt::Opener::TimeLapse, on); }

bool TimeLapseIsOn(int pos) {
  return pos == camopt::TraitsOf(camopt::CamGroupOf(GetModelCode())).time_lapse_on_entry;
}

void ShowPcClock(Dialog& dlg) {
  if (!platform::HasServices()) return;
  const platform::LocalTime t = platform::GetServices().Now();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", t.year);
  dlg.SetText(camid::kClockYear, buf);
  const int rest[] = {t.month, t.day, t.hour, t.minute, t.second};
  for (int i = 0; i < 5; ++i) {
    std::snprintf(buf, sizeof buf, "%02d", rest[i]);
    dlg.SetText(kClockEdits[i + 1], buf);
  }
}

void FillCamSetupControls(Dialog& dlg, int refill) {
  const bool build = refill == 0;
  const uint16_t code = GetModelCode();
  const CamGroup g = camopt::CamGroupOf(code);
  const int tpl = CamSetupTemplate();
  const MenuView rec(App().MenuLayout);

  dlg.SetTitle(UiStr(kTxtCameraSetup));
  ApplyCamLabels(dlg, g, tpl);
  SplitPackedSetClock(rec);

  for (S s : camopt::ListSettings()) {
    const auto o = camopt::FindSettingOptions(code, s);
    if (!o || !TemplateHas(tpl, o->control)) continue;
    if (s == S::PirInterval) {
      FillInterval(dlg, rec, build);
      continue;
    }
    FillSetting(dlg, rec, *o, s, build);
    if (s == S::SerialChar3 && camopt::TraitsOf(g).serial_text) {
      const char* bytes = rec.Bytes(S::SerialText);
      if (bytes) dlg.SetText(camid::kSerialText, std::string(ReadTextField(bytes, kSerialTextSize)));
    }
  }
  FillLayoutTail(dlg, rec, g, build);
}

void ApplyCamSetupEnabling(Dialog& dlg) {
  const CamGroup g = camopt::CamGroupOf(GetModelCode());
  const camopt::GroupTraits& traits = camopt::TraitsOf(g);
  const MenuView rec(App().MenuLayout);
  const int layout = rec.layout();
  const GroupEnabling& e = kEnabling[static_cast<int>(g)];

  if (layout == 2 || layout == 3) {
    Apply(dlg, kLayout23Common);
    if (traits.video60) {
      const bool video60 = rec.Get(S::CapMode) == camopt::kCapModeVideo60;
      if (video60) {
        rec.Set(S::VideoSize, camopt::kVideoSize1080P);
        dlg.ListSelect(camid::kVideoSize, camopt::kVideoSize1080P);
      }
      dlg.Enable(camid::kVideoSize, !video60);
    }
    Apply(dlg, e.before_rules);
    if (layout == 3) Apply(dlg, kLayout3Serial);
  }

  EnableClockEdits(dlg, rec.Get(S::SetClock) == camopt::kSetClockInput);
  EnableTimer1(dlg, rec.Get(S::Timer1On) == 1);
  EnableTimer2(dlg, rec.Get(S::Timer2On) == 1);
  EnableSerial(dlg, rec.Get(S::SerialOn) == 1);
  EnableTimeLapse(dlg, rec.Get(S::TimeLapseOn) == traits.time_lapse_on_entry);

  if (layout == 2 || layout == 3) Apply(dlg, e.after_rules);
}
