#include "records/catalogue.h"

#include <array>
#include <cstddef>

#include "records/app_state.h"

namespace {

using G = ModelGroup;
using C = CamOptionGroup;
constexpr Yn N = Yn::No;
constexpr Yn Y = Yn::Yes;

// Bits of the ModelVariant selectors under which a row's group predicate holds.
constexpr uint8_t V(uint8_t selector) { return static_cast<uint8_t>(1u << selector); }
constexpr uint8_t kAny = V(kVariantAny);
constexpr uint8_t kNoModem = V(kVariantNoModem);
constexpr uint8_t kCell = V(kVariantCellular);
constexpr uint8_t k5G = V(kVariant5G);

constexpr uint8_t kNone = kWirelessNone;
constexpr uint8_t kWifi = kWirelessWifi;
constexpr uint8_t k4G = kWireless4G;

// Family 2, the family in use: codes 512..533. The trait columns are those
// of ModelTraits: layout, option group, default column, last video length
// position, then GPS mailbox, send module, FTP, letters in the cloud
// number, "10 Minutes", position on the send page, fixed picture size,
// remote control, third French operator, WiFi network row.
constexpr CatalogueRow kFamily2[] = {
    // name                pic  tpl  wireless  layout group col last  gps mod ftp ltr 10m pos fix rem sfr wifi    group       selectors
    {{"NANO-A",            107, 113, kNone, {2, C::NanoA, 0, 59,  N,  N,  Y,  N,  N,  Y,  N,  Y,  N,  N}}, G::None,    0},
    {{"NANO-B",            111, 113, kNone, {1, C::NanoB, 0, 59,  N,  N,  Y,  N,  N,  Y,  N,  Y,  N,  N}}, G::None,    0},
    {{"NANO-A-WIFI",       107, 113, kWifi, {2, C::NanoA, 0, 59,  N,  N,  N,  N,  N,  N,  Y,  N,  N,  Y}}, G::None,    0},
    {{"VORN-P2",           121, 113, kNone, {2, C::P2,    0, 59,  N,  N,  Y,  N,  N,  Y,  N,  Y,  N,  N}}, G::P2,      0},
    {{"VORN-P2-4G",        119, 113, k4G,   {2, C::P2,    0, 59,  N,  N,  Y,  N,  N,  N,  N,  Y,  N,  N}}, G::P2,      0},
    {{"VORN-P3",           137, 113, kNone, {2, C::P3,    1, 60,  N,  N,  Y,  N,  N,  Y,  N,  Y,  N,  N}}, G::None,    0},
    {{"VORN-P3-4G",        123, 113, k4G,   {2, C::P3,    1, 60,  Y,  N,  Y,  N,  Y,  N,  N,  Y,  Y,  N}}, G::None,    0},
    {{"VORN-P3-5G",        125, 113, k4G,   {2, C::P3,    1, 60,  Y,  N,  Y,  N,  N,  N,  N,  Y,  Y,  N}}, G::None,    0},
    {{"VORN-P4-4G",        127, 113, k4G,   {2, C::P4,    2, 59,  N,  N,  Y,  N,  N,  Y,  Y,  Y,  N,  N}}, G::None,    0},
    {{"VORN-P4-5G",        129, 113, k4G,   {2, C::P4,    2, 59,  N,  N,  Y,  N,  N,  Y,  Y,  Y,  N,  N}}, G::None,    0},
    {{"VORN-P5-4G",        132, 113, k4G,   {3, C::P5,    0, 59,  N,  N,  Y,  N,  N,  Y,  Y,  Y,  N,  N}}, G::None,    0},
    {{"VORN-P5-WIFI",      135, 113, kWifi, {3, C::P5,    1, 59,  N,  N,  Y,  Y,  N,  N,  Y,  N,  N,  Y}}, G::None,    0},
    {{"VORN-R1W ULTRA",    140, 113, k4G,   {3, C::Ultra, 2, 59,  N,  N,  Y,  Y,  N,  N,  Y,  N,  N,  Y}}, G::R1,      kAny | kNoModem},
    {{"VORN-R1WU-4G",      140, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::R1,      kAny | kCell},
    {{"VORN-R2 ULTRA",     143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  N,  Y,  Y,  N,  N,  Y,  N,  N,  Y}}, G::R2,      kAny | kNoModem},
    {{"VORN-R2W ULTRA",    143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  N,  Y,  Y,  N,  N,  Y,  N,  N,  Y}}, G::R2,      kAny | kNoModem},
    {{"VORN-R2U-4G",       143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::R2,      kAny | kCell},
    {{"VORN-R2WU-4G",      143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::R2,      kAny | kCell},
    {{"VORN-R2U-5G",       143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::R2,      kAny | kCell | k5G},
    {{"VORN-R2WU-5G",      143, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::R2,      kAny | kCell | k5G},
    {{"VORN-K3 ULTRA",     123, 113, k4G,   {3, C::Ultra, 2, 59,  N,  N,  Y,  Y,  N,  N,  Y,  Y,  N,  Y}}, G::K3Ultra, kAny | kNoModem},
    {{"VORN-K3U-4G",       123, 113, k4G,   {3, C::Ultra, 2, 59,  N,  Y,  Y,  N,  N,  N,  Y,  N,  N,  N}}, G::K3Ultra, kAny | kCell},
};

// The traits of template 108's rows, of the empty slots and of codes
// outside the families: layout 0 and the legacy lists, no wireless rules.
constexpr ModelTraits kLegacy = {0, C::Legacy, 0, 59, N, N, Y, N, N, Y, N, Y, N, N};

// Families 0 and 1: never selected; all show the banner and use template 108.
constexpr CatalogueRow kFamily0[] = {
    {{"VORN-K1A",          101, 108, kNone,         kLegacy}, G::None, 0},
    {{"VORN-K1WA",         101, 108, kNone,         kLegacy}, G::None, 0},
    {{"VORN-K1MG",         101, 108, kWirelessK1MG, kLegacy}, G::None, 0},
};

constexpr CatalogueRow kFamily1[] = {
    {{"VORN-K2-4G",        101, 108, k4G,           kLegacy}, G::None, 0},
    {{"VORN-K3-4G",        101, 108, k4G,           kLegacy}, G::None, 0},
    {{"VORN-K2-3G",        101, 108, kWireless3G,   kLegacy}, G::None, 0},
    {{"VORN-K2-3G(BASIC)", 101, 108, kWireless3G,   kLegacy}, G::None, 0},
    {{"VORN-K3-3G",        101, 108, kWireless3G,   kLegacy}, G::None, 0},
    {{"VORN-K3-3G(BASIC)", 101, 108, kWireless3G,   kLegacy}, G::None, 0},
};

// Every family-2 row is complete: a model added without all its traits
// stops the build here instead of taking some other model's rules.
constexpr bool AllRowsComplete() {
  for (const CatalogueRow& r : kFamily2)
    if (!RowComplete(r)) return false;
  return true;
}
static_assert(AllRowsComplete(), "a family-2 row lacks a trait or holds one its wireless kind cannot have");
static_assert(std::size(kFamily2) <= kModelSlots);
static_assert(std::size(kFamily0) + std::size(kFamily1) == 9);

constexpr Catalogue kBuiltIn = {{kFamily0, kFamily1, kFamily2}};
const Catalogue* g_catalogue = &kBuiltIn;

constexpr ModelRow kEmptyRow = {nullptr, 0, 0, kWirelessNone, kLegacy};
constexpr CatalogueRow kEmptySlot = {kEmptyRow, G::None, 0};

// The slot (family, index); the named rows come first, the rest of the
// 534 slots are empty. Out of range gives the empty slot as well.
const CatalogueRow& Slot(int family, int index) {
  if (family < 0 || family >= kModelFamilies || index < 0 || index >= kModelSlots) return kEmptySlot;
  const std::span<const CatalogueRow> rows = g_catalogue->families[family];
  return static_cast<std::size_t>(index) < rows.size() ? rows[static_cast<std::size_t>(index)] : kEmptySlot;
}

const CatalogueRow& SlotOfCode(uint16_t code) { return Slot(code >> 8, code & 0xFF); }

bool InGroup(uint16_t code, G group, uint8_t variant) {
  if (variant >= 8) return false;
  const CatalogueRow& slot = SlotOfCode(code);
  return slot.group == group && (slot.variants & V(variant)) != 0;
}

}  // namespace

const Catalogue& BuiltInCatalogue() { return kBuiltIn; }

CatalogueOverride::CatalogueOverride(const Catalogue& catalogue) : previous_(g_catalogue) {
  g_catalogue = &catalogue;
}
CatalogueOverride::~CatalogueOverride() { g_catalogue = previous_; }

const char* ModelName(int family, int index) { return Slot(family, index).row.name; }
uint16_t ModelPictureId(int family, int index) { return Slot(family, index).row.picture_id; }
uint16_t ModelSetupDlgId(int family, int index) { return Slot(family, index).row.setup_dlg_id; }
uint8_t ModelWirelessFunc(int family, int index) { return Slot(family, index).row.wireless_func; }

int ModelRowCount(int family) {
  if (family < 0 || family >= kModelFamilies) return 0;
  return static_cast<int>(g_catalogue->families[family].size());
}

const ModelRow* FindModel(uint16_t code) {
  const CatalogueRow& slot = SlotOfCode(code);
  return slot.row.name ? &slot.row : nullptr;
}

const ModelTraits& TraitsOfCode(uint16_t code) { return SlotOfCode(code).row.traits; }
const ModelTraits& CurrentTraits() { return TraitsOfCode(GetModelCode()); }

bool IsR1Code(uint16_t code, uint8_t variant) { return InGroup(code, G::R1, variant); }
bool IsR2Code(uint16_t code, uint8_t variant) { return InGroup(code, G::R2, variant); }
bool IsK3UltraCode(uint16_t code, uint8_t variant) { return InGroup(code, G::K3Ultra, variant); }
bool IsP2Code(uint16_t code) { return SlotOfCode(code).group == G::P2; }

bool IsR1Model(uint8_t variant) { return IsR1Code(GetModelCode(), variant); }
bool IsR2Model(uint8_t variant) { return IsR2Code(GetModelCode(), variant); }
bool IsK3UltraModel(uint8_t variant) { return IsK3UltraCode(GetModelCode(), variant); }
bool IsP2Model() { return IsP2Code(GetModelCode()); }

bool IsUltraFamilyModel(uint8_t variant) {
  return IsR1Model(variant) || IsR2Model(variant) || IsK3UltraModel(variant);
}
