// The camera model catalogue: three families of 534 slots with each
// model's display name, picture, camera setup template and wireless kind,
// every per-model rule the windows and the record files follow (the
// model's traits), and the model-group predicates.
//
// Adding a model (a 23rd row of family 2):
//   1. Add its row at the end of kFamily2 in records/catalogue.cpp: name,
//      picture, template 113, wireless kind, group and selectors, and every
//      trait column. A row that leaves a column out does not compile (the
//      completeness check below the table), so nothing falls back silently.
//   2. Give it a picture: an existing picture id, or a new one drawn in
//      resources/bitmaps.cpp and listed in resources/trailset.rc and in
//      TS_BITMAP_IDS of resources/windows_resources.cmake.
//   3. Only when its camera settings are shown with lists, defaults or
//      enabling rules that no existing group has: a new CamOptionGroup below,
//      and that group's column in camera/option_lists.cpp (option table, tail
//      lists, group traits), camera/cam_setup_fill.cpp (enabling steps) and,
//      for its factory values, a default column in records/menu_record.cpp.
// Nothing else names a model code: windows, records and the companion ask
// the catalogue (tests/camera/extra_model_test.cpp opens the windows
// on a catalogue with one more row).
#pragma once

#include <cstdint>
#include <span>

inline constexpr int kModelFamilies = 3;
inline constexpr int kModelSlots = 534;

// CamWirelessFunc values.
inline constexpr uint8_t kWirelessNone = 0;
inline constexpr uint8_t kWirelessWifi = 1;
inline constexpr uint8_t kWirelessK1MG = 2;
inline constexpr uint8_t kWireless3G = 3;
inline constexpr uint8_t kWireless4G = 4;

// Models that share the camera setup window's option lists, defaults and
// enabling rules: one column of the option table each.
enum class CamOptionGroup : uint8_t {
  Legacy,  // template 108: the rows of model families 0 and 1 (layout 0)
  NanoA,   // NANO-A, NANO-A-WIFI (layout 2)
  NanoB,   // NANO-B (layout 1)
  P2,      // VORN-P2, VORN-P2-4G (layout 2)
  P3,      // VORN-P3, -4G, -5G (layout 2)
  P4,      // VORN-P4-4G, -5G (layout 2)
  P5,      // VORN-P5-4G, -WIFI (layout 3)
  Ultra,   // the R1, R2 and K3 ULTRA rows (layout 3)
  Count
};
inline constexpr int kCamOptionGroups = static_cast<int>(CamOptionGroup::Count);

// A yes/no trait. A row that leaves a trait out holds Unset there, which
// the catalogue's completeness check refuses at compile time.
enum class Yn : uint8_t { Unset, No, Yes };

// The per-model rules. Each is asked where the behaviour it names happens.
struct ModelTraits {
  uint8_t menu_layout;           // settings layout of menu.dat: 0..3 (44, 60, 68, 188 bytes)
  CamOptionGroup cam_group;      // column of the camera setup option table
  uint8_t default_column;        // column of the layout's per-model factory values
  uint8_t video_length_last;     // last position of the video length list (59, or 60 with "Auto", "1".."60")
  Yn gps_mailbox;                // GPS coordinates mailbox window; CFG.BIN of 1500 bytes, StructFlag 23
  Yn send_module;                // "Send module" list (WiFi or cellular); StructFlag holds the choice
  Yn ftp;                        // the send-by list offers FTP
  Yn cloud_letters;              // the cloud number takes letters as well as digits
  Yn ten_minutes;                // the remote interval list offers "10 Minutes" (a stored 0 stays 0)
  Yn send_page_position;         // the send settings page has the position section
  Yn fixed_picture_size;         // the send settings page keeps the picture size fixed
  Yn remote_control;             // the send settings page offers remote control
  Yn third_french_operator;      // France offers its third operator ("SFR")
  Yn wifi_row;                   // the network row is a WiFi name and password (no operator presets)
};

struct ModelRow {
  const char* name;         // nullptr for an empty slot
  uint16_t picture_id;      // CamPictureId
  uint16_t setup_dlg_id;    // CamSetupDlgId: 108 or 113
  uint8_t wireless_func;    // CamWirelessFunc
  ModelTraits traits;
};

inline bool Has(Yn trait) { return trait == Yn::Yes; }

// Lookups by (family, index); an empty or out-of-range slot gives a zero row.
const char* ModelName(int family, int index);
uint16_t ModelPictureId(int family, int index);
uint16_t ModelSetupDlgId(int family, int index);
uint8_t ModelWirelessFunc(int family, int index);
// Number of named rows of a family (22 for family 2).
int ModelRowCount(int family);
// The row of a model code, or nullptr when the code names no model.
const ModelRow* FindModel(uint16_t code);
// The traits of a model code. An empty slot, or a code outside the
// families, has the traits of the template-108 rows: layout 0, the legacy
// option lists, no wireless rules.
const ModelTraits& TraitsOfCode(uint16_t code);
// The traits of the current model (GetModelCode()).
const ModelTraits& CurrentTraits();

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

// Model groups that the group predicates test; each row belongs to at most one.
enum class ModelGroup : uint8_t { None, R1, R2, K3Ultra, P2 };

// One slot of the catalogue: the row and its group with the ModelVariant
// selectors (bit n: selector n) under which the group's predicate holds.
struct CatalogueRow {
  ModelRow row;
  ModelGroup group;
  uint8_t variants;
};

// Whether a family-2 row is complete: named, with its picture, template
// 113, a wireless kind, a layout and option group, and every trait stated;
// and whether its wireless traits fit its wireless kind. The built-in rows
// are checked at compile time.
constexpr bool RowComplete(const CatalogueRow& r) {
  const ModelRow& m = r.row;
  const ModelTraits& t = m.traits;
  const Yn yn[] = {t.gps_mailbox,        t.send_module,    t.ftp,
                   t.cloud_letters,      t.ten_minutes,    t.send_page_position,
                   t.fixed_picture_size, t.remote_control, t.third_french_operator,
                   t.wifi_row};
  for (Yn v : yn)
    if (v == Yn::Unset) return false;
  const bool cellular = m.wireless_func == kWireless3G || m.wireless_func == kWireless4G;
  return m.name != nullptr && m.picture_id != 0 && m.setup_dlg_id == 113 &&
         (m.wireless_func == kWirelessNone || m.wireless_func == kWirelessWifi || cellular) &&
         t.menu_layout <= 3 && t.cam_group != CamOptionGroup::Legacy &&
         t.cam_group < CamOptionGroup::Count && (t.video_length_last == 59 || t.video_length_last == 60) &&
         (t.gps_mailbox == Yn::No || cellular) && (t.send_module == Yn::No || cellular) &&
         (t.wifi_row == Yn::No || m.wireless_func != kWirelessNone);
}

// The catalogue in use: the built-in one, or for a test a catalogue of its
// own (the built-in rows and more) while a CatalogueOverride lives.
struct Catalogue {
  std::span<const CatalogueRow> families[kModelFamilies];
};
const Catalogue& BuiltInCatalogue();

class CatalogueOverride {
 public:
  explicit CatalogueOverride(const Catalogue& catalogue);
  ~CatalogueOverride();
  CatalogueOverride(const CatalogueOverride&) = delete;
  CatalogueOverride& operator=(const CatalogueOverride&) = delete;

 private:
  const Catalogue* previous_;
};
