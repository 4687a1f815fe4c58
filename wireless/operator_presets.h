// The built-in operator catalogue: 43 countries, the operators of each and
// the values a camera needs to reach each operator's data network and MMS
// service; the two drop-down lists of the wireless parameter page that
// choose one; and the operations that copy a chosen preset into the
// transmission settings record.
//
// Indices: country 0..42 (ManualOperatorCountry, 43, means hand-typed
// values), operator 0..9 within its country. A country offers the first
// `count` operators of its row; France offers a third one ("SFR") to the
// models whose catalogue row offers the third French operator only.
//
// Nothing here ever reads a table outside its row: a country outside
// 0..42, a list without selection, or an operator index at or beyond the
// number of operators the country offers falls back to entry 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/dialog.h"
#include "records/send_set.h"
#include "shell/ui_text.h"

inline constexpr int OperatorCountryCount = 43;
inline constexpr int OperatorsPerCountry = 10;
inline constexpr uint8_t ManualOperatorCountry = 43;

// Widths (bytes, terminating zero included) of the record fields the
// presets are copied into. Every preset string is shorter than its width.
inline constexpr std::size_t kNetApnWidth = sizeof(SmtpSet::szWLNetApN);           // 61
inline constexpr std::size_t kNetAccountWidth = sizeof(SmtpSet::szWLNetAccount);   // 33
inline constexpr std::size_t kNetPasswordWidth = sizeof(SmtpSet::szWLNetPassword); // 33
inline constexpr std::size_t kMmsUrlWidth = sizeof(MmsSet::szUrl);                 // 61
inline constexpr std::size_t kMmsApnWidth = sizeof(MmsSet::szApn);                 // 61
inline constexpr std::size_t kMmsGatewayWidth = sizeof(MmsSet::szGateway);         // 17
inline constexpr std::size_t kMmsPortWidth = sizeof(MmsSet::szPort);               // 9
inline constexpr std::size_t kMmsAccountWidth = sizeof(MmsSet::szAccount);         // 33
inline constexpr std::size_t kMmsPasswordWidth = sizeof(MmsSet::szPassword);       // 33

// One country's operators in one language: the number offered (only its
// low byte counts) and ten name slots. A slot at or beyond the count is
// empty or holds no string at all; both mean "no name".
struct OperatorNameRow {
  uint32_t count;
  const char* name[OperatorsPerCountry];
};
using OperatorNamePlane = std::array<OperatorNameRow, OperatorCountryCount>;

// Network access of one operator, copied into sSmtpSet.
struct ApnPreset {
  const char* apn = "";
  const char* account = "";
  const char* password = "";
};

// MMS service of one operator, copied into sMmsSet in this order.
struct MmsPreset {
  const char* url = "";      // MMS centre
  const char* apn = "";      // MMS access point
  const char* gateway = "";  // MMS proxy, as text
  const char* port = "";     // its port, decimal text
  const char* account = "";
  const char* password = "";
};

template <class Preset>
using PresetTable = std::array<std::array<Preset, OperatorsPerCountry>, OperatorCountryCount>;

// Country names {Chinese, English}, in index order.
extern const UiText OperatorCountryNames[OperatorCountryCount];
// The single entry of both lists in manual input: {"其他", "Others"}.
extern const UiText OthersText;
// Operator names: plane 0 Chinese, plane 1 English. The planes differ
// only in China's row.
extern const std::array<OperatorNamePlane, 2> OperatorNameTable;
// Every slot holds strings (possibly empty), offered or not.
extern const PresetTable<ApnPreset> ApnPresetTable;
extern const PresetTable<MmsPreset> MmsPresetTable;

// Controls of the wireless parameter page (dialog 114) that the presets use.
namespace operator_ctl {
inline constexpr int kSourceList = 40060;   // "Select Operator" / "Manual Input" (or "No")
inline constexpr int kCountryList = 40009;
inline constexpr int kOperatorList = 40010;
inline constexpr int kNetApnEdit = 40027;
inline constexpr int kNetAccountEdit = 40028;
inline constexpr int kNetPasswordEdit = 40030;
}  // namespace operator_ctl

// ---------------------------------------------------------------------------
// Lookups over the tables (no dialog, no program state).

// True for 0..42.
bool IsPresetCountry(int country);
// Operators the country offers to the given model: the row's count, 3 for
// France where the model offers "SFR"; 0 for a country outside 0..42.
int OfferedOperatorCount(int country, uint16_t model_code);
// Country name in a language (0 Chinese, anything else English); "" outside 0..42.
const char* OperatorCountryName(int country, int language);
// Stored operator name in a language; "" for an absent name or an index
// outside the row. Does not check whether the operator is offered.
const char* OperatorName(int country, int op, int language);
// Country whose Chinese or English name equals `name` (ASCII letters
// compared without case), or -1.
int FindOperatorCountry(std::string_view name);
// Offered operator of `country` whose name equals `name` (as above,
// surrounding blanks ignored), or -1.
int FindOperator(int country, std::string_view name, uint16_t model_code);

// A (country, operator) pair brought into the tables: a country outside
// 0..42 becomes 0, an operator not offered (negative, or at or beyond the
// offered count) becomes 0.
struct PresetIndex {
  int country = 0;
  int op = 0;
  friend bool operator==(const PresetIndex&, const PresetIndex&) = default;
};
PresetIndex ClampPresetIndex(int country, int op, uint16_t model_code);

// The preset of an offered operator, or nullptr when the pair is not offered.
const ApnPreset* FindApnPreset(int country, int op, uint16_t model_code);
const MmsPreset* FindMmsPreset(int country, int op, uint16_t model_code);

// Copies a preset into the record's fields; an empty string empties the field.
void CopyApnPreset(const ApnPreset& preset, SmtpSet& smtp);
void CopyMmsPreset(const MmsPreset& preset, MmsSet& mms);

// Chooses an offered operator in a record: sets byOperatorCountry and
// byOperator and copies both presets. False (record untouched) when the
// pair is not offered to the model.
bool SelectOperatorPreset(SendSet& rec, int country, int op, uint16_t model_code);

// ---------------------------------------------------------------------------
// The two lists of the wireless parameter page and the record g_sSendSet.

// Process-wide flag: rebuild the country list on the next FillOperatorLists
// in preset mode. Set at start; the page sets it again when the user
// leaves manual input.
void SetOperatorCountryListRebuild(bool on);
bool OperatorCountryListRebuild();

// Fills the country and operator lists and selects the current choice
// (byOperatorCountry, byOperator of g_sSendSet), or in manual input shows
// only "Others" in both, disabled. Sets the operator-source list to entry 0
// (preset) or 1 (manual). In preset mode an operator index the country does
// not offer to the current model becomes 0 in the record, and so does a
// country outside 0..42.
void FillOperatorLists(platform::Dialog& dlg, bool manual);

// Copies the network preset of the selected list entries into
// g_sSendSet.sSmtpSet, and, in e-mail mode, into the page's APN, account
// and password edits.
void ApplyApnPreset(platform::Dialog& dlg);

// Copies the MMS preset of the selected list entries into g_sSendSet.sMmsSet.
void ApplyMmsPreset(platform::Dialog& dlg);

// For the cellular models of the R1, R2 and K3 ULTRA groups only: puts the
// English country and operator names of the current choice into
// sMmsSet.szUrl and szApn; in manual input clears those two fields unless
// the send-by mode is MMS.
void CarryOperatorNames();

// Start-of-process state of this module (the rebuild flag set).
void ResetOperatorPresetState();
