#include "records/catalogue.h"

#include <array>
#include <cstddef>

#include "records/app_state.h"

namespace {

// Model groups the predicates test; each family-2 row belongs to at most one.
enum class Group : uint8_t { None, R1, R2, K3Ultra, P2 };

// Bits of the ModelVariant selectors under which a row's group predicate holds.
constexpr uint8_t V(uint8_t selector) { return static_cast<uint8_t>(1u << selector); }
constexpr uint8_t kAny = V(kVariantAny);
constexpr uint8_t kNoModem = V(kVariantNoModem);
constexpr uint8_t kCell = V(kVariantCellular);
constexpr uint8_t k5G = V(kVariant5G);

struct CatalogueRow {
  ModelRow row;
  Group group;
  uint8_t variants;  // selectors under which the group predicate holds
};

// Family 2, the family in use: codes 512..533.
constexpr CatalogueRow kFamily2[] = {
    //  name               picture  setup  wireless       group           selectors
    {{"NANO-A",            107,     113,   kWirelessNone}, Group::None,    0},
    {{"NANO-B",            111,     113,   kWirelessNone}, Group::None,    0},
    {{"NANO-A-WIFI",       107,     113,   kWirelessWifi}, Group::None,    0},
    {{"VORN-P2",           121,     113,   kWirelessNone}, Group::P2,      0},
    {{"VORN-P2-4G",        119,     113,   kWireless4G},   Group::P2,      0},
    {{"VORN-P3",           137,     113,   kWirelessNone}, Group::None,    0},
    {{"VORN-P3-4G",        123,     113,   kWireless4G},   Group::None,    0},
    {{"VORN-P3-5G",        125,     113,   kWireless4G},   Group::None,    0},
    {{"VORN-P4-4G",        127,     113,   kWireless4G},   Group::None,    0},
    {{"VORN-P4-5G",        129,     113,   kWireless4G},   Group::None,    0},
    {{"VORN-P5-4G",        132,     113,   kWireless4G},   Group::None,    0},
    {{"VORN-P5-WIFI",      135,     113,   kWirelessWifi}, Group::None,    0},
    {{"VORN-R1W ULTRA",    140,     113,   kWireless4G},   Group::R1,      kAny | kNoModem},
    {{"VORN-R1WU-4G",      140,     113,   kWireless4G},   Group::R1,      kAny | kCell},
    {{"VORN-R2 ULTRA",     143,     113,   kWireless4G},   Group::R2,      kAny | kNoModem},
    {{"VORN-R2W ULTRA",    143,     113,   kWireless4G},   Group::R2,      kAny | kNoModem},
    {{"VORN-R2U-4G",       143,     113,   kWireless4G},   Group::R2,      kAny | kCell},
    {{"VORN-R2WU-4G",      143,     113,   kWireless4G},   Group::R2,      kAny | kCell},
    {{"VORN-R2U-5G",       143,     113,   kWireless4G},   Group::R2,      kAny | kCell | k5G},
    {{"VORN-R2WU-5G",      143,     113,   kWireless4G},   Group::R2,      kAny | kCell | k5G},
    {{"VORN-K3 ULTRA",     123,     113,   kWireless4G},   Group::K3Ultra, kAny | kNoModem},
    {{"VORN-K3U-4G",       123,     113,   kWireless4G},   Group::K3Ultra, kAny | kCell},
};

// Families 0 and 1: never selected; all show the banner and use template 108.
constexpr CatalogueRow kFamily0[] = {
    {{"VORN-K1A",          101,     108,   kWirelessNone}, Group::None,    0},
    {{"VORN-K1WA",         101,     108,   kWirelessNone}, Group::None,    0},
    {{"VORN-K1MG",         101,     108,   kWirelessK1MG}, Group::None,    0},
};

constexpr CatalogueRow kFamily1[] = {
    {{"VORN-K2-4G",        101,     108,   kWireless4G},   Group::None,    0},
    {{"VORN-K3-4G",        101,     108,   kWireless4G},   Group::None,    0},
    {{"VORN-K2-3G",        101,     108,   kWireless3G},   Group::None,    0},
    {{"VORN-K2-3G(BASIC)", 101,     108,   kWireless3G},   Group::None,    0},
    {{"VORN-K3-3G",        101,     108,   kWireless3G},   Group::None,    0},
    {{"VORN-K3-3G(BASIC)", 101,     108,   kWireless3G},   Group::None,    0},
};

struct Family {
  const CatalogueRow* rows;
  int count;
};

template <std::size_t N>
constexpr Family MakeFamily(const CatalogueRow (&rows)[N]) {
  return {rows, static_cast<int>(N)};
}

constexpr std::array<Family, kModelFamilies> kFamilies = {
    MakeFamily(kFamily0), MakeFamily(kFamily1), MakeFamily(kFamily2)};

static_assert(std::size(kFamily2) == 22);
static_assert(std::size(kFamily0) + std::size(kFamily1) == 9);

constexpr ModelRow kEmptyRow = {nullptr, 0, 0, kWirelessNone};
constexpr CatalogueRow kEmptySlot = {kEmptyRow, Group::None, 0};

// The slot (family, index); the named rows come first, the rest of the
// 534 slots are empty. Out of range gives the empty slot as well.
const CatalogueRow& Slot(int family, int index) {
  if (family < 0 || family >= kModelFamilies || index < 0 || index >= kModelSlots) return kEmptySlot;
  const Family& f = kFamilies[static_cast<std::size_t>(family)];
  return index < f.count ? f.rows[index] : kEmptySlot;
}

const CatalogueRow& SlotOfCode(uint16_t code) { return Slot(code >> 8, code & 0xFF); }

bool InGroup(uint16_t code, Group group, uint8_t variant) {
  if (variant >= 8) return false;
  const CatalogueRow& slot = SlotOfCode(code);
  return slot.group == group && (slot.variants & V(variant)) != 0;
}

}  // namespace

const char* ModelName(int family, int index) { return Slot(family, index).row.name; }
uint16_t ModelPictureId(int family, int index) { return Slot(family, index).row.picture_id; }
uint16_t ModelSetupDlgId(int family, int index) { return Slot(family, index).row.setup_dlg_id; }
uint8_t ModelWirelessFunc(int family, int index) { return Slot(family, index).row.wireless_func; }

int ModelRowCount(int family) {
  if (family < 0 || family >= kModelFamilies) return 0;
  return kFamilies[static_cast<std::size_t>(family)].count;
}

const ModelRow* FindModel(uint16_t code) {
  const CatalogueRow& slot = SlotOfCode(code);
  return slot.row.name ? &slot.row : nullptr;
}

bool IsR1Code(uint16_t code, uint8_t variant) { return InGroup(code, Group::R1, variant); }
bool IsR2Code(uint16_t code, uint8_t variant) { return InGroup(code, Group::R2, variant); }
bool IsK3UltraCode(uint16_t code, uint8_t variant) { return InGroup(code, Group::K3Ultra, variant); }
bool IsP2Code(uint16_t code) { return SlotOfCode(code).group == Group::P2; }

bool IsR1Model(uint8_t variant) { return IsR1Code(GetModelCode(), variant); }
bool IsR2Model(uint8_t variant) { return IsR2Code(GetModelCode(), variant); }
bool IsK3UltraModel(uint8_t variant) { return IsK3UltraCode(GetModelCode(), variant); }
bool IsP2Model() { return IsP2Code(GetModelCode()); }

bool IsUltraFamilyModel(uint8_t variant) {
  return IsR1Model(variant) || IsR2Model(variant) || IsK3UltraModel(variant);
}
