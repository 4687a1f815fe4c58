// Templates 114 and 138 as data: every control with its class and styles,
// inside the dialog, and no two visible controls on top of each other;
// and the width of every edit of 114, 115 and 138 against what it holds.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/layout.h"

namespace {

using platform::ControlClass;
using platform::ControlDef;
using platform::DialogLayout;
using C = ControlClass;

std::map<int, const ControlDef*> ById(const DialogLayout& l) {
  std::map<int, const ControlDef*> out;
  for (const ControlDef& c : l.controls) {
    EXPECT_TRUE(out.emplace(c.id, &c).second) << "duplicate id " << c.id;
  }
  return out;
}

// Height a control takes when closed (a drop-down list's layout height
// includes its open list).
int ClosedHeight(const ControlDef& c) {
  const bool list = c.cls == C::ComboDropList || c.cls == C::ComboDropDown;
  return list ? 12 : c.h;
}

bool Overlap(const ControlDef& a, const ControlDef& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + ClosedHeight(b) &&
         b.y < a.y + ClosedHeight(a);
}

void ExpectTidy(const DialogLayout& l, const std::set<int>& may_overlap) {
  for (const ControlDef& c : l.controls) {
    EXPECT_GE(c.x, 0) << c.id;
    EXPECT_GE(c.y, 0) << c.id;
    EXPECT_LE(c.x + c.w, l.w) << c.id;
    EXPECT_LE(c.y + ClosedHeight(c), l.h) << c.id;
  }
  for (const ControlDef& a : l.controls) {
    for (const ControlDef& b : l.controls) {
      if (a.id >= b.id || a.cls == C::GroupBox || b.cls == C::GroupBox) continue;
      if (may_overlap.count(a.id) || may_overlap.count(b.id)) continue;
      EXPECT_FALSE(Overlap(a, b)) << a.id << " overlaps " << b.id;
    }
  }
  // Group boxes hold their controls whole or not at all.
  for (const ControlDef& g : l.controls) {
    if (g.cls != C::GroupBox) continue;
    for (const ControlDef& c : l.controls) {
      if (&c == &g || !Overlap(g, c)) continue;
      const bool inside = c.x >= g.x && c.y >= g.y && c.x + c.w <= g.x + g.w &&
                          c.y + ClosedHeight(c) <= g.y + g.h;
      const bool holds_frame = c.cls == C::GroupBox && g.x >= c.x && g.y >= c.y &&
                               g.x + g.w <= c.x + c.w && g.y + g.h <= c.y + c.h;
      EXPECT_TRUE(inside || holds_frame) << c.id << " crosses the frame of " << g.id;
    }
  }
}

struct Expect {
  int id;
  ControlClass cls;
  uint32_t styles;  // the styles that must be set (hidden, disabled, password)
};

void ExpectControls(const DialogLayout& l, std::initializer_list<Expect> expected) {
  const auto by_id = ById(l);
  EXPECT_EQ(by_id.size(), expected.size());
  constexpr uint32_t kChecked = platform::kHidden | platform::kDisabled | platform::kPassword;
  for (const Expect& e : expected) {
    auto it = by_id.find(e.id);
    ASSERT_NE(it, by_id.end()) << e.id;
    EXPECT_EQ(it->second->cls, e.cls) << e.id;
    EXPECT_EQ(it->second->style & kChecked, e.styles) << e.id;
  }
}

TEST(WirelessPageLayout, Template114) {
  const DialogLayout* l = platform::FindLayout(114);
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->w, 292);
  EXPECT_EQ(l->h, 386);
  EXPECT_STREQ(l->title, "无线参数设置");
  using namespace platform;
  ExpectControls(*l, {
      {40000, C::GroupBox, 0}, {40001, C::CheckBox, kDisabled}, {40002, C::Static, 0},
      {40003, C::CheckBox, kHidden}, {40004, C::ComboDropList, 0}, {40005, C::GroupBox, 0},
      {40006, C::GroupBox, 0}, {40007, C::Static, 0}, {40008, C::Static, 0},
      {40009, C::ComboDropList, 0}, {40010, C::ComboDropList, 0}, {40011, C::GroupBox, kDisabled},
      {40012, C::Static, 0}, {40013, C::Edit, 0}, {40014, C::ComboDropList, kDisabled},
      {40015, C::Edit, 0}, {40016, C::Static, 0}, {40017, C::Edit, 0}, {40018, C::Static, 0},
      {40019, C::Edit, 0}, {40020, C::Static, 0}, {40021, C::Edit, 0}, {40022, C::Edit, 0},
      {40023, C::Static, 0}, {40024, C::GroupBox, 0}, {40025, C::Static, 0},
      {40026, C::Static, 0}, {40027, C::Edit, 0}, {40028, C::Edit, 0}, {40029, C::Static, 0},
      {40030, C::Edit, kPassword}, {40031, C::Static, 0}, {40032, C::GroupBox, 0},
      {40033, C::Static, 0}, {40034, C::Edit, 0}, {40035, C::Static, 0}, {40036, C::Edit, 0},
      {40037, C::Static, 0}, {40038, C::Edit, 0}, {40039, C::Static, kDisabled},
      {40040, C::Edit, kDisabled}, {40041, C::Static, 0}, {40042, C::Edit, kPassword},
      {40043, C::PushButton, 0}, {40044, C::ComboDropList, 0}, {40045, C::Static, kHidden},
      {40046, C::GroupBox, 0}, {40047, C::Static, 0}, {40048, C::Edit, 0}, {40049, C::Static, 0},
      {40050, C::Edit, 0}, {40051, C::Static, 0}, {40052, C::Edit, 0},
      {40053, C::Edit, kPassword}, {40054, C::Static, 0}, {40055, C::ComboDropList, 0},
      {40056, C::Edit, 0}, {40057, C::Static, kDisabled}, {40058, C::GroupBox, 0},
      {40059, C::Static, kHidden}, {40060, C::ComboDropList, 0}, {40061, C::Static, kHidden},
      {40062, C::ComboDropList, kHidden},
  });
  // The controls the page never shows may sit under others.
  ExpectTidy(*l, {40044, 40045, 40059});
}

TEST(WirelessPageLayout, NarrowedSendByListLeavesRoomForTheModuleList) {
  const DialogLayout* l = platform::FindLayout(114);
  ASSERT_NE(l, nullptr);
  const auto by_id = ById(*l);
  const ControlDef& send_by = *by_id.at(40004);
  const ControlDef& label = *by_id.at(40061);
  const platform::Rect list =
      platform::DialogUnitsToPixels(send_by.x, send_by.y, send_by.w, send_by.h);
  const platform::Rect module_label = platform::DialogUnitsToPixels(label.x, label.y, label.w, label.h);
  // Narrowed by 20 pixels and moved down by 2, the list still ends before the label.
  EXPECT_LE(list.x + list.w - 20, module_label.x);
}

TEST(GpsMailboxLayout, Template138) {
  const DialogLayout* l = platform::FindLayout(138);
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->w, 265);
  EXPECT_EQ(l->h, 140);
  EXPECT_STREQ(l->title, "GPS坐标邮箱");
  using namespace platform;
  ExpectControls(*l, {
      {40000, C::GroupBox, 0}, {40001, C::Edit, 0}, {40002, C::Edit, 0}, {40003, C::Static, 0},
      {40004, C::Static, 0}, {40005, C::Edit, 0}, {40006, C::Static, 0}, {40007, C::Edit, 0},
      {40008, C::Static, kDisabled}, {40009, C::Edit, kDisabled}, {40010, C::Static, 0},
      {40011, C::Edit, kPassword}, {40012, C::DefPushButton, 0}, {40013, C::Static, 0},
      {40014, C::GroupBox, 0},
  });
  for (const ControlDef& c : l->controls) {
    if (c.id == 40005) {
      EXPECT_TRUE(c.style & kNumber);
    }
  }
  ExpectTidy(*l, {});
}

// The width an edit gives its text, in average characters of the dialog
// font: its pixels less 12 for the frame, the margins and the room after
// the caret, over the 6 pixels of an average character.
int AverageChars(const ControlDef& c) {
  return (platform::DialogUnitsToPixels(c.x, c.y, c.w, c.h).w - 12) / platform::kBaseUnitX;
}

struct EditWidth {
  int id;
  int chars;  // the width it gets
  int needs;  // a typical value of what it holds
};

// Typical values: an e-mail address 24 characters, an access point name
// 20, a server name 24, a port 5, a phone number 15.
void ExpectEditWidths(int template_id, std::initializer_list<EditWidth> widths) {
  SCOPED_TRACE(template_id);
  const DialogLayout* l = platform::FindLayout(template_id);
  ASSERT_NE(l, nullptr);
  const auto by_id = ById(*l);
  std::set<int> stated;
  for (const EditWidth& e : widths) {
    ASSERT_TRUE(by_id.count(e.id)) << e.id;
    EXPECT_EQ(AverageChars(*by_id.at(e.id)), e.chars) << e.id;
    EXPECT_GE(e.chars, e.needs) << e.id;
    stated.insert(e.id);
  }
  for (const ControlDef& c : l->controls) {
    if (c.cls == C::Edit) {
      EXPECT_TRUE(stated.count(c.id)) << "edit " << c.id << " has no stated width";
    }
  }
}

TEST(EditWidths, EveryEditHoldsATypicalValue) {
  ExpectEditWidths(114, {
      {40013, 20, 20}, {40015, 20, 20}, {40017, 20, 15}, {40019, 20, 5},   // MMS URL, APN, gateway, port
      {40021, 20, 16}, {40022, 20, 16},                                    // MMS account, password
      {40048, 28, 24}, {40050, 28, 16}, {40052, 28, 24}, {40053, 28, 16},  // FTP server / cloud mail, ...
      {40056, 27, 20},                                                     // FTP directory
      {40027, 20, 20}, {40028, 20, 20}, {40030, 20, 16},                   // APN, account or SSID, password
      {40034, 24, 24}, {40036, 24, 5}, {40038, 24, 24}, {40040, 24, 24},   // sender server, port, address
      {40042, 24, 16},
  });
  ExpectEditWidths(115, {
      {40005, 18, 15}, {40006, 18, 15}, {40010, 40, 24}, {40011, 40, 24},  // recipients
      {40046, 8, 3}, {40047, 8, 2}, {40048, 8, 2}, {40049, 8, 2}, {40050, 8, 2}, {40051, 8, 2},
      {40016, 8, 4}, {40030, 20, 15}, {40029, 40, 24}, {40033, 50, 40},    // ..., save path
  });
  ExpectEditWidths(138, {
      {40001, 28, 24}, {40005, 6, 5}, {40007, 42, 24}, {40009, 42, 24}, {40011, 42, 16}, {40002, 42, 24},
  });
}

}  // namespace
