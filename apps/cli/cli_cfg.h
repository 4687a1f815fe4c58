// CFG.BIN for trailset-cli: the fields of the transmission settings record
// by the names the record gives them, their stored values and meanings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/send_set_fields.h"

namespace cli {

// The record's own table of its fields (records/send_set_fields.h).
using CfgKind = SendSetFieldKind;
using CfgFieldDef = SendSetField;

// The fields of a record image of `size` bytes (1320, or 1500 with the GPS
// coordinates mailbox), in record order; a position as a whole.
std::vector<CfgFieldDef> CfgFields(std::size_t size);

// One field of an image, decoded for a model.
struct CfgField {
  const CfgFieldDef* def;
  std::string stored;   // the value as stored: number or text (passwords masked)
  std::string meaning;  // what the model makes of it; empty when the value says it all
};

// Decodes an unscrambled image (1320 or 1500 bytes).
std::vector<CfgField> DecodeCfg(const std::vector<uint8_t>& plain, uint16_t model_code, bool show_passwords);
// The stored value and meaning of one field.
CfgField DecodeCfgField(const CfgFieldDef& def, const std::vector<uint8_t>& plain, uint16_t model_code,
                        bool show_passwords);

// True when the field's bytes differ between two images.
bool CfgFieldDiffers(const CfgFieldDef& def, const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);

}  // namespace cli
