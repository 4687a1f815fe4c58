// A 23rd model is one catalogue row: with the row added, the main window
// lists it and every window opens on it with the rules its traits name.
#include <array>
#include <vector>

#include "cam_test_support.h"
#include "records/catalogue.h"
#include "wireless/wireless_page.h"

namespace {

using C = CamOptionGroup;
constexpr Yn N = Yn::No;
constexpr Yn Y = Yn::Yes;

// A cellular ULTRA-like model with the send-module choice, on an existing picture.
constexpr CatalogueRow kExtraRow = {
    {"TEST-23", 143, 113, kWireless4G, {3, C::Ultra, 2, 59, N, Y, Y, N, N, N, Y, N, N, N}}, ModelGroup::None, 0};
static_assert(RowComplete(kExtraRow));
// A row that leaves its last trait out is refused by the completeness check
// (the compiler also warns about it, which is not the point here).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
static_assert(!RowComplete(CatalogueRow{
    {"TEST-23", 143, 113, kWireless4G, {3, C::Ultra, 2, 59, N, Y, Y, N, N, N, Y, N, N}}, ModelGroup::None, 0}));
#pragma GCC diagnostic pop

class ExtraModel : public camtest::CamTest {
 protected:
  ExtraModel() {
    const Catalogue& built_in = BuiltInCatalogue();
    rows_.assign(built_in.families[2].begin(), built_in.families[2].end());
    rows_.push_back(kExtraRow);
    catalogue_ = {{built_in.families[0], built_in.families[1], rows_}};
  }

  static constexpr int kExtraIndex = 22;
  std::vector<CatalogueRow> rows_;
  Catalogue catalogue_{};
};

TEST_F(ExtraModel, ItsRowAloneOpensEveryWindowWithItsRules) {
  const CatalogueOverride use(catalogue_);
  StartRun();
  const std::vector<std::string> models = s().Items(camtest::kMainModelList);
  ASSERT_EQ(models.size(), 23u);
  EXPECT_EQ(models.back(), "TEST-23");

  ASSERT_TRUE(s().Select(camtest::kMainModelList, kExtraIndex));
  EXPECT_TRUE(s().Enabled(40008)) << "a cellular model opens Wireless Setup";
  ASSERT_TRUE(s().Click(camtest::kMainCameraSetup));
  ASSERT_EQ(s().TopTemplate(), camid::kTemplateFull);
  EXPECT_EQ(s().Items(camid::kImgSize), (std::vector<std::string>{"32 MP", "12 MP", "5 MP"}));
  ASSERT_TRUE(Generate());
  const std::vector<uint8_t> file = FileRecord();
  ASSERT_EQ(file.size(), 188u) << "layout 3";
  EXPECT_EQ(camtest::FieldOf(file, MenuSetting::CheckFlag, 3), 0x8085);
  EXPECT_EQ(camtest::FieldOf(file, MenuSetting::ImgSize, 3), 2) << "the ULTRA default column";
  CloseCamera();

  ASSERT_TRUE(s().Click(40008));
  ASSERT_EQ(s().TopTemplate(), kWirelessPageTemplate);
  EXPECT_TRUE(s().Shown(wp_ids::kModule)) << "the send-module trait brings the module list";
  EXPECT_EQ(s().Items(wp_ids::kSendBy).size(), 4u) << "FTP is offered";
  ASSERT_TRUE(s().Close());
  EXPECT_EQ(s().TopTemplate(), camtest::kMainTemplate);
}

}  // namespace
