// Template 114: the wireless parameter page (send-by mode, operator
// presets, MMS values, network access, sender mailbox, FTP server or
// cloud account).
//
// Left column: operator choice and MMS values. Right column: the FTP or
// cloud box, whose labels sit above their edits because the cloud labels
// are long. Below both: network access (labels above the edits too, so
// that an access point name of 20 characters fits) and the sender mailbox
// (edits for 24 characters) side by side.
#include "platform/layout.h"

namespace platform {
namespace {

using C = ControlClass;
constexpr uint32_t kEdit = kTabStop;
constexpr uint32_t kList = kTabStop;

const ControlDef kControls[] = {
    // Top row: send-by mode, send module (module-choice models), operator source.
    {40000, C::GroupBox, kStyleNone, 7, 3, 278, 46, ""},
    {40002, C::Static, kStyleNone, 14, 17, 46, 8, "发送选项:"},
    {40004, C::ComboDropList, kList, 62, 15, 110, 80, nullptr},
    {40061, C::Static, kHidden, 176, 17, 52, 8, "Send module"},
    {40062, C::ComboDropList, kHidden | kList, 230, 15, 50, 60, nullptr},
    {40031, C::Static, kStyleNone, 14, 33, 112, 8, "无线参数设置:"},
    {40060, C::ComboDropList, kList, 128, 31, 90, 60, nullptr},
    {40001, C::CheckBox, kDisabled | kTabStop, 224, 33, 10, 8, ""},
    {40057, C::Static, kDisabled, 236, 33, 44, 8, "Factory Debug"},
    {40059, C::Static, kHidden, 226, 17, 30, 8, "端口:"},

    // Operator choice.
    {40006, C::GroupBox, kStyleNone, 7, 53, 138, 50, "运营商选择"},
    {40007, C::Static, kStyleNone, 14, 68, 36, 8, "国家:"},
    {40009, C::ComboDropList, kVScroll | kList, 52, 66, 88, 150, nullptr},
    {40008, C::Static, kStyleNone, 14, 85, 36, 8, "运营商:"},
    {40010, C::ComboDropList, kVScroll | kList, 52, 83, 88, 100, nullptr},

    // MMS values.
    {40011, C::GroupBox, kDisabled, 7, 107, 138, 110, "彩信参数"},
    {40012, C::Static, kStyleNone, 14, 123, 36, 8, "网址:"},
    {40013, C::Edit, kEdit, 52, 121, 88, 12, nullptr},
    {40014, C::ComboDropList, kDisabled | kList, 14, 137, 36, 40, nullptr},
    {40015, C::Edit, kEdit, 52, 137, 88, 12, nullptr},
    {40016, C::Static, kStyleNone, 14, 155, 36, 8, "网关:"},
    {40017, C::Edit, kEdit, 52, 153, 88, 12, nullptr},
    {40018, C::Static, kStyleNone, 14, 171, 36, 8, "端口:"},
    {40019, C::Edit, kNumber | kEdit, 52, 169, 88, 12, nullptr},
    {40020, C::Static, kStyleNone, 14, 187, 36, 8, "帐号:"},
    {40021, C::Edit, kEdit, 52, 185, 88, 12, nullptr},
    {40023, C::Static, kStyleNone, 14, 203, 36, 8, "密码:"},
    {40022, C::Edit, kEdit, 52, 201, 88, 12, nullptr},

    // FTP server or cloud account, with the upload directory.
    {40046, C::GroupBox, kStyleNone, 149, 53, 136, 164, "FTP参数"},
    {40047, C::Static, kStyleNone, 157, 66, 120, 8, "服务器:"},
    {40048, C::Edit, kEdit, 157, 75, 120, 12, nullptr},
    {40049, C::Static, kStyleNone, 157, 91, 120, 8, "端口:"},
    {40050, C::Edit, kEdit, 157, 100, 120, 12, nullptr},
    {40051, C::Static, kStyleNone, 157, 116, 120, 8, "用户名:"},
    {40052, C::Edit, kEdit, 157, 125, 120, 12, nullptr},
    {40054, C::Static, kStyleNone, 157, 141, 120, 8, "密码:"},
    {40053, C::Edit, kPassword | kEdit, 157, 150, 120, 12, nullptr},
    {40058, C::GroupBox, kStyleNone, 153, 167, 128, 45, "Upload to FTP directory (must exist)"},
    {40055, C::ComboDropList, kList, 159, 180, 56, 40, nullptr},
    {40056, C::Edit, kEdit, 159, 196, 116, 12, nullptr},

    // Network access and sender mailbox.
    {40024, C::GroupBox, kStyleNone, 7, 221, 278, 118, "邮件参数"},
    {40005, C::GroupBox, kStyleNone, 11, 233, 100, 100, "网络设置"},
    {40025, C::Static, kStyleNone, 17, 247, 88, 8, "APN"},
    {40027, C::Edit, kEdit, 17, 256, 88, 12, nullptr},
    {40026, C::Static, kStyleNone, 17, 272, 88, 8, "帐户:"},
    {40028, C::Edit, kEdit, 17, 281, 88, 12, nullptr},
    {40029, C::Static, kStyleNone, 17, 297, 88, 8, "密码:"},
    {40030, C::Edit, kPassword | kEdit, 17, 306, 88, 12, nullptr},
    {40032, C::GroupBox, kStyleNone, 114, 233, 168, 100, "发件箱设置"},
    {40033, C::Static, kStyleNone, 118, 249, 52, 8, "服务器:"},
    {40034, C::Edit, kEdit, 171, 247, 105, 12, nullptr},
    {40035, C::Static, kStyleNone, 118, 265, 52, 8, "端口:"},
    {40036, C::Edit, kNumber | kEdit, 171, 263, 105, 12, nullptr},
    {40037, C::Static, kStyleNone, 118, 281, 52, 8, "邮箱地址:"},
    {40038, C::Edit, kEdit, 171, 279, 105, 12, nullptr},
    {40039, C::Static, kDisabled, 118, 297, 52, 8, "帐号:"},
    {40040, C::Edit, kDisabled | kEdit, 171, 295, 105, 12, nullptr},
    {40041, C::Static, kStyleNone, 118, 313, 52, 8, "密码:"},
    {40042, C::Edit, kPassword | kEdit, 171, 311, 105, 12, nullptr},

    // Bottom row: GPS mailbox (two models), the page button, and two
    // controls the page keeps hidden.
    {40003, C::CheckBox, kHidden | kTabStop, 14, 351, 130, 10, "GPS坐标发件箱"},
    {40044, C::ComboDropList, kList, 150, 349, 50, 40, nullptr},
    {40045, C::Static, kHidden, 150, 351, 40, 8, "V1,1,0,1"},
    {40043, C::PushButton, kTabStop, 211, 347, 74, 18, "下一页"},
};

}  // namespace

extern const DialogLayout kLayout114 = {114, "无线参数设置", 292, 386, kControls};

}  // namespace platform
