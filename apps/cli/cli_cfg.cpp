#include "apps/cli/cli_cfg.h"

#include <cstdio>
#include <cstring>

#include "apps/cli/cli_common.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/ui_strings.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"

namespace cli {

namespace {

using K = CfgKind;

unsigned U8(const std::vector<uint8_t>& p, std::size_t at) { return at < p.size() ? p[at] : 0; }
unsigned U16(const std::vector<uint8_t>& p, std::size_t at) { return U8(p, at) | (U8(p, at + 1) << 8); }
int32_t I32(const std::vector<uint8_t>& p, std::size_t at) {
  return static_cast<int32_t>(U16(p, at) | (static_cast<uint32_t>(U16(p, at + 2)) << 16));
}

std::string Text(const std::vector<uint8_t>& p, const CfgFieldDef& d) {
  if (d.offset + d.width > p.size()) return {};
  return std::string(ReadTextField(reinterpret_cast<const char*>(p.data() + d.offset), d.width));
}

template <std::size_t N>
const char* English(const UiTextList<N>& list, unsigned i) {
  return i < N ? list.row[1][i] : "";
}

std::string SendByMeaning(unsigned v) {
  const unsigned mode = v & 0x7F;
  std::string m = mode < 5 ? English(kListSendBy, mode) : "unknown mode " + std::to_string(mode);
  m += (v & IF_SEND_BY_APP_SET_FLG) ? " (flag 0x80 set, as this program writes it)" : " (flag 0x80 not set)";
  return m;
}

std::string RemoteIntervalMeaning(unsigned v, uint16_t code) {
  if (v > kRemoteOff) return "out of range (the load makes it 0 with remote control on)";
  const int k = RemoteIntervalToIndex(code, static_cast<uint8_t>(v));
  return English(kListRemoteInterval, static_cast<unsigned>(RemoteIntervalTextIndex(code, k)));
}

std::string CountryMeaning(unsigned v) {
  if (v == ManualOperatorCountry) return "manual input (no preset)";
  if (!IsPresetCountry(static_cast<int>(v))) return "out of range";
  return OperatorCountryName(static_cast<int>(v), 1);
}

std::string OperatorMeaning(const std::vector<uint8_t>& p, unsigned v, uint16_t code) {
  const int country = static_cast<int>(U8(p, offsetof(SendSet, byOperatorCountry)));
  if (!IsPresetCountry(country)) return {};
  if (static_cast<int>(v) >= OfferedOperatorCount(country, code)) return "not an operator this country offers";
  return OperatorName(country, static_cast<int>(v), 1);
}

std::string TimeMeaning(const std::vector<uint8_t>& p, std::size_t at) {
  char buf[64];
  // The year byte is year - 2000 from 2000 on (this program writes no
  // earlier year unless the PC clock stood before 2000).
  std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u:%02u", 2000 + U8(p, at), U8(p, at + 1), U8(p, at + 2),
                U8(p, at + 3), U8(p, at + 4), U8(p, at + 5));
  return buf;
}

std::string GeoMeaning(const std::vector<uint8_t>& p, std::size_t at, bool longitude) {
  const unsigned dir = U8(p, at);
  const char* hemisphere = longitude ? English(kListEastWest, dir) : English(kListNorthSouth, dir);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s %u\xC2\xB0%02u'%02u\"", *hemisphere ? hemisphere : "?", U8(p, at + 1),
                U8(p, at + 2), U8(p, at + 3));
  return buf;
}

std::string Number(long long v) { return std::to_string(v); }

// Whether the report lists a field: a position is listed as a whole.
bool Listed(const CfgFieldDef& d, std::size_t size) { return d.kind != K::GeoPart && d.offset + d.width <= size; }

}  // namespace

std::vector<CfgFieldDef> CfgFields(std::size_t size) {
  std::vector<CfgFieldDef> v;
  for (const CfgFieldDef& d : SendSetFields())
    if (Listed(d, size)) v.push_back(d);
  return v;
}

CfgField DecodeCfgField(const CfgFieldDef& d, const std::vector<uint8_t>& p, uint16_t code, bool show_passwords) {
  CfgField f{&d, {}, {}};
  const std::string name = d.name;
  switch (d.kind) {
    case K::U8:
    case K::GeoPart: {
      const unsigned v = U8(p, d.offset);
      f.stored = Number(v);
      if (name == "bySendBy") f.meaning = SendByMeaning(v);
      else if (name == "byRemoteInterval") f.meaning = RemoteIntervalMeaning(v, code);
      else if (name == "byRemoteSwitch") f.meaning = v == 1 ? "On" : v == 0 ? "Off" : "";
      else if (name == "byOperatorCountry") f.meaning = CountryMeaning(v);
      else if (name == "byOperator") f.meaning = OperatorMeaning(p, v, code);
      else if (name == "bySendImgSize") f.meaning = English(kListImageSize, v);
      else if (name == "DebugFlag") f.meaning = v == 1 ? "factory test on" : v == 0 ? "factory test off" : "";
      break;
    }
    case K::U16: {
      const unsigned v = U16(p, d.offset);
      f.stored = Number(v);
      break;
    }
    case K::I32: {
      const int32_t v = I32(p, d.offset);
      f.stored = Number(v);
      if (name == "sFtpSet.iFtpDirType")
        f.meaning = v == 0 || v == 1 ? English(kListFtpDir, static_cast<unsigned>(v)) : "unknown";
      break;
    }
    case K::Text:
      f.stored = Quoted(Printable(Text(p, d)));
      break;
    case K::Secret: {
      const std::string t = Text(p, d);
      f.stored = Quoted(show_passwords ? Printable(t) : std::string(MaskSecret(t.c_str())));
      break;
    }
    case K::Time: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%u %u %u %u %u %u", U8(p, d.offset), U8(p, d.offset + 1), U8(p, d.offset + 2),
                    U8(p, d.offset + 3), U8(p, d.offset + 4), U8(p, d.offset + 5));
      f.stored = buf;
      f.meaning = TimeMeaning(p, d.offset);
      break;
    }
    case K::Geo: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%u %u %u %u", U8(p, d.offset), U8(p, d.offset + 1), U8(p, d.offset + 2),
                    U8(p, d.offset + 3));
      f.stored = buf;
      f.meaning = GeoMeaning(p, d.offset, name == "sLongitude");
      break;
    }
  }
  return f;
}

std::vector<CfgField> DecodeCfg(const std::vector<uint8_t>& plain, uint16_t code, bool show_passwords) {
  std::vector<CfgField> v;
  for (const CfgFieldDef& d : SendSetFields())
    if (Listed(d, plain.size())) v.push_back(DecodeCfgField(d, plain, code, show_passwords));
  return v;
}

bool CfgFieldDiffers(const CfgFieldDef& d, const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (d.offset + d.width > a.size() || d.offset + d.width > b.size()) return a.size() != b.size();
  return std::memcmp(a.data() + d.offset, b.data() + d.offset, d.width) != 0;
}

}  // namespace cli
