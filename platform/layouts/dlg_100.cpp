// Template 100: the main window (model, interface language, picture, version).
#include "platform/layout.h"

namespace platform {
namespace {

using C = ControlClass;

const ControlDef kControls[] = {
    {40000, C::Static, kDisabled, 149, 172, 32, 9, "V1,0,0,01"},
    {40001, C::GroupBox, kStyleNone, 16, 159, 107, 27, "界面语言"},
    {40002, C::ComboDropDown, kHidden | kVScroll | kTabStop, 139, 57, 88, 20, nullptr},
    {40003, C::DefPushButton, kTabStop, 141, 100, 99, 22, "相机设置"},
    {40005, C::GroupBox, kStyleNone, 137, 160, 107, 26, "软件版本"},
    {40006, C::GroupBox, kStyleNone, 137, 53, 107, 39, "机型"},
    {40007, C::RadioButton, kHidden | kDisabled, 128, 73, 10, 8, nullptr},
    {40008, C::PushButton, kDisabled | kTabStop, 141, 129, 99, 22, "无线设置"},
    {40009, C::RadioButton, kHidden | kDisabled, 128, 57, 10, 8, nullptr},
    {40010, C::RadioButton, kStyleNone, 141, 70, 10, 8, nullptr},
    {40011, C::ComboDropDown, kHidden | kVScroll | kTabStop, 139, 72, 88, 20, nullptr},
    {40012, C::ComboDropDown, kVScroll | kTabStop, 152, 69, 88, 20, nullptr},
    {40013, C::EtchedFrame, kStyleNone, 14, 53, 114, 98, nullptr},
    {40014, C::ComboDropDown, kVScroll | kTabStop, 24, 170, 88, 20, nullptr},
};

}  // namespace

extern const DialogLayout kLayout100 = {100, "设置", 261, 199, kControls};

}  // namespace platform
