// The page on every wireless model: the send-by entries and the network
// row it shows, printed as a table and checked against the model groups.
#include <cstdio>

#include "records/catalogue.h"
#include "test_wireless_page_fixture.h"
#include "records/app_state.h"

namespace page_test {
namespace {

std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& i : items) out += (out.empty() ? "" : ", ") + i;
  return out;
}

struct Row {
  std::string send_by;
  std::string network;  // label of the APN row / label of the account row
  bool apn_edit = false;
  bool source_enabled = false;
  bool source_shown = false;
  std::string module;   // module list entries when shown
};

class WirelessModelTable : public WirelessPageTest {
 protected:
  Row Look() {
    Row r;
    r.send_by = Join(s().Items(kSendBy));
    r.network = s().Text(kNetApnLabel) + (s().Enabled(kNetApnLabel) ? "" : " (grey)") + " / " +
                s().Text(kNetAccountLabel);
    r.apn_edit = s().Enabled(kNetApn);
    r.source_enabled = s().Enabled(kSource);
    r.source_shown = s().Shown(kSource);
    if (s().Shown(kModule))
      r.module = s().Items(kModule).at(static_cast<std::size_t>(s().Selection(kModule)));
    return r;
  }

  // Opens the page of `code` on a hand-typed e-mail record; `wifi_module`
  // picks the WiFi module of a module-choice model.
  Row OpenModel(uint16_t code, bool wifi_module) {
    TearDown();
    SetUp();
    SelectModel(code);
    if (wifi_module) App().MdmSendVia = 0;
    WriteCfg(MailRecord());
    Open();
    return Look();
  }
};

TEST_F(WirelessModelTable, SendByEntriesAndNetworkRowOfEveryWirelessModel) {
  std::printf("| code | model | send-by entries | network row (APN label / account label) | "
              "APN edit | operator source | module |\n|---|---|---|---|---|---|---|\n");
  int models = 0;
  for (int index = 0; index < ModelRowCount(2); ++index) {
    const uint16_t code = static_cast<uint16_t>(0x200 | index);
    const uint8_t func = ModelWirelessFunc(2, index);
    if (func != kWirelessWifi && func != kWireless3G && func != kWireless4G) continue;
    ++models;
    SelectModel(code);
    const bool module_choice = IsModuleChoiceModel();
    const bool wifi_group = IsWifiGroupModel();
    for (bool wifi_module : {false, true}) {
      if (wifi_module && !module_choice) continue;
      const Row r = OpenModel(code, wifi_module);
      std::printf("| %u | %s | %s | %s | %s | %s | %s |\n", code, ModelName(2, index),
                  r.send_by.c_str(), r.network.c_str(), r.apn_edit ? "typed" : "disabled",
                  !r.source_shown ? "hidden" : r.source_enabled ? "enabled" : "disabled",
                  r.module.empty() ? "-" : r.module.c_str());

      SCOPED_TRACE(testing::Message() << code << (wifi_module ? " WIFI" : ""));
      EXPECT_EQ(r.send_by, code == 514 ? "Off, Email, Camera Cloud System"
                                       : "Off, Email, FTP, Camera Cloud System");
      const bool wifi_row = wifi_group || wifi_module;
      EXPECT_EQ(r.network, wifi_row ? "WiFi (grey) / Name(SSID)" : "APN / Account");
      EXPECT_EQ(r.apn_edit, !wifi_row);
      EXPECT_EQ(r.source_enabled, !wifi_row);
      EXPECT_EQ(r.source_shown, !wifi_module);
      EXPECT_EQ(!r.module.empty(), module_choice);
    }
  }
  EXPECT_EQ(models, 18);
}

}  // namespace
}  // namespace page_test
