// Templates 113 and 108: the controls the window drives, their start
// states, and a tidy screen: no two visible controls overlap unless one is
// a frame holding the other, for every model as the window shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "cam_test_support.h"
#include "platform/layout.h"
#include "records/app_state.h"

namespace camtest {
namespace {

using platform::ControlClass;
using platform::ControlDef;
using platform::DialogLayout;
using platform::Rect;
namespace id = camid;

const ControlDef* Def(const DialogLayout& l, int ctl) {
  for (const ControlDef& c : l.controls)
    if (c.id == ctl) return &c;
  return nullptr;
}

bool IsFrame(ControlClass c) { return c == ControlClass::GroupBox || c == ControlClass::EtchedFrame; }

bool Intersect(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}
bool Contains(const Rect& outer, const Rect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}

// Lists the window fills, edits it reads, labels it sets, buttons it handles.
const int kLists113[] = {40002, 40003, 40008, 40009, 40014, 40015, 40020, 40107, 40028, 40108, 40029, 40034,
                         40035, 40039, 40042, 40124, 40061, 40076, 40109, 40110, 40112, 40111, 40113, 40114,
                         40115, 40116, 40085, 40086, 40087, 40088, 40089, 40095, 40117, 40118, 40119, 40127,
                         40130, 40134, 40063, 40080};
const int kEdits113[] = {40043, 40044, 40045, 40046, 40047, 40048, 40064, 40065, 40066,
                         40081, 40097, 40098, 40131, 40104, 40135, 40137};
const int kButtons[] = {40103, 40105, 40106};
// Only in template 113: position, time zone, video sound, TV system, scene, serial text.
const std::set<int> kOnly113 = {40021, 40027, 40079, 40099, 40102, 40120, 40121, 40063, 40064, 40065, 40066,
                                40080, 40081, 40097, 40098, 40126, 40127, 40128, 40129, 40130, 40122, 40123,
                                40124, 40134, 40138, 40131};

TEST(CamLayout, TemplatesHoldEveryControlTheWindowDrives) {
  const DialogLayout* l113 = platform::FindLayout(id::kTemplateFull);
  const DialogLayout* l108 = platform::FindLayout(id::kTemplateLegacy);
  ASSERT_TRUE(l113 && l108);
  for (int ctl : kLists113) {
    const ControlDef* d = Def(*l113, ctl);
    ASSERT_TRUE(d) << ctl;
    EXPECT_EQ(d->cls, ControlClass::ComboDropList) << ctl;
    EXPECT_EQ(Def(*l108, ctl) != nullptr, !kOnly113.count(ctl)) << ctl;
  }
  for (int ctl : kEdits113) {
    const ControlDef* d = Def(*l113, ctl);
    ASSERT_TRUE(d) << ctl;
    EXPECT_EQ(d->cls, ControlClass::Edit) << ctl;
    EXPECT_EQ(Def(*l108, ctl) != nullptr, !kOnly113.count(ctl)) << ctl;
  }
  for (int ctl : kButtons) {
    ASSERT_TRUE(Def(*l113, ctl) && Def(*l108, ctl)) << ctl;
    EXPECT_EQ(Def(*l113, ctl)->cls, ControlClass::PushButton);
  }
  // Ids are unique, and 108 is 113 without the controls above.
  for (const DialogLayout* l : {l113, l108}) {
    std::set<int> ids;
    for (const ControlDef& c : l->controls) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
  }
  std::set<int> ids113, ids108;
  for (const ControlDef& c : l113->controls) ids113.insert(c.id);
  for (const ControlDef& c : l108->controls) ids108.insert(c.id);
  for (int ctl : ids113) EXPECT_EQ(ids108.count(ctl) == 1, kOnly113.count(ctl) == 0) << ctl;
  for (int ctl : ids108) EXPECT_TRUE(ids113.count(ctl)) << ctl;
}

TEST(CamLayout, StartStates) {
  const DialogLayout* l = platform::FindLayout(id::kTemplateFull);
  const std::set<int> disabled = {40020, 40024, 40029, 40031, 40034, 40036, 40122, 40124, 40123};
  const std::set<int> hidden = {40131, 40134, 40138, 40132, 40133, 40135, 40136, 40137, 40139};
  for (const ControlDef& c : l->controls) {
    if (c.id >= 40043 && c.id <= 40048) continue;  // clock edits: the window decides at once
    EXPECT_EQ((c.style & platform::kDisabled) != 0, disabled.count(c.id) == 1) << c.id;
    EXPECT_EQ((c.style & platform::kHidden) != 0, hidden.count(c.id) == 1) << c.id;
  }
}

// The rectangles as they show: a drop-down list takes its closed height.
Rect ShownRect(const headless::Session& s, const ControlDef& d) {
  Rect r = s.ControlRect(d.id);
  if (d.cls == ControlClass::ComboDropList || d.cls == ControlClass::ComboDropDown)
    r.h = platform::DialogUnitsToPixels(0, 0, 0, 12).h;
  return r;
}

class CamGeometry : public CamTest, public ::testing::WithParamInterface<uint16_t> {};

TEST_P(CamGeometry, VisibleControlsDoNotOverlap) {
  const uint16_t code = GetParam();
  Open(code);
  const DialogLayout* l = platform::FindLayout(id::kTemplateFull);
  const Rect client = platform::DialogUnitsToPixels(0, 0, l->w, l->h);
  std::vector<const ControlDef*> shown;
  for (const ControlDef& c : l->controls)
    if (s().Shown(c.id)) shown.push_back(&c);
  for (const ControlDef* a : shown) {
    const Rect ra = ShownRect(s(), *a);
    EXPECT_TRUE(Contains(client, ra)) << a->id << " leaves the window";
    for (const ControlDef* b : shown) {
      if (a->id >= b->id) continue;
      const Rect rb = ShownRect(s(), *b);
      if (!Intersect(ra, rb)) continue;
      const bool nested = (IsFrame(a->cls) && Contains(ra, rb)) || (IsFrame(b->cls) && Contains(rb, ra));
      EXPECT_TRUE(nested) << a->id << " overlaps " << b->id << " on model " << code;
    }
  }
  EXPECT_TRUE(s().MissingControlCalls().empty());
}

INSTANTIATE_TEST_SUITE_P(Models, CamGeometry, ::testing::ValuesIn(AllModels()),
                         [](const ::testing::TestParamInfo<uint16_t>& i) { return std::to_string(i.param); });

TEST(CamLayout, Template108ControlsDoNotOverlap) {
  const DialogLayout* l = platform::FindLayout(id::kTemplateLegacy);
  for (const ControlDef& a : l->controls) {
    if (a.style & platform::kHidden) continue;
    for (const ControlDef& b : l->controls) {
      if (a.id >= b.id || (b.style & platform::kHidden)) continue;
      const auto h = [](const ControlDef& c) { return c.cls == ControlClass::ComboDropList ? 12 : c.h; };
      const Rect ra{a.x, a.y, a.w, h(a)}, rb{b.x, b.y, b.w, h(b)};
      if (!Intersect(ra, rb)) continue;
      EXPECT_TRUE((IsFrame(a.cls) && Contains(ra, rb)) || (IsFrame(b.cls) && Contains(rb, ra)))
          << a.id << " overlaps " << b.id;
    }
  }
}

// A template-108 row (model families 0 and 1) through the window: the
// 44-byte record, no call on a control the template lacks.
class Legacy : public CamTest {};

TEST_F(Legacy, Template108WritesTheShortRecord) {
  ResetAllState();
  App().ModelFamily = 1;
  App().ModelIndex = 0;  // VORN-K2-4G
  UpdateModelCode();
  App().CamSetupDlgId = ModelSetupDlgId(1, 0);
  ASSERT_EQ(App().CamSetupDlgId, 108);
  std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
  std::memcpy(App().SaveFolder, folder_.data(), folder_.size());
  s_ = std::make_unique<headless::Session>();
  s_->services().SetNow(now_);
  s_->Start([](platform::Host& h) {
    platform::SetCurrentHost(&h);
    platform::RunWindowChain(h, AllWindows(), platform::WindowKind::CameraSetup);
  });
  ASSERT_EQ(s().TopTemplate(), id::kTemplateLegacy);
  EXPECT_EQ(s().Items(id::kImgSize), (std::vector<std::string>{"30 MP", "14 MP", "10 MP", "3 MP"}));
  EXPECT_EQ(s().Selection(id::kImgSize), 2);
  ASSERT_TRUE(s().Select(id::kIntervalUnit, 0));
  ASSERT_TRUE(s().Select(id::kInterval, 30));
  ASSERT_TRUE(s().Select(id::kLanguage, 4));  // Italian
  ASSERT_TRUE(Generate());
  const auto file = FileRecord();
  ASSERT_EQ(file.size(), 44u);
  EXPECT_EQ(FieldOf(file, MenuSetting::CheckFlag, 0), 0x8080);
  EXPECT_EQ(file[40], 0x8F);
  EXPECT_EQ(FieldOf(file, MenuSetting::PirInterval, 0), 0x80 | 30);
  EXPECT_EQ(FieldOf(file, MenuSetting::Language, 0), 5);
  EXPECT_EQ(FieldOf(file, MenuSetting::SetClock, 0), 0);  // no time zone in this layout
  EXPECT_EQ(FieldOf(file, MenuSetting::ClockYear, 0), 2026);
  EXPECT_TRUE(s().MissingControlCalls().empty());
  for (const auto& [ctl, tpl] : s().MissingControlCalls()) ADD_FAILURE() << "call on missing control " << ctl;
}

}  // namespace
}  // namespace camtest
