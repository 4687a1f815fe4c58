// Template 138: the GPS coordinates mailbox window (the sender mailbox that
// mails the camera's position, and the inbox that receives it).
#include "platform/layout.h"

namespace platform {
namespace {

using C = ControlClass;

const ControlDef kControls[] = {
    {40000, C::GroupBox, kStyleNone, 7, 4, 251, 82, "发件箱设置"},
    {40003, C::Static, kStyleNone, 14, 19, 56, 8, "服务器"},
    {40001, C::Edit, kTabStop, 72, 17, 120, 12, nullptr},
    {40004, C::Static, kStyleNone, 196, 19, 20, 8, "端口"},
    {40005, C::Edit, kNumber | kTabStop, 218, 17, 32, 12, nullptr},
    {40006, C::Static, kStyleNone, 14, 35, 56, 8, "邮件地址"},
    {40007, C::Edit, kTabStop, 72, 33, 178, 12, nullptr},
    {40008, C::Static, kDisabled, 14, 51, 56, 8, "帐号"},
    {40009, C::Edit, kDisabled | kTabStop, 72, 49, 178, 12, nullptr},
    {40010, C::Static, kStyleNone, 14, 67, 56, 8, "密码"},
    {40011, C::Edit, kPassword | kTabStop, 72, 65, 178, 12, nullptr},
    {40014, C::GroupBox, kStyleNone, 7, 90, 251, 28, "收件箱"},
    {40013, C::Static, kStyleNone, 14, 103, 56, 8, "收件箱地址"},
    {40002, C::Edit, kTabStop, 72, 101, 178, 12, nullptr},
    {40012, C::DefPushButton, kTabStop, 104, 122, 56, 15, "确认"},
};

}  // namespace

extern const DialogLayout kLayout138 = {138, "GPS坐标邮箱", 265, 140, kControls};

}  // namespace platform
