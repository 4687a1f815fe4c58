// Template 115: the send settings page (recipients, position, picture size,
// remote control, save path). The sections are stacked with a narrow gap;
// on models without the position section the page moves them apart so that
// they fill the page evenly again (CompactSendSettingsLayout).
#include "platform/layout.h"

namespace platform {
namespace {

using C = ControlClass;

constexpr uint32_t kEd = kTabStop;
constexpr uint32_t kNum = kTabStop | kNumber | kCenter;
constexpr uint32_t kList = kTabStop | kVScroll;

const ControlDef kControls[] = {
    // Recipients: two framed rows of phone numbers and two of e-mail addresses.
    {40001, C::GroupBox, kStyleNone, 7, 4, 278, 80, "发往目的地"},
    {40002, C::GroupBox, kStyleNone, 14, 13, 264, 33, nullptr},
    {40003, C::Static, kStyleNone, 22, 20, 76, 8, "手机号码1"},
    {40005, C::Edit, kEd, 100, 18, 80, 12, nullptr},
    {40004, C::Static, kStyleNone, 22, 33, 76, 8, "手机号码2"},
    {40006, C::Edit, kEd, 100, 31, 80, 12, nullptr},
    {40007, C::GroupBox, kStyleNone, 14, 47, 264, 33, nullptr},
    {40008, C::Static, kStyleNone, 22, 54, 76, 8, "邮件地址1"},
    {40010, C::Edit, kEd, 100, 52, 170, 12, nullptr},
    {40009, C::Static, kStyleNone, 22, 67, 76, 8, "邮件地址2"},
    {40011, C::Edit, kEd, 100, 65, 170, 12, nullptr},

    // Position: column heads, then one row for longitude and one for latitude.
    {40039, C::GroupBox, kStyleNone, 7, 88, 278, 52, "坐标"},
    {40042, C::Static, kCenter, 74, 99, 46, 8, "方向"},
    {40043, C::Static, kCenter, 128, 99, 40, 8, "度"},
    {40044, C::Static, kCenter, 176, 99, 40, 8, "分"},
    {40045, C::Static, kCenter, 224, 99, 40, 8, "秒"},
    {40040, C::Static, kStyleNone, 14, 112, 58, 8, "经度"},
    {40063, C::ComboDropList, kList, 74, 110, 46, 40, nullptr},
    {40046, C::Edit, kNum, 128, 110, 40, 12, nullptr},
    {40047, C::Edit, kNum, 176, 110, 40, 12, nullptr},
    {40048, C::Edit, kNum, 224, 110, 40, 12, nullptr},
    {40041, C::Static, kStyleNone, 14, 126, 58, 8, "纬度"},
    {40080, C::ComboDropList, kList, 74, 124, 46, 40, nullptr},
    {40049, C::Edit, kNum, 128, 124, 40, 12, nullptr},
    {40050, C::Edit, kNum, 176, 124, 40, 12, nullptr},
    {40051, C::Edit, kNum, 224, 124, 40, 12, nullptr},

    // Picture size.
    {40012, C::GroupBox, kStyleNone, 7, 145, 278, 21, nullptr},
    {40014, C::Static, kStyleNone, 14, 151, 84, 8, "发送图片大小"},
    {40013, C::ComboDropList, kList, 100, 149, 88, 40, nullptr},

    // Maximum number of pictures a day (kept empty and disabled).
    {40015, C::GroupBox, kStyleNone, 7, 171, 278, 21, nullptr},
    {40017, C::Static, kStyleNone, 14, 177, 84, 8, "最大发送数量"},
    {40016, C::Edit, kEd | kNumber, 100, 175, 40, 12, nullptr},
    {40018, C::Static, kStyleNone, 144, 177, 30, 8, "/天"},

    // Send mode; the daily send time list stays hidden.
    {40019, C::GroupBox, kStyleNone, 7, 197, 278, 28, "发送方式"},
    {40021, C::Static, kStyleNone, 14, 209, 84, 8, "发送方式"},
    {40020, C::ComboDropList, kList, 100, 207, 88, 40, nullptr},
    {40023, C::Static, kStyleNone, 196, 209, 82, 8, "集中发送时间"},
    {40022, C::ComboDropList, kList | kHidden, 196, 207, 82, 100, nullptr},

    // Remote control.
    {40024, C::GroupBox, kStyleNone, 7, 230, 278, 92, "遥控"},
    {40026, C::Static, kStyleNone, 14, 243, 84, 8, "遥控间隔时间"},
    {40025, C::ComboDropList, kList, 100, 241, 88, 120, nullptr},
    {40000, C::CheckBox, kTabStop, 100, 256, 178, 10, "不使用遥控命令 - 22"},
    {40028, C::Static, kStyleNone, 14, 272, 84, 8, "遥控手机号码"},
    {40030, C::Edit, kEd, 100, 270, 88, 12, nullptr},
    {40036, C::Static, kDisabled, 100, 284, 182, 8, "^ 遥控，接收60命令拍的照片。"},
    {40027, C::Static, kStyleNone, 14, 298, 84, 8, "遥控接收邮箱"},
    {40029, C::Edit, kEd, 100, 296, 170, 12, nullptr},
    {40037, C::Static, kDisabled, 100, 310, 182, 8, "^ 接收22命令请求的文件。"},

    // Save path.
    {40031, C::GroupBox, kStyleNone, 7, 327, 278, 30, "保存路径"},
    {40032, C::PushButton, kTabStop, 14, 339, 50, 13, "浏览"},
    {40033, C::Edit, kEd | kReadOnly, 70, 339, 208, 13, nullptr},

    // Page buttons; neither is the default button, so Enter does nothing.
    {40034, C::PushButton, kTabStop, 78, 363, 64, 16, "上一页"},
    {40035, C::PushButton, kTabStop, 150, 363, 64, 16, "生成配置"},
};

}  // namespace

extern const DialogLayout kLayout115 = {115, "发送设置", 292, 386, kControls};

}  // namespace platform
