// Template 108: the camera setup window of the rows of model families 0 and 1
// (no position, time zone, video sound, TV system, scene or serial text).
//
// Columns: capture and motion sensor; camera menu, clock and time lapse;
// timers, serial number and position. Save path and buttons along the
// bottom. Drop-down heights include the open list.
#include "platform/layout.h"

namespace platform {
namespace {

using C = ControlClass;

const ControlDef kControls[] = {
    {40140, C::EtchedFrame, kStyleNone, 7, 7, 150, 106, nullptr},
    {40004, C::Static, kStyleNone, 13, 17, 62, 8, "模式"},
    {40002, C::ComboDropList, kVScroll | kTabStop, 77, 15, 74, 72, nullptr},
    {40005, C::Static, kStyleNone, 13, 33, 62, 8, "照片尺寸"},
    {40003, C::ComboDropList, kVScroll | kTabStop, 77, 31, 74, 72, nullptr},
    {40010, C::Static, kStyleNone, 13, 49, 62, 8, "录像尺寸"},
    {40008, C::ComboDropList, kVScroll | kTabStop, 77, 47, 74, 72, nullptr},
    {40011, C::Static, kStyleNone, 13, 65, 62, 8, "拍摄张数"},
    {40009, C::ComboDropList, kVScroll | kTabStop, 77, 63, 74, 72, nullptr},
    {40022, C::Static, kStyleNone, 13, 81, 62, 8, "录像长度"},
    {40107, C::ComboDropList, kVScroll | kTabStop, 77, 79, 50, 112, nullptr},
    {40023, C::Static, kStyleNone, 131, 81, 20, 8, "秒钟"},
    {40016, C::Static, kStyleNone, 13, 97, 62, 8, "时间戳"},
    {40014, C::ComboDropList, kVScroll | kTabStop, 77, 95, 74, 72, nullptr},
    {40141, C::EtchedFrame, kStyleNone, 7, 119, 150, 58, nullptr},
    {40017, C::Static, kStyleNone, 13, 129, 62, 8, "灵敏度"},
    {40015, C::ComboDropList, kVScroll | kTabStop, 77, 127, 74, 72, nullptr},
    {40024, C::Static, kDisabled, 13, 145, 62, 8, "侧面PIR"},
    {40020, C::ComboDropList, kDisabled | kVScroll | kTabStop, 77, 143, 74, 72, nullptr},
    {40030, C::Static, kStyleNone, 13, 161, 62, 8, "间隔时间"},
    {40108, C::ComboDropList, kVScroll | kTabStop, 77, 159, 34, 112, nullptr},
    {40028, C::ComboDropList, kVScroll | kTabStop, 115, 159, 36, 52, nullptr},
    {40143, C::EtchedFrame, kStyleNone, 164, 7, 150, 74, nullptr},
    {40031, C::Static, kDisabled, 170, 17, 62, 8, "日期格式"},
    {40029, C::ComboDropList, kDisabled | kVScroll | kTabStop, 234, 15, 74, 112, nullptr},
    {40036, C::Static, kDisabled, 170, 33, 62, 8, "按键音"},
    {40034, C::ComboDropList, kDisabled | kVScroll | kTabStop, 234, 31, 74, 112, nullptr},
    {40037, C::Static, kStyleNone, 170, 49, 62, 8, "循环存储"},
    {40035, C::ComboDropList, kVScroll | kTabStop, 234, 47, 74, 112, nullptr},
    {40040, C::Static, kStyleNone, 170, 65, 62, 8, "语言"},
    {40039, C::ComboDropList, kVScroll | kTabStop, 234, 63, 74, 112, nullptr},
    {40142, C::EtchedFrame, kStyleNone, 164, 87, 150, 42, nullptr},
    {40049, C::Static, kStyleNone, 170, 97, 62, 8, "设置时间"},
    {40042, C::ComboDropList, kVScroll | kTabStop, 234, 95, 74, 52, nullptr},
    {40043, C::Edit, kDisabled | kTabStop, 170, 111, 26, 12, nullptr},
    {40044, C::Edit, kDisabled | kTabStop, 199, 111, 16, 12, nullptr},
    {40045, C::Edit, kDisabled | kTabStop, 218, 111, 16, 12, nullptr},
    {40046, C::Edit, kDisabled | kTabStop, 243, 111, 16, 12, nullptr},
    {40047, C::Edit, kDisabled | kTabStop, 262, 111, 16, 12, nullptr},
    {40048, C::Edit, kDisabled | kTabStop, 281, 111, 16, 12, nullptr},
    {40096, C::GroupBox, kStyleNone, 164, 135, 150, 42, "强制拍摄"},
    {40095, C::ComboDropList, kVScroll | kTabStop, 170, 146, 40, 52, nullptr},
    {40117, C::ComboDropList, kVScroll | kTabStop, 170, 161, 26, 112, nullptr},
    {40092, C::Static, kStyleNone, 198, 163, 18, 8, "小时"},
    {40118, C::ComboDropList, kVScroll | kTabStop, 218, 161, 26, 112, nullptr},
    {40093, C::Static, kStyleNone, 246, 163, 16, 8, "分钟"},
    {40119, C::ComboDropList, kVScroll | kTabStop, 264, 161, 26, 112, nullptr},
    {40094, C::Static, kStyleNone, 292, 163, 16, 8, "秒钟"},
    {40062, C::GroupBox, kStyleNone, 321, 7, 168, 48, "定时设置1"},
    {40061, C::ComboDropList, kVScroll | kTabStop, 327, 19, 36, 52, nullptr},
    {40055, C::Static, kStyleNone, 367, 21, 22, 8, "开始"},
    {40109, C::ComboDropList, kVScroll | kTabStop, 391, 19, 26, 112, nullptr},
    {40057, C::Static, kStyleNone, 419, 21, 18, 8, "小时"},
    {40110, C::ComboDropList, kVScroll | kTabStop, 439, 19, 26, 112, nullptr},
    {40058, C::Static, kStyleNone, 467, 21, 16, 8, "分钟"},
    {40056, C::Static, kStyleNone, 367, 37, 22, 8, "结束"},
    {40112, C::ComboDropList, kVScroll | kTabStop, 391, 35, 26, 112, nullptr},
    {40059, C::Static, kStyleNone, 419, 37, 18, 8, "小时"},
    {40111, C::ComboDropList, kVScroll | kTabStop, 439, 35, 26, 112, nullptr},
    {40060, C::Static, kStyleNone, 467, 37, 16, 8, "分钟"},
    {40077, C::GroupBox, kStyleNone, 321, 61, 168, 48, "定时设置2"},
    {40076, C::ComboDropList, kVScroll | kTabStop, 327, 73, 36, 52, nullptr},
    {40070, C::Static, kStyleNone, 367, 75, 22, 8, "开始"},
    {40113, C::ComboDropList, kVScroll | kTabStop, 391, 73, 26, 112, nullptr},
    {40074, C::Static, kStyleNone, 419, 75, 18, 8, "小时"},
    {40114, C::ComboDropList, kVScroll | kTabStop, 439, 73, 26, 112, nullptr},
    {40072, C::Static, kStyleNone, 467, 75, 16, 8, "分钟"},
    {40071, C::Static, kStyleNone, 367, 91, 22, 8, "结束"},
    {40115, C::ComboDropList, kVScroll | kTabStop, 391, 89, 26, 112, nullptr},
    {40075, C::Static, kStyleNone, 419, 91, 18, 8, "小时"},
    {40116, C::ComboDropList, kVScroll | kTabStop, 439, 89, 26, 112, nullptr},
    {40073, C::Static, kStyleNone, 467, 91, 16, 8, "分钟"},
    {40090, C::GroupBox, kStyleNone, 321, 115, 168, 32, "序列号"},
    {40085, C::ComboDropList, kVScroll | kTabStop, 327, 127, 36, 52, nullptr},
    {40086, C::ComboDropList, kVScroll | kTabStop, 367, 127, 26, 112, nullptr},
    {40087, C::ComboDropList, kVScroll | kTabStop, 395, 127, 26, 112, nullptr},
    {40088, C::ComboDropList, kVScroll | kTabStop, 423, 127, 26, 112, nullptr},
    {40089, C::ComboDropList, kVScroll | kTabStop, 451, 127, 26, 112, nullptr},
    {40078, C::Static, kStyleNone, 7, 188, 44, 8, "保存路径"},
    {40104, C::Edit, kTabStop, 53, 186, 236, 12, nullptr},
    {40103, C::PushButton, kTabStop, 293, 185, 48, 14, "浏览"},
    {40105, C::PushButton, kTabStop, 365, 185, 60, 14, "出厂设置"},
    {40106, C::PushButton, kTabStop, 429, 185, 60, 14, "生成配置"},
    {40132, C::Static, kHidden, 7, 197, 10, 8, nullptr},
    {40133, C::Static, kHidden, 7, 197, 10, 8, nullptr},
    {40135, C::Edit, kHidden, 7, 197, 10, 8, nullptr},
    {40136, C::Static, kHidden, 7, 197, 10, 8, nullptr},
    {40137, C::Edit, kHidden, 7, 197, 10, 8, nullptr},
    {40139, C::Static, kHidden, 7, 197, 10, 8, nullptr},};

}  // namespace

extern const DialogLayout kLayout108 = {108, "相机设置", 496, 206, kControls};

}  // namespace platform
