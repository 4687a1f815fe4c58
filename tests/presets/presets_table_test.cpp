// The operator catalogue as data: counts, names, field widths, the kinds
// of the values, and the rows the camera range is known to need.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "presets_support.h"

namespace {

using presets_test::kFirstModel;
using presets_test::kLastModel;

constexpr int kFrance = 20;
constexpr int kLithuania = 34;

// Operators offered per country, from the catalogue's published country list.
constexpr int kExpectedCount[OperatorCountryCount] = {
    4, 2, 4, 8, 4, 3, 5, 2, 2, 3, 4, 3, 10, 2, 1, 2, 2, 2, 2, 2, 2, 5,
    2, 2, 3, 5, 4, 2, 3, 1, 4, 3, 2, 5, 2, 4, 1, 1, 3, 3, 1, 2, 3};

// The single-word APNs the catalogue may use; every other APN is a dotted name.
const std::set<std::string> kSingleWordApns = {
    "3gnet",       "3netaccess", "Telenor",    "banga",        "cbnet",          "cmnet",
    "ctlte",       "cytamobile", "erainternet", "everywhere",  "gprsinternet",   "internet",
    "izimobil",    "mobinilweb", "net",        "o2internet",   "orange",         "orangeinternet",
    "phone",       "ppsinternet", "sl2sfr",    "surfo2",       "telenorbg",      "tomato",
    "www"};

bool IsEmpty(const char* s) { return s == nullptr || *s == '\0'; }

bool Fits(const char* s, std::size_t width) {
  return s != nullptr && std::string_view(s).size() < width;
}

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

bool HasBlank(std::string_view s) {
  for (char c : s)
    if (std::isspace(static_cast<unsigned char>(c))) return true;
  return false;
}

// Every offered pair: the row's count, plus "SFR" as seen by model 518.
template <class F>
void ForEachOffered(F f) {
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int op = 0; op < OfferedOperatorCount(c, 518); ++op) f(c, op);
}

TEST(OperatorCatalogue, CountsPerCountry) {
  for (int c = 0; c < OperatorCountryCount; ++c) {
    SCOPED_TRACE(OperatorCountryName(c, 1));
    EXPECT_EQ(OperatorNameTable[0][c].count, OperatorNameTable[1][c].count);
    EXPECT_EQ(static_cast<int>(OperatorNameTable[1][c].count & 0xFF), kExpectedCount[c]);
    // Every model except the two that see "SFR" gets the row's count.
    for (uint16_t code = kFirstModel; code <= kLastModel; ++code) {
      if (code == 518 || code == 519) continue;
      EXPECT_EQ(OfferedOperatorCount(c, code), kExpectedCount[c]) << code;
    }
  }
  EXPECT_EQ(OfferedOperatorCount(12, 512), 10);  // Russia: all ten slots
  for (int c : {14, 29, 36, 37, 40}) EXPECT_EQ(OfferedOperatorCount(c, 512), 1) << c;
  int offered = 0;
  ForEachOffered([&](int, int) { ++offered; });
  EXPECT_EQ(offered, 131);
}

TEST(OperatorCatalogue, CountriesOutsideTheCatalogueOfferNothing) {
  for (int c : {-1, OperatorCountryCount, int{ManualOperatorCountry}, 255}) {
    EXPECT_FALSE(IsPresetCountry(c));
    EXPECT_EQ(OfferedOperatorCount(c, 518), 0);
    EXPECT_STREQ(OperatorCountryName(c, 1), "");
    EXPECT_STREQ(OperatorName(c, 0, 1), "");
    EXPECT_EQ(FindApnPreset(c, 0, 518), nullptr);
    EXPECT_EQ(FindMmsPreset(c, 0, 518), nullptr);
  }
}

TEST(OperatorCatalogue, FranceOffersSfrToTheGpsMailboxModelsOnly) {
  EXPECT_STREQ(OperatorName(kFrance, 2, 1), "SFR");
  EXPECT_EQ(OperatorNameTable[1][kFrance].count, 2u);
  for (uint16_t code = kFirstModel; code <= kLastModel; ++code) {
    const bool sees_sfr = code == 518 || code == 519;
    EXPECT_EQ(OfferedOperatorCount(kFrance, code), sees_sfr ? 3 : 2) << code;
    EXPECT_EQ(FindApnPreset(kFrance, 2, code) != nullptr, sees_sfr) << code;
    EXPECT_EQ(FindOperator(kFrance, "SFR", code), sees_sfr ? 2 : -1) << code;
  }
  EXPECT_STREQ(FindApnPreset(kFrance, 2, 519)->apn, "sl2sfr");
}

TEST(OperatorCatalogue, LithuaniaStoresFourNamesAndOffersTwo) {
  EXPECT_EQ(OfferedOperatorCount(kLithuania, 518), 2);
  EXPECT_STREQ(OperatorName(kLithuania, 0, 1), "Omnitel");
  EXPECT_STREQ(OperatorName(kLithuania, 1, 1), "Omnitel Ezio");
  EXPECT_STREQ(OperatorName(kLithuania, 2, 1), "Tele2 Pildyk");
  EXPECT_STREQ(OperatorName(kLithuania, 3, 1), "Bite");
  for (int op : {2, 3}) {
    EXPECT_EQ(FindApnPreset(kLithuania, op, 518), nullptr);
    EXPECT_EQ(FindOperator(kLithuania, OperatorName(kLithuania, op, 1), 518), -1);
    EXPECT_EQ(ClampPresetIndex(kLithuania, op, 518), (PresetIndex{kLithuania, 0}));
  }
}

TEST(OperatorCatalogue, PlanesDifferOnlyInChinasNames) {
  const char* const chinese[] = {"中国联通", "中国移动", "中国电信", "中国广电"};
  const char* const english[] = {"China Unicom", "China Mobile", "China Telecom", "China Broadnet"};
  for (int op = 0; op < 4; ++op) {
    EXPECT_STREQ(OperatorName(0, op, 0), chinese[op]);
    EXPECT_STREQ(OperatorName(0, op, 1), english[op]);
  }
  for (int c = 1; c < OperatorCountryCount; ++c)
    for (int op = 0; op < OperatorsPerCountry; ++op)
      EXPECT_STREQ(OperatorName(c, op, 0), OperatorName(c, op, 1)) << c << "/" << op;
  // Names are kept exactly, the trailing blank of Sweden's "Tele2 " included.
  EXPECT_STREQ(OperatorName(5, 2, 1), "Tele2 ");
  EXPECT_EQ(FindOperator(5, "tele2", 512), 2);
}

TEST(OperatorCatalogue, CountryNamesAndOthers) {
  EXPECT_STREQ(OperatorCountryName(0, 0), "中国");
  EXPECT_STREQ(OperatorCountryName(2, 1), "Deutschland");
  EXPECT_STREQ(OperatorCountryName(42, 0), "韩国");
  EXPECT_STREQ(OperatorCountryName(42, 1), "Korea");
  EXPECT_STREQ(OthersText.s[0], "其他");
  EXPECT_STREQ(OthersText.s[1], "Others");
  std::set<std::string> seen;
  for (int c = 0; c < OperatorCountryCount; ++c) {
    EXPECT_FALSE(IsEmpty(OperatorCountryName(c, 0))) << c;
    EXPECT_TRUE(seen.insert(OperatorCountryName(c, 1)).second) << c;
  }
  EXPECT_EQ(FindOperatorCountry("canada"), 4);
  EXPECT_EQ(FindOperatorCountry("加拿大"), 4);
  EXPECT_EQ(FindOperatorCountry(" Ceska Republika "), 26);
  EXPECT_EQ(FindOperatorCountry("Atlantis"), -1);
  EXPECT_EQ(FindOperatorCountry(""), -1);
}

TEST(OperatorCatalogue, NameSlotsHoldNamesExactlyUpToTheStoredOnes) {
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int plane = 0; plane < 2; ++plane) {
      const OperatorNameRow& row = OperatorNameTable[plane][c];
      for (int op = 0; op < OfferedOperatorCount(c, 518); ++op)
        EXPECT_FALSE(IsEmpty(row.name[op])) << c << "/" << op;
      // Once a slot is empty, every later one is too.
      bool ended = false;
      for (int op = 0; op < OperatorsPerCountry; ++op) {
        if (IsEmpty(row.name[op])) {
          ended = true;
        } else {
          EXPECT_FALSE(ended) << c << "/" << op;
        }
      }
    }
}

// Every string of both preset tables, offered or not, is a string that
// fits its record field with its terminating zero.
TEST(OperatorCatalogue, EveryPresetStringFitsItsField) {
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int op = 0; op < OperatorsPerCountry; ++op) {
      SCOPED_TRACE(std::to_string(c) + "/" + std::to_string(op));
      const ApnPreset& a = ApnPresetTable[c][op];
      EXPECT_TRUE(Fits(a.apn, kNetApnWidth));
      EXPECT_TRUE(Fits(a.account, kNetAccountWidth));
      EXPECT_TRUE(Fits(a.password, kNetPasswordWidth));
      const MmsPreset& m = MmsPresetTable[c][op];
      EXPECT_TRUE(Fits(m.url, kMmsUrlWidth));
      EXPECT_TRUE(Fits(m.apn, kMmsApnWidth));
      EXPECT_TRUE(Fits(m.gateway, kMmsGatewayWidth));
      EXPECT_TRUE(Fits(m.port, kMmsPortWidth));
      EXPECT_TRUE(Fits(m.account, kMmsAccountWidth));
      EXPECT_TRUE(Fits(m.password, kMmsPasswordWidth));
    }
  EXPECT_EQ(kNetApnWidth, 61u);
  EXPECT_EQ(kMmsGatewayWidth, 17u);
  EXPECT_EQ(kMmsPortWidth, 9u);
}

TEST(OperatorCatalogue, SlotsWithoutAnOperatorHoldEmptyPresets) {
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int op = 0; op < OperatorsPerCountry; ++op) {
      if (!IsEmpty(OperatorName(c, op, 1))) continue;
      const ApnPreset& a = ApnPresetTable[c][op];
      const MmsPreset& m = MmsPresetTable[c][op];
      EXPECT_TRUE(IsEmpty(a.apn) && IsEmpty(a.account) && IsEmpty(a.password)) << c << "/" << op;
      EXPECT_TRUE(IsEmpty(m.url) && IsEmpty(m.apn) && IsEmpty(m.gateway) && IsEmpty(m.port) &&
                  IsEmpty(m.account) && IsEmpty(m.password))
          << c << "/" << op;
    }
}

TEST(OperatorCatalogue, ValuesHaveTheKindsOfTheirColumns) {
  ForEachOffered([](int c, int op) {
    SCOPED_TRACE(std::string(OperatorCountryName(c, 1)) + " / " + OperatorName(c, op, 1));
    const ApnPreset& a = ApnPresetTable[c][op];
    const std::string apn = a.apn;
    ASSERT_FALSE(apn.empty());
    EXPECT_FALSE(HasBlank(apn));
    if (apn.find('.') == std::string::npos) {
      EXPECT_TRUE(kSingleWordApns.count(apn)) << "single-word APN not in the catalogue's list: " << apn;
    } else {
      EXPECT_NE(apn.front(), '.');
      EXPECT_NE(apn.back(), '.');
    }
    EXPECT_FALSE(HasBlank(a.account));
    EXPECT_FALSE(HasBlank(a.password));

    const MmsPreset& m = MmsPresetTable[c][op];
    if (!IsEmpty(m.port)) {
      EXPECT_TRUE(AllDigits(m.port)) << m.port;
      EXPECT_FALSE(IsEmpty(m.gateway)) << "a port without a gateway";
    }
    for (const char* s : {m.url, m.apn, m.gateway, m.port, m.account, m.password})
      EXPECT_FALSE(HasBlank(s)) << s;
    // A gateway is the host alone; its port has a column of its own.
    EXPECT_EQ(std::string_view(m.gateway).find(':'), std::string_view::npos) << m.gateway;
  });
}

TEST(OperatorCatalogue, SingleWordApnsAreCommonButNotTheRule) {
  int single = 0, dotted = 0;
  ForEachOffered([&](int c, int op) {
    (std::string_view(ApnPresetTable[c][op].apn).find('.') == std::string_view::npos ? single : dotted)++;
  });
  EXPECT_EQ(single + dotted, 131);
  EXPECT_GT(dotted, single);
}

TEST(OperatorCatalogue, ChinaRows) {
  const char* const apn[] = {"3gnet", "cmnet", "ctlte", "cbnet"};
  for (int op = 0; op < 4; ++op) EXPECT_STREQ(ApnPresetTable[0][op].apn, apn[op]);
  for (int op : {0, 1, 3}) {
    EXPECT_STREQ(ApnPresetTable[0][op].account, "") << op;
    EXPECT_STREQ(ApnPresetTable[0][op].password, "") << op;
  }
  EXPECT_FALSE(IsEmpty(ApnPresetTable[0][2].account));
  EXPECT_FALSE(IsEmpty(ApnPresetTable[0][2].password));
  EXPECT_STREQ(MmsPresetTable[0][0].apn, "uniwap");
  EXPECT_STREQ(MmsPresetTable[0][1].apn, "cmwap");
  EXPECT_STREQ(MmsPresetTable[0][2].apn, "cmwap");
  for (int op : {0, 1, 2}) EXPECT_STREQ(MmsPresetTable[0][op].port, "80") << op;
  const MmsPreset& broadnet = MmsPresetTable[0][3];
  for (const char* s : {broadnet.url, broadnet.apn, broadnet.gateway, broadnet.port,
                        broadnet.account, broadnet.password})
    EXPECT_STREQ(s, "");
}

TEST(OperatorCatalogue, SpainAndKoreaRows) {
  EXPECT_STREQ(OperatorName(10, 2, 1), "Telstra");
  EXPECT_STREQ(ApnPresetTable[10][2].apn, "internet");
  for (int op : {1, 2}) {  // LG U+ and KTF: an MMS centre and nothing else
    const MmsPreset& m = MmsPresetTable[42][op];
    EXPECT_FALSE(IsEmpty(m.url)) << op;
    for (const char* s : {m.apn, m.gateway, m.port, m.account, m.password}) EXPECT_STREQ(s, "") << op;
  }
}

TEST(OperatorLookup, ClampBringsEveryPairIntoItsRow) {
  EXPECT_EQ(ClampPresetIndex(4, 3, 512), (PresetIndex{4, 3}));
  EXPECT_EQ(ClampPresetIndex(4, 4, 512), (PresetIndex{4, 0}));
  EXPECT_EQ(ClampPresetIndex(4, -1, 512), (PresetIndex{4, 0}));
  EXPECT_EQ(ClampPresetIndex(-1, -1, 512), (PresetIndex{0, 0}));
  EXPECT_EQ(ClampPresetIndex(43, 3, 512), (PresetIndex{0, 3}));
  EXPECT_EQ(ClampPresetIndex(12, 9, 512), (PresetIndex{12, 9}));
  EXPECT_EQ(ClampPresetIndex(kFrance, 2, 512), (PresetIndex{kFrance, 0}));
  EXPECT_EQ(ClampPresetIndex(kFrance, 2, 518), (PresetIndex{kFrance, 2}));
  EXPECT_STREQ(OperatorName(4, OperatorsPerCountry, 1), "");
  EXPECT_STREQ(OperatorName(4, -1, 1), "");
}

using SelectOperatorPresetTest = presets_test::PresetTest;

TEST_F(SelectOperatorPresetTest, CopiesBothPresetsAndEmptiesWhatThePresetLeavesEmpty) {
  SendSet rec{};
  std::memset(rec.sSmtpSet.szWLNetAccount, 'x', sizeof rec.sSmtpSet.szWLNetAccount - 1);
  CopyTextField(rec.sSmtpSet.szWLNetPassword, "typed before");
  CopyTextField(rec.sMmsSet.szGateway, "1.2.3.4");
  ASSERT_TRUE(SelectOperatorPreset(rec, 0, 3, 512));  // China Broadnet
  EXPECT_EQ(rec.byOperatorCountry, 0);
  EXPECT_EQ(rec.byOperator, 3);
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetApN, "cbnet"));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetAccount, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetPassword, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szUrl, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szApn, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szGateway, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szPort, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szAccount, ""));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szPassword, ""));
}

TEST_F(SelectOperatorPresetTest, CopiesEachStringIntoItsOwnField) {
  SendSet rec{};
  ASSERT_TRUE(SelectOperatorPreset(rec, 0, 2, 512));  // China Telecom
  const ApnPreset& a = ApnPresetTable[0][2];
  const MmsPreset& m = MmsPresetTable[0][2];
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetApN, a.apn));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetAccount, a.account));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetPassword, a.password));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szUrl, m.url));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szApn, m.apn));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szGateway, m.gateway));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szPort, m.port));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szAccount, m.account));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sMmsSet.szPassword, m.password));
}

TEST_F(SelectOperatorPresetTest, RefusesWhatIsNotOfferedAndLeavesTheRecord) {
  SendSet rec{};
  rec.byOperatorCountry = 7;
  rec.byOperator = 1;
  CopyTextField(rec.sSmtpSet.szWLNetApN, "mine");
  const SendSet before = rec;
  EXPECT_FALSE(SelectOperatorPreset(rec, kFrance, 2, 512));
  EXPECT_FALSE(SelectOperatorPreset(rec, kLithuania, 3, 518));
  EXPECT_FALSE(SelectOperatorPreset(rec, ManualOperatorCountry, 0, 518));
  EXPECT_FALSE(SelectOperatorPreset(rec, 4, -1, 518));
  EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0);
  EXPECT_TRUE(SelectOperatorPreset(rec, kFrance, 2, 518));
  EXPECT_TRUE(presets_test::HoldsExactly(rec.sSmtpSet.szWLNetApN, "sl2sfr"));
}

}  // namespace
