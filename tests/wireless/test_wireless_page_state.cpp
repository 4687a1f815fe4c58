// The state the wireless windows share: whether the network APN must be
// filled, and the start-of-process values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/app_state.h"
#include "records/diag.h"
#include "records/send_set.h"
#include "wireless/wireless_state.h"

namespace {

void SelectModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
}

TEST(WirelessState, NetworkApnRequirementPerModel) {
  std::vector<std::string> lines;
  SetDiagSink([&](std::string_view t) { lines.emplace_back(t); });
  struct Case {
    uint16_t code;
    uint16_t via;
    uint8_t country;
    bool need;
  };
  const Case cases[] = {
      // Reach their network without an APN of their own.
      {524, 1, 43, false}, {526, 1, 43, false}, {527, 1, 0, false}, {532, 1, 43, false},
      // Module choice: only the cellular module with hand-typed values.
      {525, 1, 43, true},  {525, 1, 7, false},  {525, 0, 43, false}, {528, 1, 43, true},
      {531, 0, 43, false}, {533, 1, 43, true},  {533, 1, 42, false},
      // WiFi-only models reach their network through WiFi.
      {514, 1, 43, false}, {523, 1, 0, false},
      // Every other model.
      {516, 1, 43, true},  {518, 1, 0, true},   {520, 0, 43, true},  {522, 1, 43, true},
  };
  for (const Case& c : cases) {
    SelectModel(c.code);
    App().MdmSendVia = c.via;
    App().g_sSendSet.byOperatorCountry = c.country;
    lines.clear();
    EXPECT_EQ(bCheckSmtpAPN(), c.need) << c.code << " via " << c.via << " country " << int(c.country);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "MdmSendVia = " + std::to_string(c.via) + ", OpCountry = " +
                            std::to_string(c.country) + ", bCheckSmtpAPN = " + (c.need ? "1" : "0") + "\n");
  }
  SetDiagSink({});
  ResetAppState();
  ResetSendSetState();
}

TEST(WirelessState, ResetRestoresStartValues) {
  App().SendSetSnapshot.bySendBy = 4;
  App().NoRemoteCommand22 = true;
  App().GpsWindowOpen = true;
  App().s_eFtpEditUse = 1;
  App().FtpBoxShownInOff = true;
  App().WirelessPageFirstOpen = false;
  App().SendSettingsFirstOpen = false;
  App().ChosenSendBy = 3;
  ResetWirelessState();
  const SendSet zero{};
  EXPECT_EQ(std::memcmp(&App().SendSetSnapshot, &zero, sizeof zero), 0);
  EXPECT_FALSE(App().NoRemoteCommand22);
  EXPECT_FALSE(App().GpsWindowOpen);
  EXPECT_EQ(App().s_eFtpEditUse, 0);
  EXPECT_FALSE(App().FtpBoxShownInOff);
  EXPECT_TRUE(App().WirelessPageFirstOpen);
  EXPECT_TRUE(App().SendSettingsFirstOpen);
  EXPECT_EQ(App().ChosenSendBy, 0);
}

}  // namespace
