// The catalogue's values against the provider database they were taken
// from (Debian's mobile-broadband-provider-info): every value said to come
// from it must be found there as written, so a slip in a later edit of the
// tables shows up. Skipped where the database is not installed.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "presets_support.h"

namespace {

constexpr const char* kDatabase = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";

using Slot = std::pair<int, int>;

// Network APNs the database does not have: kept from the shipped catalogue
// (China Broadnet, Spain's "Telstra"), single words of the catalogue's own
// list (AT&T, Izi Mobil, Tomato), and the six operators no source lists.
const std::set<Slot> kApnNotFromDatabase = {
    {0, 3}, {10, 2}, {1, 1}, {6, 1}, {25, 3},
    {6, 3}, {12, 0}, {12, 6}, {13, 0}, {25, 4}, {35, 1}};
// MMS APNs kept from the shipped catalogue (China Unicom, China Telecom).
const std::set<Slot> kMmsApnNotFromDatabase = {{0, 0}, {0, 2}};
// A gateway whose dots the database left out (Tele2 Croatia).
const std::set<Slot> kGatewayRewritten = {{25, 2}};

std::string ReadDatabase() {
  std::ifstream in(kDatabase, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Has(const std::string& db, const std::string& needle) {
  return db.find(needle) != std::string::npos;
}

// A non-empty value must stand in the database between `open` and `close`.
void ExpectListed(const std::string& db, const char* open, const char* value, const char* close) {
  if (*value == '\0') return;
  EXPECT_TRUE(Has(db, open + std::string(value) + close)) << open << value << close;
}

TEST(OperatorSources, DatabaseValuesAreFoundInTheDatabase) {
  const std::string db = ReadDatabase();
  if (db.empty()) GTEST_SKIP() << kDatabase << " is not installed";
  int checked = 0;
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int op = 0; op < OperatorsPerCountry; ++op) {
      if (*OperatorName(c, op, 1) == '\0') continue;
      SCOPED_TRACE(std::string(OperatorCountryName(c, 1)) + " / " + OperatorName(c, op, 1));
      const Slot slot{c, op};
      const ApnPreset& a = ApnPresetTable[c][op];
      if (!kApnNotFromDatabase.count(slot)) {
        ExpectListed(db, "<apn value=\"", a.apn, "\">");
        ++checked;
      }
      ExpectListed(db, "<username>", a.account, "</username>");
      ExpectListed(db, "<password>", a.password, "</password>");

      const MmsPreset& m = MmsPresetTable[c][op];
      ExpectListed(db, "<mmsc>", m.url, "</mmsc>");
      if (!kMmsApnNotFromDatabase.count(slot)) ExpectListed(db, "<apn value=\"", m.apn, "\">");
      if (*m.gateway && !kGatewayRewritten.count(slot)) {
        const std::string proxy = std::string(m.gateway) + (*m.port ? ":" + std::string(m.port) : "");
        EXPECT_TRUE(Has(db, "<mmsproxy>" + proxy + "</mmsproxy>")) << proxy;
      }
      ExpectListed(db, "<username>", m.account, "</username>");
      ExpectListed(db, "<password>", m.password, "</password>");
    }
  EXPECT_EQ(checked, 133 - static_cast<int>(kApnNotFromDatabase.size()));
  // The rewritten gateway is the database's digits with the dots put back.
  EXPECT_TRUE(Has(db, "<mmsproxy>193012040066:8080</mmsproxy>"));
  EXPECT_STREQ(MmsPresetTable[25][2].gateway, "193.012.040.066");
}

}  // namespace
