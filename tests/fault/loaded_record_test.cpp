// Records loaded from a card with values the windows cannot show: what
// Generate writes back must still be a record the camera accepts.
#include <string>
#include <vector>

#include "tests/fault/fault_support.h"

namespace fault {
namespace {

class LoadedRecordTest : public CardFault {};

TEST_F(LoadedRecordTest, MenuLanguageBeyondTheListIsNotWrittenAsZero) {
  // A camera menu language beyond the list leaves the list without
  // selection; Generate must not turn that into 0 (no selection plus the
  // list offset of 1), which no camera menu language has.
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
  EXPECT_EQ(written[static_cast<std::size_t>(at)], 0xFF) << "no selection is stored as 0xFF, never 0";
}

}  // namespace
}  // namespace fault
