// The fields of the transmission settings record by the names the record
// gives them ("bySendBy", "sSmtpSet.szServer", "szRecp[2]",
// "sGpsMail.iPort"): where each lies in the image of CFG.BIN (the GPS
// coordinates mailbox after the 1320 bytes of the record) and what it holds.
// The wireless windows' control descriptions name their fields here, and
// the companion's report walks this table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "records/send_set.h"

enum class SendSetFieldKind : uint8_t {
  U8,
  U16,
  I32,
  Text,     // zero-terminated text, bounded by its width
  Secret,   // a password: text that is never shown in clear
  Time,     // SendTime
  Geo,      // GeoPos, listed as a whole
  GeoPart,  // one byte of a GeoPos; the report lists the position as a whole
};

struct SendSetField {
  const char* name;
  std::size_t offset;  // in the image (SendSetTarn for the mailbox)
  std::size_t width;   // bytes
  SendSetFieldKind kind;
};

namespace send_set_fields_detail {

using K = SendSetFieldKind;

#define TS_FIELD(name, member, kind) SendSetField{name, offsetof(SendSet, member), sizeof(SendSet::member), kind}
#define TS_SUB(name, sub, member, kind)                                                    \
  SendSetField{name, offsetof(SendSet, sub) + offsetof(decltype(SendSet::sub), member), \
               sizeof(decltype(SendSet::sub)::member), kind}
#define TS_GPS(name, member, kind) \
  SendSetField{name, sizeof(SendSet) + offsetof(GpsMail, member), sizeof(GpsMail::member), kind}

inline constexpr std::size_t kRecp = offsetof(SendSet, szRecp);
inline constexpr std::size_t kRecpWidth = sizeof(SendSet::szRecp[0]);
inline constexpr std::size_t kRecpLen = offsetof(SendSet, uwRecpLen);
inline constexpr std::size_t kFileName = offsetof(SendSet, szFileFullName);
inline constexpr std::size_t kFileNameWidth = sizeof(SendSet::szFileFullName[0]);

// In record order.
inline constexpr SendSetField kFields[] = {
    TS_FIELD("bySendBy", bySendBy, K::U8),
    TS_FIELD("bySendMode", bySendMode, K::U8),
    TS_FIELD("bySendImgSize", bySendImgSize, K::U8),
    TS_FIELD("byRemoteSwitch", byRemoteSwitch, K::U8),
    TS_FIELD("byRemoteInterval", byRemoteInterval, K::U8),
    TS_FIELD("byOperatorCountry", byOperatorCountry, K::U8),
    TS_FIELD("byOperator", byOperator, K::U8),
    TS_FIELD("byDailySendTime", byDailySendTime, K::U8),
    TS_FIELD("bySendFileNum", bySendFileNum, K::U8),
    TS_FIELD("uwMaxSendImgNum", uwMaxSendImgNum, K::U16),
    TS_FIELD("StructFlag", StructFlag, K::U16),
    TS_FIELD("sTime", sTime, K::Time),
    TS_FIELD("bSet", bSet, K::U8),
    TS_SUB("sSmtpSet.iPort", sSmtpSet, iPort, K::I32),
    TS_SUB("sSmtpSet.szWLNetApN", sSmtpSet, szWLNetApN, K::Text),
    TS_SUB("sSmtpSet.szWLNetAccount", sSmtpSet, szWLNetAccount, K::Text),
    TS_SUB("sSmtpSet.szWLNetPassword", sSmtpSet, szWLNetPassword, K::Secret),
    TS_SUB("sSmtpSet.szServer", sSmtpSet, szServer, K::Text),
    TS_SUB("sSmtpSet.szAddr", sSmtpSet, szAddr, K::Text),
    TS_SUB("sSmtpSet.szUserName", sSmtpSet, szUserName, K::Text),
    TS_SUB("sSmtpSet.szPassword", sSmtpSet, szPassword, K::Secret),
    TS_SUB("sMmsSet.szUrl", sMmsSet, szUrl, K::Text),
    TS_SUB("sMmsSet.szApn", sMmsSet, szApn, K::Text),
    TS_SUB("sMmsSet.szGateway", sMmsSet, szGateway, K::Text),
    TS_SUB("sMmsSet.szPort", sMmsSet, szPort, K::Text),
    TS_SUB("sMmsSet.szAccount", sMmsSet, szAccount, K::Text),
    TS_SUB("sMmsSet.szPassword", sMmsSet, szPassword, K::Secret),
    {"uwRecpLen[0]", kRecpLen + 0, 2, K::U16},
    {"uwRecpLen[1]", kRecpLen + 2, 2, K::U16},
    {"uwRecpLen[2]", kRecpLen + 4, 2, K::U16},
    {"uwRecpLen[3]", kRecpLen + 6, 2, K::U16},
    {"szRecp[0]", kRecp + 0 * kRecpWidth, kRecpWidth, K::Text},
    {"szRecp[1]", kRecp + 1 * kRecpWidth, kRecpWidth, K::Text},
    {"szRecp[2]", kRecp + 2 * kRecpWidth, kRecpWidth, K::Text},
    {"szRecp[3]", kRecp + 3 * kRecpWidth, kRecpWidth, K::Text},
    {"szFileFullName[0]", kFileName + 0 * kFileNameWidth, kFileNameWidth, K::Text},
    {"szFileFullName[1]", kFileName + 1 * kFileNameWidth, kFileNameWidth, K::Text},
    {"szFileFullName[2]", kFileName + 2 * kFileNameWidth, kFileNameWidth, K::Text},
    {"szFileFullName[3]", kFileName + 3 * kFileNameWidth, kFileNameWidth, K::Text},
    TS_FIELD("szRemotePhoneNum", szRemotePhoneNum, K::Text),
    TS_FIELD("szRemoteEmail", szRemoteEmail, K::Text),
    TS_SUB("sVornCloudSet.szAppKey", sVornCloudSet, szAppKey, K::Text),
    TS_SUB("sVornCloudSet.szAppSecret", sVornCloudSet, szAppSecret, K::Secret),
    TS_SUB("sVornCloudSet.szSimCardNum", sVornCloudSet, szSimCardNum, K::Text),
    TS_SUB("sFtpSet.szFtpDir", sFtpSet, szFtpDir, K::Text),
    TS_SUB("sFtpSet.szServer", sFtpSet, szServer, K::Text),
    TS_SUB("sFtpSet.szUserName", sFtpSet, szUserName, K::Text),
    TS_SUB("sFtpSet.szPassword", sFtpSet, szPassword, K::Secret),
    TS_SUB("sFtpSet.iPort", sFtpSet, iPort, K::I32),
    TS_SUB("sFtpSet.iFtpDirType", sFtpSet, iFtpDirType, K::I32),
    TS_FIELD("sLongitude", sLongitude, K::Geo),
    TS_SUB("sLongitude.byDir", sLongitude, byDir, K::GeoPart),
    TS_SUB("sLongitude.byDeg", sLongitude, byDeg, K::GeoPart),
    TS_SUB("sLongitude.byMin", sLongitude, byMin, K::GeoPart),
    TS_SUB("sLongitude.bySec", sLongitude, bySec, K::GeoPart),
    TS_FIELD("sLatitude", sLatitude, K::Geo),
    TS_SUB("sLatitude.byDir", sLatitude, byDir, K::GeoPart),
    TS_SUB("sLatitude.byDeg", sLatitude, byDeg, K::GeoPart),
    TS_SUB("sLatitude.byMin", sLatitude, byMin, K::GeoPart),
    TS_SUB("sLatitude.bySec", sLatitude, bySec, K::GeoPart),
    TS_FIELD("DebugFlag", DebugFlag, K::U8),
    TS_FIELD("DebugPort", DebugPort, K::U16),
    TS_FIELD("DebugUrl", DebugUrl, K::Text),
    TS_GPS("sGpsMail.iPort", iPort, K::I32),
    TS_GPS("sGpsMail.szGpsSmtpAccount", szGpsSmtpAccount, K::Text),
    TS_GPS("sGpsMail.szGpsSmtpPassword", szGpsSmtpPassword, K::Secret),
    TS_GPS("sGpsMail.szGpsServer", szGpsServer, K::Text),
    TS_GPS("sGpsMail.szGpsAddr", szGpsAddr, K::Text),
};

#undef TS_FIELD
#undef TS_SUB
#undef TS_GPS

}  // namespace send_set_fields_detail

// Every field, in record order.
inline constexpr std::span<const SendSetField> SendSetFields() { return send_set_fields_detail::kFields; }

// The field of a name; a name the record lacks fails the build.
consteval const SendSetField* SendSetFieldNamed(std::string_view name) {
  for (const SendSetField& f : send_set_fields_detail::kFields)
    if (name == f.name) return &f;
  throw "the transmission settings record has no field of this name";
}

// The same at run time; nullptr for a name the record lacks.
constexpr const SendSetField* FindSendSetField(std::string_view name) {
  for (const SendSetField& f : send_set_fields_detail::kFields)
    if (name == f.name) return &f;
  return nullptr;
}
