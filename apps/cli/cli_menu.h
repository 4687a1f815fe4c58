// menu.dat for trailset-cli: the settings' names, their stored values and
// what each value means for a model, by the camera setup window's lists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/menu_record.h"

namespace cli {

// A setting by its name (MenuSettingName), letters compared without case.
std::optional<MenuSetting> FindMenuSetting(std::string_view name);

// The edit of the camera setup window that shows a setting (0 for one
// shown in a list), and the setting an edit shows.
int MenuEditControl(MenuSetting setting);
std::optional<MenuSetting> MenuSettingOfEdit(int control);

// One setting of a record image.
struct MenuField {
  MenuSetting setting;
  int offset = 0;
  int width = 1;        // bytes: 1, 2, or 11 for SerialText
  unsigned value = 0;   // the stored number (not for SerialText)
  std::string meaning;  // what the model makes of it
};

// Every setting that the model's layout stores, in record order, decoded
// from the unscrambled image (which must hold the layout's size).
std::vector<MenuField> DecodeMenu(const std::vector<uint8_t>& plain, uint16_t model_code);
// The meaning of one stored value for a model.
std::string MenuMeaning(MenuSetting s, const std::vector<uint8_t>& plain, uint16_t model_code);

// The stored value as shown: "0x8F", "2026", "\"AB12\"".
std::string MenuStoredText(const MenuField& f, const std::vector<uint8_t>& plain);

}  // namespace cli
