#include <gtest/gtest.h>

#include <cstddef>

#include "records/send_set.h"

namespace {

struct Field {
  const char* name;
  std::size_t offset;  // from the start of the record
  std::size_t width;
  std::size_t actual_offset;
  std::size_t actual_width;
};

#define FIELD(name, off, width, member) \
  Field { name, off, width, offsetof(SendSet, member), sizeof(SendSet::member) }
#define SUB(name, off, width, outer, member)                                                     \
  Field {                                                                                        \
    name, off, width, offsetof(SendSet, outer) + offsetof(decltype(SendSet::outer), member),     \
        sizeof(decltype(SendSet::outer)::member)                                                 \
  }

// CFG.BIN as the camera reads it.
TEST(SendSetLayout, EveryFieldAtItsOffset) {
  const Field fields[] = {
      FIELD("bySendBy", 0, 1, bySendBy),
      FIELD("bySendMode", 1, 1, bySendMode),
      FIELD("bySendImgSize", 2, 1, bySendImgSize),
      FIELD("byRemoteSwitch", 3, 1, byRemoteSwitch),
      FIELD("byRemoteInterval", 4, 1, byRemoteInterval),
      FIELD("byOperatorCountry", 5, 1, byOperatorCountry),
      FIELD("byOperator", 6, 1, byOperator),
      FIELD("byDailySendTime", 7, 1, byDailySendTime),
      FIELD("bySendFileNum", 8, 1, bySendFileNum),
      FIELD("uwMaxSendImgNum", 0x00A, 2, uwMaxSendImgNum),
      FIELD("StructFlag", 0x00C, 2, StructFlag),
      FIELD("sTime", 0x00E, 6, sTime),
      SUB("sTime.byYear", 14, 1, sTime, byYear),
      SUB("sTime.bySecond", 19, 1, sTime, bySecond),
      FIELD("bSet", 0x014, 1, bSet),
      FIELD("sSmtpSet", 0x018, 324, sSmtpSet),
      SUB("sSmtpSet.iPort", 24, 4, sSmtpSet, iPort),
      SUB("sSmtpSet.szWLNetApN", 28, 61, sSmtpSet, szWLNetApN),
      SUB("sSmtpSet.szWLNetAccount", 89, 33, sSmtpSet, szWLNetAccount),
      SUB("sSmtpSet.szWLNetPassword", 122, 33, sSmtpSet, szWLNetPassword),
      SUB("sSmtpSet.szServer", 155, 61, sSmtpSet, szServer),
      SUB("sSmtpSet.szAddr", 216, 49, sSmtpSet, szAddr),
      SUB("sSmtpSet.szUserName", 265, 49, sSmtpSet, szUserName),
      SUB("sSmtpSet.szPassword", 314, 33, sSmtpSet, szPassword),
      FIELD("sMmsSet", 0x15C, 214, sMmsSet),
      SUB("sMmsSet.szUrl", 348, 61, sMmsSet, szUrl),
      SUB("sMmsSet.szApn", 409, 61, sMmsSet, szApn),
      SUB("sMmsSet.szGateway", 470, 17, sMmsSet, szGateway),
      SUB("sMmsSet.szPort", 487, 9, sMmsSet, szPort),
      SUB("sMmsSet.szAccount", 496, 33, sMmsSet, szAccount),
      SUB("sMmsSet.szPassword", 529, 33, sMmsSet, szPassword),
      FIELD("uwRecpLen", 0x232, 8, uwRecpLen),
      FIELD("szRecp", 0x23A, 196, szRecp),
      FIELD("szFileFullName", 0x2FE, 132, szFileFullName),
      FIELD("szRemotePhoneNum", 0x382, 16, szRemotePhoneNum),
      FIELD("szRemoteEmail", 0x392, 49, szRemoteEmail),
      FIELD("sVornCloudSet", 0x3C3, 85, sVornCloudSet),
      SUB("sVornCloudSet.szAppKey", 963, 33, sVornCloudSet, szAppKey),
      SUB("sVornCloudSet.szAppSecret", 996, 33, sVornCloudSet, szAppSecret),
      SUB("sVornCloudSet.szSimCardNum", 1029, 19, sVornCloudSet, szSimCardNum),
      FIELD("sFtpSet", 0x418, 184, sFtpSet),
      SUB("sFtpSet.szFtpDir", 1048, 33, sFtpSet, szFtpDir),
      SUB("sFtpSet.szServer", 1081, 61, sFtpSet, szServer),
      SUB("sFtpSet.szUserName", 1142, 49, sFtpSet, szUserName),
      SUB("sFtpSet.szPassword", 1191, 33, sFtpSet, szPassword),
      SUB("sFtpSet.iPort", 1224, 4, sFtpSet, iPort),
      SUB("sFtpSet.iFtpDirType", 1228, 4, sFtpSet, iFtpDirType),
      FIELD("sLongitude", 0x4D0, 4, sLongitude),
      SUB("sLongitude.bySec", 1235, 1, sLongitude, bySec),
      FIELD("sLatitude", 0x4D4, 4, sLatitude),
      SUB("sLatitude.byDir", 1236, 1, sLatitude, byDir),
      FIELD("DebugFlag", 0x4DA, 1, DebugFlag),
      FIELD("DebugPort", 0x4E8, 2, DebugPort),
      FIELD("DebugUrl", 0x4EA, 61, DebugUrl),
  };
  for (const Field& f : fields) {
    EXPECT_EQ(f.actual_offset, f.offset) << f.name;
    EXPECT_EQ(f.actual_width, f.width) << f.name;
  }
  EXPECT_EQ(sizeof(SendSet), 1320u);
}

TEST(SendSetLayout, LongerVariantCarriesTheGpsMailboxAfterTheRecord) {
  struct Gps { const char* name; std::size_t offset, width, actual_offset, actual_width; };
#define GPS(name, off, width, member)                                                         \
  Gps {                                                                                       \
    name, off, width, offsetof(SendSetTarn, sGpsMail) + offsetof(GpsMail, member),            \
        sizeof(GpsMail::member)                                                               \
  }
  const Gps fields[] = {
      GPS("iPort", 1320, 4, iPort),
      GPS("szGpsSmtpAccount", 1324, 33, szGpsSmtpAccount),
      GPS("szGpsSmtpPassword", 1357, 33, szGpsSmtpPassword),
      GPS("szGpsServer", 1390, 61, szGpsServer),
      GPS("szGpsAddr", 1451, 49, szGpsAddr),
  };
#undef GPS
  for (const Gps& f : fields) {
    EXPECT_EQ(f.actual_offset, f.offset) << f.name;
    EXPECT_EQ(f.actual_width, f.width) << f.name;
  }
  EXPECT_EQ(offsetof(SendSetTarn, sSendSet), 0u);
  EXPECT_EQ(sizeof(SendSetTarn), 1500u);
}

#undef FIELD
#undef SUB

}  // namespace
