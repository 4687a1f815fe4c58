// Records loaded from a card with values the windows cannot show: what
// Generate writes back must still be a record the camera accepts.
#include <string>
#include <vector>

#include "tests/fault/fault_support.h"

namespace fault {
namespace {

class LoadedRecordTest : public CardFault {};

TEST_F(LoadedRecordTest, DISABLED_MenuLanguageBeyondTheListIsNotWrittenAsZero) {
  // Known fault: a camera menu language beyond the list leaves the list
  // without selection, and Generate writes no selection plus the list
  // offset of 1 as 0, which no camera menu language has.
  constexpr uint16_t kModel = 516;
  StartRun();
  OpenCamera(kModel);
  ASSERT_TRUE(HasSuccess(Press(camid::kGenerate)));
  s_.reset();
  Bytes plain = ReadAll(card_ / "menu.dat");
  ASSERT_EQ(plain.size(), 68u);
  UnscrambleBytes(plain.data(), static_cast<int>(plain.size()));
  const int at = FieldLocation(MenuSetting::Language, 2);
  plain[static_cast<std::size_t>(at)] = 200;
  Bytes file = plain;
  ScrambleBytes(file.data(), static_cast<int>(file.size()));
  WriteAll(card_ / "menu.dat", file);

  StartRun();
  OpenCamera(kModel);
  ASSERT_TRUE(HasSuccess(Press(camid::kGenerate)));
  s_.reset();
  Bytes written = ReadAll(card_ / "menu.dat");
  ASSERT_EQ(written.size(), 68u);
  UnscrambleBytes(written.data(), static_cast<int>(written.size()));
  EXPECT_NE(written[static_cast<std::size_t>(at)], 0) << "menu language written as 0";
}

}  // namespace
}  // namespace fault
