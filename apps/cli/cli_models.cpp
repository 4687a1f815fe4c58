// The models and presets commands: the catalogue and the operator presets
// as the windows know them.
#include <cstdio>
#include <ostream>

#include "apps/cli/cli_commands.h"
#include "apps/cli/cli_common.h"
#include "apps/cli/cli_report.h"
#include "apps/common/all_windows.h"
#include "camera/option_lists.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "wireless/operator_presets.h"

namespace cli {

namespace {

const char* WirelessKind(uint8_t func) {
  switch (func) {
    case kWirelessNone: return "none";
    case kWirelessWifi: return "WiFi";
    case kWirelessK1MG: return "K1MG";
    case kWireless3G: return "3G";
    case kWireless4G: return "4G/5G";
  }
  return "unknown";
}

std::string Pad(std::string s, std::size_t n) {
  if (s.size() < n) s.append(n - s.size(), ' ');
  return s;
}

}  // namespace

int RunModels(const ModelsOptions& o, std::ostream& out) {
  Json list = Json::array();
  for (uint16_t code : SelectableModels()) {
    const int family = code >> 8, index = code & 0xFF;
    const uint8_t func = ModelWirelessFunc(family, index);
    const int layout = MenuLayoutForModel(code, ModelSetupDlgId(family, index));
    Json m{{"code", code},
           {"name", ModelDisplayName(code)},
           {"camera_layout", layout},
           {"menu_dat_bytes", MenuSize(layout)},
           {"camera_group", camopt::CamGroupName(camopt::CamGroupOf(code))},
           {"wireless", WirelessKind(func)}};
    if (func != kWirelessNone) {
      m["cfg_bin_bytes"] = SendSetFileSizeOf(code);
    } else {
      m["cfg_bin_bytes"] = nullptr;
    }
    list.push_back(m);
  }
  if (o.json) {
    out << DumpJson(list) << "\n";
    return kExitOk;
  }
  out << "code  name               layout  menu.dat  wireless  CFG.BIN\n";
  for (const auto& m : list) {
    out << Pad(std::to_string(m["code"].get<int>()), 6) << Pad(m["name"].get<std::string>(), 19)
        << Pad(std::to_string(m["camera_layout"].get<int>()), 8) << Pad(std::to_string(m["menu_dat_bytes"].get<int>()), 10)
        << Pad(m["wireless"].get<std::string>(), 10)
        << (m["cfg_bin_bytes"].is_null() ? std::string("-") : std::to_string(m["cfg_bin_bytes"].get<int>())) << "\n";
  }
  return kExitOk;
}

int RunPresets(const PresetsOptions& o, std::ostream& out) {
  const uint16_t model = o.model.empty() ? 0 : ResolveModel(o.model);
  int only = -1;
  if (!o.country.empty()) {
    only = FindOperatorCountry(o.country);
    if (only < 0) {
      bool digits = o.country.size() <= 2;
      for (char c : o.country) digits = digits && c >= '0' && c <= '9';
      if (digits && IsPresetCountry(std::stoi(o.country))) only = std::stoi(o.country);
    }
    if (only < 0) {
      std::string names;
      for (int c = 0; c < OperatorCountryCount; ++c) names += (c ? ", " : "") + std::string(OperatorCountryName(c, 1));
      throw UsageError("unknown country " + EchoQuoted(o.country) + "; the countries are: " + names);
    }
  }
  Json list = Json::array();
  for (int c = 0; c < OperatorCountryCount; ++c) {
    if (only >= 0 && c != only) continue;
    Json ops = Json::array();
    const int offered = OfferedOperatorCount(c, model);
    for (int op = 0; op < offered; ++op) {
      const ApnPreset* apn = FindApnPreset(c, op, model);
      const MmsPreset* mms = FindMmsPreset(c, op, model);
      Json j{{"index", op}, {"name", OperatorName(c, op, 1)}, {"name_zh", OperatorName(c, op, 0)}};
      if (apn) j["network"] = Json{{"apn", apn->apn}, {"account", apn->account}, {"password", apn->password}};
      if (mms)
        j["mms"] = Json{{"url", mms->url},         {"apn", mms->apn},         {"gateway", mms->gateway},
                        {"port", mms->port},       {"account", mms->account}, {"password", mms->password}};
      ops.push_back(j);
    }
    Json country{{"index", c}, {"name", OperatorCountryName(c, 1)}, {"name_zh", OperatorCountryName(c, 0)}, {"operators", ops}};
    if (model == 0) {
      for (uint16_t m : SelectableModels())
        if (OfferedOperatorCount(c, m) > offered)
          country["more_for"].push_back(Json{{"model", ModelDisplayName(m)}, {"operators", OfferedOperatorCount(c, m)}});
    }
    list.push_back(country);
  }
  if (o.json) {
    out << DumpJson(list) << "\n";
    return kExitOk;
  }
  for (const auto& c : list) {
    out << c["index"].get<int>() << "  " << c["name"].get<std::string>() << " (" << c["name_zh"].get<std::string>() << ")\n";
    for (const auto& op : c["operators"]) {
      out << "    " << op["index"].get<int>() << "  " << op["name"].get<std::string>();
      if (op["name_zh"] != op["name"]) out << " (" << op["name_zh"].get<std::string>() << ")";
      out << "\n";
      if (op.contains("network"))
        out << "       network: APN \"" << op["network"]["apn"].get<std::string>() << "\", account \""
            << op["network"]["account"].get<std::string>() << "\", password \""
            << op["network"]["password"].get<std::string>() << "\"\n";
      if (op.contains("mms"))
        out << "       MMS: URL \"" << op["mms"]["url"].get<std::string>() << "\", APN \""
            << op["mms"]["apn"].get<std::string>() << "\", gateway \"" << op["mms"]["gateway"].get<std::string>()
            << "\", port \"" << op["mms"]["port"].get<std::string>() << "\", account \""
            << op["mms"]["account"].get<std::string>() << "\", password \"" << op["mms"]["password"].get<std::string>()
            << "\"\n";
    }
    if (c.contains("more_for"))
      for (const auto& m : c["more_for"])
        out << "    (" << m["model"].get<std::string>() << " is offered " << m["operators"].get<int>()
            << " operators here; see --model)\n";
  }
  return kExitOk;
}

}  // namespace cli
