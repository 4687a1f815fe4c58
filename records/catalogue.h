// The camera model catalogue: three families of 534 slots with each
// model's display name, picture, camera setup template and wireless kind,
// and the model-group predicates.
#pragma once

#include <cstdint>

inline constexpr int kModelFamilies = 3;
inline constexpr int kModelSlots = 534;

// CamWirelessFunc values.
inline constexpr uint8_t kWirelessNone = 0;
inline constexpr uint8_t kWirelessWifi = 1;
inline constexpr uint8_t kWirelessK1MG = 2;
inline constexpr uint8_t kWireless3G = 3;
inline constexpr uint8_t kWireless4G = 4;

struct ModelRow {
  const char* name;         // nullptr for an empty slot
  uint16_t picture_id;      // CamPictureId
  uint16_t setup_dlg_id;    // CamSetupDlgId: 108 or 113
  uint8_t wireless_func;    // CamWirelessFunc
};

// Lookups by (family, index); an empty or out-of-range slot gives a zero row.
const char* ModelName(int family, int index);
uint16_t ModelPictureId(int family, int index);
uint16_t ModelSetupDlgId(int family, int index);
uint8_t ModelWirelessFunc(int family, int index);
// Number of named rows of a family (22 for family 2).
int ModelRowCount(int family);
// The row of a model code, or nullptr when the code names no model.
const ModelRow* FindModel(uint16_t code);

// ModelVariant selectors.
inline constexpr uint8_t kVariantAny = 0;
inline constexpr uint8_t kVariantNoModem = 2;  // the ULTRA rows
inline constexpr uint8_t kVariantCellular = 3; // -4G and -5G rows
inline constexpr uint8_t kVariant5G = 4;

// Group predicates on the current ModelCode (GetModelCode()).
bool IsR1Model(uint8_t variant);
bool IsR2Model(uint8_t variant);
bool IsK3UltraModel(uint8_t variant);
bool IsP2Model();
// The ULTRA family: the R1, R2 and K3 ULTRA groups together, of one variant.
bool IsUltraFamilyModel(uint8_t variant);
// The same predicates on a given code (for callers other than the windows).
bool IsR1Code(uint16_t code, uint8_t variant);
bool IsR2Code(uint16_t code, uint8_t variant);
bool IsK3UltraCode(uint16_t code, uint8_t variant);
bool IsP2Code(uint16_t code);
