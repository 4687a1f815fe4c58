// Lookups over the operator catalogue, the two operator lists of the
// wireless parameter page and the copies of a preset into g_sSendSet.
#include "wireless/operator_presets.h"

#include <cstring>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/text_field.h"
#include "wireless/wireless_page.h"

namespace {

constexpr int kFrance = 20;
constexpr int kFranceWithSfr = 3;  // "SFR" is the third French operator
constexpr uint8_t kSendByMms = 1;
constexpr uint8_t kSendByEmail = 2;
constexpr uint8_t kSendByModeMask = 0x7F;  // bit 7 only marks a record written by this program

// The models that see "SFR" (their catalogue trait).
bool OffersSfr(uint16_t model_code) { return Has(TraitsOfCode(model_code).third_french_operator); }

int Plane(int language) { return language == 0 ? 0 : 1; }

const char* OrEmpty(const char* s) { return s ? s : ""; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Names as a user would type them: ASCII case and surrounding blanks do
// not matter ("Tele2 " is found as "tele2").
bool SameName(std::string_view a, std::string_view b) {
  a = TrimBlanks(a);
  b = TrimBlanks(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// The preset the page's two lists point at, brought into the tables.
PresetIndex SelectedPreset(const platform::Dialog& dlg) {
  return ClampPresetIndex(dlg.ListSelection(operator_ctl::kCountryList),
                          dlg.ListSelection(operator_ctl::kOperatorList), GetModelCode());
}

}  // namespace

// ---------------------------------------------------------------------------
// Lookups

bool IsPresetCountry(int country) { return country >= 0 && country < OperatorCountryCount; }

int OfferedOperatorCount(int country, uint16_t model_code) {
  if (!IsPresetCountry(country)) return 0;
  if (country == kFrance && OffersSfr(model_code)) return kFranceWithSfr;
  const int count = static_cast<int>(OperatorNameTable[1][country].count & 0xFF);
  return count < OperatorsPerCountry ? count : OperatorsPerCountry;
}

const char* OperatorCountryName(int country, int language) {
  if (!IsPresetCountry(country)) return "";
  return OrEmpty(OperatorCountryNames[country].s[Plane(language)]);
}

const char* OperatorName(int country, int op, int language) {
  if (!IsPresetCountry(country) || op < 0 || op >= OperatorsPerCountry) return "";
  return OrEmpty(OperatorNameTable[Plane(language)][country].name[op]);
}

int FindOperatorCountry(std::string_view name) {
  for (int c = 0; c < OperatorCountryCount; ++c)
    if (SameName(name, OperatorCountryName(c, 0)) || SameName(name, OperatorCountryName(c, 1)))
      return c;
  return -1;
}

int FindOperator(int country, std::string_view name, uint16_t model_code) {
  const int n = OfferedOperatorCount(country, model_code);
  for (int op = 0; op < n; ++op)
    if (SameName(name, OperatorName(country, op, 0)) || SameName(name, OperatorName(country, op, 1)))
      return op;
  return -1;
}

PresetIndex ClampPresetIndex(int country, int op, uint16_t model_code) {
  PresetIndex index;
  index.country = IsPresetCountry(country) ? country : 0;
  index.op = (op >= 0 && op < OfferedOperatorCount(index.country, model_code)) ? op : 0;
  return index;
}

const ApnPreset* FindApnPreset(int country, int op, uint16_t model_code) {
  if (op < 0 || op >= OfferedOperatorCount(country, model_code)) return nullptr;
  return &ApnPresetTable[country][op];
}

const MmsPreset* FindMmsPreset(int country, int op, uint16_t model_code) {
  if (op < 0 || op >= OfferedOperatorCount(country, model_code)) return nullptr;
  return &MmsPresetTable[country][op];
}

void CopyApnPreset(const ApnPreset& preset, SmtpSet& smtp) {
  CopyTextField(smtp.szWLNetApN, OrEmpty(preset.apn));
  CopyTextField(smtp.szWLNetAccount, OrEmpty(preset.account));
  CopyTextField(smtp.szWLNetPassword, OrEmpty(preset.password));
}

void CopyMmsPreset(const MmsPreset& preset, MmsSet& mms) {
  CopyTextField(mms.szUrl, OrEmpty(preset.url));
  CopyTextField(mms.szApn, OrEmpty(preset.apn));
  CopyTextField(mms.szGateway, OrEmpty(preset.gateway));
  CopyTextField(mms.szPort, OrEmpty(preset.port));
  CopyTextField(mms.szAccount, OrEmpty(preset.account));
  CopyTextField(mms.szPassword, OrEmpty(preset.password));
}

bool SelectOperatorPreset(SendSet& rec, int country, int op, uint16_t model_code) {
  const ApnPreset* apn = FindApnPreset(country, op, model_code);
  const MmsPreset* mms = FindMmsPreset(country, op, model_code);
  if (!apn || !mms) return false;
  rec.byOperatorCountry = static_cast<uint8_t>(country);
  rec.byOperator = static_cast<uint8_t>(op);
  CopyApnPreset(*apn, rec.sSmtpSet);
  CopyMmsPreset(*mms, rec.sMmsSet);
  return true;
}

// ---------------------------------------------------------------------------
// The page's lists

void SetOperatorCountryListRebuild(bool on) { App().g_rebuild_country_list = on; }
bool OperatorCountryListRebuild() { return App().g_rebuild_country_list; }

void ResetOperatorPresetState() { App().g_rebuild_country_list = true; }

void FillOperatorLists(platform::Dialog& dlg, bool manual) {
  using namespace operator_ctl;
  if (manual) {
    for (int id : {kCountryList, kOperatorList}) {
      dlg.Enable(id, false);
      dlg.ListReset(id);
      dlg.ListAdd(id, UiStr(OthersText));
      dlg.ListSelect(id, 0);
    }
    dlg.ListSelect(kSourceList, 1);
    return;
  }

  dlg.ListSelect(kSourceList, 0);
  dlg.Enable(kCountryList, true);
  // The flag says when the list must be rebuilt; a list that does not hold
  // the countries (a fresh dialog, or "Others" left from manual input) is
  // rebuilt as well, so that the selection below always lands on a country.
  if (App().g_rebuild_country_list || dlg.ListCount(kCountryList) != OperatorCountryCount) {
    dlg.ListReset(kCountryList);
    for (const UiText& name : OperatorCountryNames) dlg.ListAdd(kCountryList, UiStr(name));
    App().g_rebuild_country_list = false;
  }
  if (!IsPresetCountry(App().g_sSendSet.byOperatorCountry)) {
    App().g_sSendSet.byOperatorCountry = 0;
    App().g_sSendSet.byOperator = 0;
  }
  const int country = App().g_sSendSet.byOperatorCountry;
  dlg.ListSelect(kCountryList, country);

  dlg.Enable(kOperatorList, true);
  dlg.ListReset(kOperatorList);
  // France offers "SFR" to two models only; for every other model, as for
  // any country, an operator the list does not offer becomes the first.
  const int n = OfferedOperatorCount(country, GetModelCode());
  if (App().g_sSendSet.byOperator >= n) App().g_sSendSet.byOperator = 0;
  for (int op = 0; op < n; ++op) dlg.ListAdd(kOperatorList, OperatorName(country, op, App().UiLanguage));
  dlg.ListSelect(kOperatorList, App().g_sSendSet.byOperator);
}

void ApplyApnPreset(platform::Dialog& dlg) {
  const PresetIndex at = SelectedPreset(dlg);
  const ApnPreset& preset = ApnPresetTable[at.country][at.op];
  CopyApnPreset(preset, App().g_sSendSet.sSmtpSet);
  if ((App().g_sSendSet.bySendBy & kSendByModeMask) == kSendByEmail) {
    dlg.SetText(operator_ctl::kNetApnEdit, OrEmpty(preset.apn));
    dlg.SetText(operator_ctl::kNetAccountEdit, OrEmpty(preset.account));
    dlg.SetText(operator_ctl::kNetPasswordEdit, OrEmpty(preset.password));
  }
}

void ApplyMmsPreset(platform::Dialog& dlg) {
  const PresetIndex at = SelectedPreset(dlg);
  Diag("lCountrySel = %d, lrOperatorIndex = %d\n", at.country, at.op);
  CopyMmsPreset(MmsPresetTable[at.country][at.op], App().g_sSendSet.sMmsSet);
}

void CarryOperatorNames() {
  if (!IsModuleChoiceModel()) return;
  SendSet& rec = App().g_sSendSet;
  if (IsPresetCountry(rec.byOperatorCountry)) {
    const PresetIndex at = ClampPresetIndex(rec.byOperatorCountry, rec.byOperator, GetModelCode());
    CopyTextField(rec.sMmsSet.szUrl, OperatorCountryName(at.country, 1));
    CopyTextField(rec.sMmsSet.szApn, OperatorName(at.country, at.op, 1));
  } else if (rec.byOperatorCountry == ManualOperatorCountry &&
             (rec.bySendBy & kSendByModeMask) != kSendByMms) {
    // The last byte of each field is its terminator's place.
    std::memset(rec.sMmsSet.szUrl, 0, sizeof rec.sMmsSet.szUrl - 1);
    std::memset(rec.sMmsSet.szApn, 0, sizeof rec.sMmsSet.szApn - 1);
  }
}
