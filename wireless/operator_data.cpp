// The operator catalogue as data: country names, operator names and each
// operator's network and MMS settings.
//
// The network and MMS values come, wherever it lists the operator, from the
// public provider database of the Debian package
// mobile-broadband-provider-info (version 20230416, serviceproviders.xml).
// The comment above or beside each row names its source:
//   db CC "Provider" "Entry"   that provider (and access point entry) under
//                              country code CC of the database; some
//                              operators' MMS entries are filed under
//                              another country or a reseller, as noted
//   as shipped                 a value this catalogue has always carried
//   APN word of the shipped catalogue
//                              a single-word APN the catalogue has always
//                              carried for this operator
//   no published source        generic APN "internet"; nothing else known
//   no source                  no MMS values known: the fields stay empty
//                              rather than hold a guess
// docs/operator-sources.md lists the same per operator.
#include <string_view>

#include "wireless/operator_presets.h"

namespace {

enum Country : uint8_t {
  kChina, kUnitedStates, kGermany, kUnitedKingdom, kCanada, kSweden, kSlovenia, kPortugal,
  kTurkey, kSwitzerland, kSpain, kSlovakia, kRussia, kRomania, kPoland, kNetherlands, kItaly,
  kIreland, kHungary, kGreece, kFrance, kAustralia, kAustria, kBrazil, kBulgaria, kCroatia,
  kCzechRepublic, kDenmark, kFinland, kNewZealand, kNorway, kSouthAfrica, kEgypt, kUkraine,
  kLithuania, kIndia, kLatvia, kNamibia, kEstonia, kBelgium, kCyprus, kChile, kKorea,
  kCountryEnd
};
static_assert(kCountryEnd == OperatorCountryCount);

}  // namespace

const UiText OperatorCountryNames[OperatorCountryCount] = {
    {"中国", "China"},
    {"美国", "United States"},
    {"德国", "Deutschland"},
    {"英国", "United Kingdom"},
    {"加拿大", "Canada"},
    {"瑞典", "Sweden"},
    {"斯洛文尼亚", "Slovenia"},
    {"葡萄牙", "Portugal"},
    {"土耳其", "Turkey"},
    {"瑞士", "Schweiz"},
    {"西班牙", "Spain"},
    {"斯洛伐克", "Slovakia"},
    {"俄罗斯", "Russia"},
    {"罗马尼亚", "Romania"},
    {"波兰", "Poland"},
    {"荷兰", "Netherlands"},
    {"意大利", "Italy"},
    {"爱尔兰", "Ireland"},
    {"匈牙利", "Hungary"},
    {"希腊", "Greece"},
    {"法国", "France"},
    {"澳大利亚", "Australia"},
    {"奥地利", "Oesterreich"},
    {"巴西", "Brazil"},
    {"保加利亚", "Bulgaria"},
    {"克罗地亚", "Croatia"},
    {"捷克共和国", "Ceska republika"},
    {"丹麦", "Denmark"},
    {"芬兰", "Finland"},
    {"新西兰", "New Zealand"},
    {"挪威", "Norway"},
    {"南非", "South Africa"},
    {"埃及", "Egypt"},
    {"乌克兰", "Ukraine"},
    {"立陶宛", "Lithuania"},
    {"印度", "India"},
    {"拉脱维亚", "Latvia"},
    {"纳米比亚", "Namibia"},
    {"爱沙尼亚", "Estonia"},
    {"比利时", "Belgium"},
    {"塞浦路斯", "Cyprus"},
    {"智利", "Chile"},
    {"韩国", "Korea"},
};

const UiText OthersText = {"其他", "Others"};

namespace {

// Operator names in list order; the count is the number offered. France
// stores "SFR" beyond its count (offered only to the models whose catalogue row says so), and
// Lithuania two names that are never offered.
constexpr OperatorNamePlane kEnglishNames = {{
    {4, {"China Unicom", "China Mobile", "China Telecom", "China Broadnet"}},
    {2, {"T-Mobile", "AT&T"}},
    {4, {"Vodafone", "T-Mobile", "E-Plus", "O2"}},
    {8, {"Vodafone", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay", "ASDA Mobile", "EE"}},
    {4, {"Fido", "Rogers", "Telus", "Bell"}},
    {3, {"Telenor", "Telia", "Tele2 "}},
    {5, {"Mobitel", "Izi Mobil", "Si Mobil", "Bob", "Telemach"}},
    {2, {"Optimus", "Vodafone"}},
    {2, {"Avea", "Turkcell"}},
    {3, {"Orange", "Sunrise", "Swisscom"}},
    {4, {"Orange", "Vodafone", "Telstra", "Movistar"}},
    {3, {"T-Mobile", "Orange", "O2"}},
    {10, {"A Mobile", "Beeline", "Megafon", "MTS", "Tele2", "Yota", "Rostelecom", "Motiv", "letai", "Velcom"}},
    {2, {"Telekom", "Vodafone"}},
    {1, {"ERA"}},
    {2, {"T-Mobile", "Vodafone"}},
    {2, {"TIM", "Vodafone"}},
    {2, {"Meteor", "Vodafone"}},
    {2, {"T-Mobile", "Vodafone"}},
    {2, {"T-Cosmote", "Vodafone"}},
    {2, {"Bouygues", "Orange", "SFR"}},
    {5, {"Optus", "Telstra", "Vodafone", "Three", "AldiMobile"}},
    {2, {"A1", "T-Mobile"}},
    {2, {"Brazil Telecom", "Claro"}},
    {3, {"Telenor", "M-tel", "Vivacom"}},
    {5, {"VIPNet", "T-mobile", "Tele2", "Tomato", "Bonbon"}},
    {4, {"Eurotel", "O2", "T-Mobile", "Vodafone"}},
    {2, {"TDC", "Telia"}},
    {3, {"DNA", "Sonera", "Elisa"}},
    {1, {"Vodafone"}},
    {4, {"Teila N", "Telenor", "Tele2", "NetworkNorway"}},
    {3, {"Cell C", "Vodacom", "MTN"}},
    {2, {"MobilNil", "Vodafone"}},
    {5, {"KiyvStar", "MTS", "LIFE", "Beeline UA", "UMC Ukraine"}},
    {2, {"Omnitel", "Omnitel Ezio", "Tele2 Pildyk", "Bite"}},
    {4, {"Idea", "BPL", "Airtel", "VodaFone"}},
    {1, {"LMT"}},
    {1, {"MTC"}},
    {3, {"EMT", "ELISA", "TELE2"}},
    {3, {"Proximus", "Mobistar", "Base"}},
    {1, {"Cyta"}},
    {2, {"Telefonica", "Entel"}},
    {3, {"SKT", "LG U+", "KTF"}},
}};

constexpr OperatorNameRow kChinaInChinese = {4, {"中国联通", "中国移动", "中国电信", "中国广电"}};

constexpr OperatorNamePlane ChinesePlane() {
  OperatorNamePlane plane = kEnglishNames;
  plane[kChina] = kChinaInChinese;
  return plane;
}

}  // namespace

const std::array<OperatorNamePlane, 2> OperatorNameTable = {ChinesePlane(), kEnglishNames};

namespace {

// One operator's network access: country, slot, the operator's English
// name (checked against the name table above), APN, account, password.
struct ApnRow {
  Country country;
  uint8_t slot;
  const char* name;
  ApnPreset preset;
};

// One operator's MMS service: country, slot, name, then centre URL, MMS
// APN, gateway, port, account, password.
struct MmsRow {
  Country country;
  uint8_t slot;
  const char* name;
  MmsPreset preset;
};

// clang-format off
constexpr ApnRow kApnRows[] = {
    // country    slot  operator            APN                        account                 password
    // db cn "China Unicom"; its user name "uninet" is not used
    {kChina,         0, "China Unicom",    {"3gnet",                   "",                     ""}},
    // db cn "China Mobile" "Internet"; its user name and password "guest" are not used
    {kChina,         1, "China Mobile",    {"cmnet",                   "",                     ""}},
    // db cn "China Telecom" "CTLTE"
    {kChina,         2, "China Telecom",   {"ctlte",                   "ctlte@mycdma.cn",      "vnet.mobi"}},
    // as shipped
    {kChina,         3, "China Broadnet",  {"cbnet",                   "",                     ""}},

    // db us "T-Mobile" "T-Mobile LTE"
    {kUnitedStates,  0, "T-Mobile",        {"fast.t-mobile.com",       "",                     ""}},
    // APN word of the shipped catalogue; the database has only other single words
    {kUnitedStates,  1, "AT&T",            {"phone",                   "",                     ""}},

    // db de "Vodafone"
    {kGermany,       0, "Vodafone",        {"web.vodafone.de",         "",                     ""}},
    // db de "T-Mobile(Telekom)" "Default dualstack"
    {kGermany,       1, "T-Mobile",        {"internet.telekom",        "",                     ""}},
    // db de "E-Plus"
    {kGermany,       2, "E-Plus",          {"internet.eplus.de",       "eplus",                "gprs"}},
    // db de "O2" "Pay-by-MB"
    {kGermany,       3, "O2",              {"internet",                "",                     ""}},

    // db gb "Vodafone" "Contract"
    {kUnitedKingdom, 0, "Vodafone",        {"internet",                "web",                  "web"}},
    // db gb "O2" "Pay and Go (Prepaid)"
    {kUnitedKingdom, 1, "O2 Payandgo",     {"payandgo.o2.co.uk",       "payandgo",             "payandgo"}},
    // db gb "EE" "EE Internet"; the Orange network is now EE (23433)
    {kUnitedKingdom, 2, "Orange",          {"everywhere",              "eesecure",             "secure"}},
    // db gb "3" "Handsets"
    {kUnitedKingdom, 3, "3",               {"three.co.uk",             "",                     ""}},
    // db gb "Virgin Mobile"
    {kUnitedKingdom, 4, "Virgin",          {"goto.virginmobile.uk",    "user",                 ""}},
    // db gb "Vodafone" "Prepaid"
    {kUnitedKingdom, 5, "Vodafone Prepay", {"pp.vodafone.co.uk",       "web",                  "web"}},
    // db gb "Asda Mobile"
    {kUnitedKingdom, 6, "ASDA Mobile",     {"asdamobiles.co.uk",       "web",                  "web"}},
    // db gb "EE" "EE Internet"
    {kUnitedKingdom, 7, "EE",              {"everywhere",              "eesecure",             "secure"}},

    // db ca "Fido"
    {kCanada,        0, "Fido",            {"ltemobile.apn",           "",                     ""}},
    // db ca "Rogers" "Rogers Internet"
    {kCanada,        1, "Rogers",          {"ltemobile.apn",           "",                     ""}},
    // db ca "Telus Mobility" "Internet"
    {kCanada,        2, "Telus",           {"isp.telus.com",           "",                     ""}},
    // db ca "Bell Mobility" "Internet"
    {kCanada,        3, "Bell",            {"inet.bell.ca",            "",                     ""}},

    // db se "Telenor" "Mobilt Internet"
    {kSweden,        0, "Telenor",         {"internet.telenor.se",     "",                     ""}},
    // db se "Telia" "Telia 3G"
    {kSweden,        1, "Telia",           {"online.telia.se",         "",                     ""}},
    // db se "Tele2" "Mobilt Internet"
    {kSweden,        2, "Tele2 ",          {"internet.tele2.se",       "",                     ""}},

    // db si "Mobitel" "Postpaid"
    {kSlovenia,      0, "Mobitel",         {"internet",                "mobitel",              "internet"}},
    // APN word of the shipped catalogue (not in the database)
    {kSlovenia,      1, "Izi Mobil",       {"izimobil",                "",                     ""}},
    // db si "Vodafone / Simobil"
    {kSlovenia,      2, "Si Mobil",        {"internet.simobil.si",     "simobil",              "internet"}},
    // no published source: generic APN
    {kSlovenia,      3, "Bob",             {"internet",                "",                     ""}},
    // db si "Telemach" "NET2GO/FREE2GO"
    {kSlovenia,      4, "Telemach",        {"internet",                "",                     ""}},

    // db pt "Optimus" "GPRS"
    {kPortugal,      0, "Optimus",         {"internet",                "",                     ""}},
    // db pt "Vodafone"
    {kPortugal,      1, "Vodafone",        {"internet.vodafone.pt",    "vodafone",             "vodafone"}},

    // db tr "Avea"
    {kTurkey,        0, "Avea",            {"internet",                "",                     ""}},
    // db tr "Turkcell" "Turkcell internet"
    {kTurkey,        1, "Turkcell",        {"internet",                "",                     ""}},

    // db ch "Salt" "Salt Internet - Postpaid"; the Orange network is now Salt (22803)
    {kSwitzerland,   0, "Orange",          {"internet",                "",                     ""}},
    // db ch "Sunrise"
    {kSwitzerland,   1, "Sunrise",         {"internet",                "internet",             "internet"}},
    // db ch "Swisscom" "Swisscom GPRS"
    {kSwitzerland,   2, "Swisscom",        {"gprs.swisscom.ch",        "",                     ""}},

    // db es "Orange" "Orange"
    {kSpain,         0, "Orange",          {"internet",                "ORANGE",               "ORANGE"}},
    // db es "Vodafone" "Vodafone"
    {kSpain,         1, "Vodafone",        {"ac.vodafone.es",          "vodafone",             "vodafone"}},
    // as shipped
    {kSpain,         2, "Telstra",         {"internet",                "",                     ""}},
    // db es "Movistar (Telefónica)" "Telefónica"
    {kSpain,         3, "Movistar",        {"telefonica.es",           "telefonica",           "telefonica"}},

    // db sk "Slovak Telekom"
    {kSlovakia,      0, "T-Mobile",        {"internet",                "",                     ""}},
    // db sk "Orange"
    {kSlovakia,      1, "Orange",          {"internet",                "",                     ""}},
    // db sk "O2" "Internet"
    {kSlovakia,      2, "O2",              {"o2internet",              "",                     ""}},

    // no published source: generic APN
    {kRussia,        0, "A Mobile",        {"internet",                "",                     ""}},
    // db ru "Beeline" "Mobile phone"
    {kRussia,        1, "Beeline",         {"internet.beeline.ru",     "beeline",              "beeline"}},
    // db ru "Megafon" "RUS"
    {kRussia,        2, "Megafon",         {"internet",                "gdata",                "gdata"}},
    // db ru "MTS" "MTS internet"
    {kRussia,        3, "MTS",             {"internet.mts.ru",         "mts",                  "mts"}},
    // db ru "Tele2" "TELE2 internet"
    {kRussia,        4, "Tele2",           {"internet.tele2.ru",       "",                     ""}},
    // db ru "Yota" "Internet for LTE modems"
    {kRussia,        5, "Yota",            {"internet.yota",           "",                     ""}},
    // no published source: generic APN
    {kRussia,        6, "Rostelecom",      {"internet",                "",                     ""}},
    // db ru "Motiv" "MOTIV"
    {kRussia,        7, "Motiv",           {"inet.ycc.ru",             "motiv",                "motiv"}},
    // db ru "Letai"
    {kRussia,        8, "letai",           {"internet.letai.ru",       "",                     ""}},
    // db by "velcom" "GPRS WEB"; velcom is listed under Belarus
    {kRussia,        9, "Velcom",          {"web.velcom.by",           "web",                  "web"}},

    // no published source: generic APN
    {kRomania,       0, "Telekom",         {"internet",                "",                     ""}},
    // db ro "Vodafone" "Mobile Internet (Postpaid)"
    {kRomania,       1, "Vodafone",        {"internet.vodafone.ro",    "internet.vodafone.ro", "vodafone"}},

    // db pl "T-Mobile"; the Era network is now T-Mobile (26002)
    {kPoland,        0, "ERA",             {"internet",                "",                     ""}},

    // db nl "T-Mobile" "T-Mobile Internet"
    {kNetherlands,   0, "T-Mobile",        {"internet",                "",                     ""}},
    // db nl "Vodafone" "Non-business"
    {kNetherlands,   1, "Vodafone",        {"live.vodafone.com",       "vodafone",             "vodafone"}},

    // db it "TIM" "Maxxi Alice/Internet"
    {kItaly,         0, "TIM",             {"ibox.tim.it",             "",                     ""}},
    // db it "Vodafone" "Mobile Internet"
    {kItaly,         1, "Vodafone",        {"mobile.vodafone.it",      "",                     ""}},

    // db ie "Meteor" "Meteor Data"
    {kIreland,       0, "Meteor",          {"data.mymeteor.ie",        "my",                   "meteor"}},
    // db ie "Vodafone"
    {kIreland,       1, "Vodafone",        {"hs.vodafone.ie",          "vodafone",             "vodafone"}},

    // db hu "T-Mobile"
    {kHungary,       0, "T-Mobile",        {"internet",                "",                     ""}},
    // db hu "Vodafone" "Előf. töm."
    {kHungary,       1, "Vodafone",        {"internet.vodafone.net",   "",                     ""}},

    // db gr "Cosmote"
    {kGreece,        0, "T-Cosmote",       {"internet",                "",                     ""}},
    // db gr "Vodafone" "Contract"
    {kGreece,        1, "Vodafone",        {"internet",                "",                     ""}},

    // db fr "Bouygues Telecom" "Forfait Data"
    {kFrance,        0, "Bouygues",        {"ebouygtel.com",           "",                     ""}},
    // db fr "Orange" "Orange Internet"
    {kFrance,        1, "Orange",          {"orange.fr",               "",                     ""}},
    // db fr "SFR" "Full Internet (Webphone)"
    {kFrance,        2, "SFR",             {"sl2sfr",                  "",                     ""}},

    // db au "Optus" "Mobile Internet (handsets)"
    {kAustralia,     0, "Optus",           {"internet",                "",                     ""}},
    // db au "Telstra" "Telstra (Next G)"
    {kAustralia,     1, "Telstra",         {"telstra.internet",        "",                     ""}},
    // db au "Vodafone" "Postpaid and some prepaid phone plans"
    {kAustralia,     2, "Vodafone",        {"vfinternet.au",           "",                     ""}},
    // db au "Three"
    {kAustralia,     3, "Three",           {"3netaccess",              "a",                    "a"}},
    // db au "Aldi Mobile AU" "Mobile Data"
    {kAustralia,     4, "AldiMobile",      {"mdata.net.au",            "",                     ""}},

    // db at "A1/Telekom Austria" "A1 Breitband"
    {kAustria,       0, "A1",              {"a1.net",                  "ppp@a1plus.at",        "ppp"}},
    // db at "T-Mobile" "Internet"
    {kAustria,       1, "T-Mobile",        {"gprsinternet",            "t-mobile",             "tm"}},

    // db br "Brasil Telecom"
    {kBrazil,        0, "Brazil Telecom",  {"brt.br",                  "BrT",                  "BrT"}},
    // db br "Claro"
    {kBrazil,        1, "Claro",           {"claro.com.br",            "claro",                "claro"}},

    // db bg "GloBul"; Telenor Bulgaria is the former GloBul (28405)
    {kBulgaria,      0, "Telenor",         {"internet.globul.bg",      "globul",               ""}},
    // db bg "M-Tel"
    {kBulgaria,      1, "M-tel",           {"inet-gprs.mtel.bg",       "",                     ""}},
    // db bg "Vivacom" "Vivacom Internet (Postpaid)"
    {kBulgaria,      2, "Vivacom",         {"internet.vivacom.bg",     "vivacom",              "vivacom"}},

    // db hr "VIPNET" "Contract and Prepaid"
    {kCroatia,       0, "VIPNet",          {"data.vip.hr",             "",                     ""}},
    // db hr "T-Mobile"
    {kCroatia,       1, "T-mobile",        {"web.htgprs",              "",                     ""}},
    // db hr "Tele2"
    {kCroatia,       2, "Tele2",           {"mobileinternet.tele2.hr", "",                     ""}},
    // APN word of the shipped catalogue (not in the database)
    {kCroatia,       3, "Tomato",          {"tomato",                  "",                     ""}},
    // no published source: generic APN
    {kCroatia,       4, "Bonbon",          {"internet",                "",                     ""}},

    // db cz "O2"; the Eurotel network is now O2 (23002)
    {kCzechRepublic, 0, "Eurotel",         {"internet",                "",                     ""}},
    // db cz "O2"
    {kCzechRepublic, 1, "O2",              {"internet",                "",                     ""}},
    // db cz "T-Mobile"
    {kCzechRepublic, 2, "T-Mobile",        {"internet.t-mobile.cz",    "",                     ""}},
    // db cz "Vodafone"
    {kCzechRepublic, 3, "Vodafone",        {"internet",                "",                     ""}},

    // db dk "TDC"
    {kDenmark,       0, "TDC",             {"internet",                "",                     ""}},
    // db dk "Telia"
    {kDenmark,       1, "Telia",           {"www.internet.mtelia.dk",  "",                     ""}},

    // db fi "DNA" "Postpaid (contract) NAT (available for all subscribers)"
    {kFinland,       0, "DNA",             {"internet",                "",                     ""}},
    // db fi "Telia"; Sonera is now Telia (24491)
    {kFinland,       1, "Sonera",          {"internet",                "",                     ""}},
    // db fi "Elisa"
    {kFinland,       2, "Elisa",           {"internet",                "",                     ""}},

    // db nz "Vodafone" "Contract / Prepaid (Restricted)"
    {kNewZealand,    0, "Vodafone",        {"www.vodafone.net.nz",     "",                     ""}},

    // db no "Netcom"; Telia Norway is the former NetCom (24202)
    {kNorway,        0, "Teila N",         {"internet.netcom.no",      "netcom",               "netcom"}},
    // db no "Telenor" "Telenor"
    {kNorway,        1, "Telenor",         {"telenor.smart",           "",                     ""}},
    // db no "Tele2" "Mobilt bredbånd"
    {kNorway,        2, "Tele2",           {"mobileinternet.tele2.no", "",                     ""}},
    // db no "Network Norway"
    {kNorway,        3, "NetworkNorway",   {"internet",                "",                     ""}},

    // db za "Cell-c"
    {kSouthAfrica,   0, "Cell C",          {"internet",                "",                     ""}},
    // db za "Vodacom"
    {kSouthAfrica,   1, "Vodacom",         {"internet",                "",                     ""}},
    // db za "MTN"
    {kSouthAfrica,   2, "MTN",             {"internet",                "",                     ""}},

    // db eg "MobiNil"
    {kEgypt,         0, "MobilNil",        {"mobinilweb",              "",                     ""}},
    // db eg "Vodafone"
    {kEgypt,         1, "Vodafone",        {"internet.vodafone.net",   "internet",             "internet"}},

    // db ua "kyivstar" "Contract GPRS"
    {kUkraine,       0, "KiyvStar",        {"www.kyivstar.net",        "",                     ""}},
    // db ua "MTS" "GPRS Internet"
    {kUkraine,       1, "MTS",             {"internet",                "internet",             ""}},
    // db ua "life:)" "Standard"
    {kUkraine,       2, "LIFE",            {"internet",                "",                     ""}},
    // db ua "Beeline"
    {kUkraine,       3, "Beeline UA",      {"internet.beeline.ua",     "",                     ""}},
    // db ua "MTS" "umc.ua"; UMC is the former name of MTS Ukraine (25501)
    {kUkraine,       4, "UMC Ukraine",     {"www.umc.ua",              "",                     ""}},

    // db lt "Omnitel (contract)" "Contract"
    {kLithuania,     0, "Omnitel",         {"gprs.omnitel.net",        "",                     ""}},
    // db lt "Omnitel (contract)" "No contract"; the prepaid ("No contract") access
    {kLithuania,     1, "Omnitel Ezio",    {"gprs.startas.lt",         "omni",                 "omni"}},
    // db lt "TELE2 GPRS"
    {kLithuania,     2, "Tele2 Pildyk",    {"internet.tele2.lt",       "",                     ""}},
    // db lt "Bite"
    {kLithuania,     3, "Bite",            {"banga",                   "",                     ""}},

    // db in "Idea Cellular"
    {kIndia,         0, "Idea",            {"internet",                "",                     ""}},
    // no published source: generic APN
    {kIndia,         1, "BPL",             {"internet",                "",                     ""}},
    // db in "Airtel"
    {kIndia,         2, "Airtel",          {"airtelgprs.com",          "",                     ""}},
    // db in "Vodafone" "Vodafone Connect"
    {kIndia,         3, "VodaFone",        {"www",                     "",                     ""}},

    // db lv "LMT"
    {kLatvia,        0, "LMT",             {"internet.lmt.lv",         "",                     ""}},

    // db na "MTC" "Tango"
    {kNamibia,       0, "MTC",             {"ppsinternet",             "ppsuser",              "ppsuser"}},

    // db ee "EMT"
    {kEstonia,       0, "EMT",             {"internet.emt.ee",         "",                     ""}},
    // db ee "Elisa"
    {kEstonia,       1, "ELISA",           {"internet",                "",                     ""}},
    // db ee "Tele2"
    {kEstonia,       2, "TELE2",           {"internet.tele2.ee",       "wap",                  "wap"}},

    // db be "Proximus" "Inter"
    {kBelgium,       0, "Proximus",        {"internet.proximus.be",    "",                     ""}},
    // db be "Mobistar" "Personal"
    {kBelgium,       1, "Mobistar",        {"internet.be",             "mobistar",             "mobistar"}},
    // db be "Base"
    {kBelgium,       2, "Base",            {"gprs.base.be",            "base",                 "base"}},

    // db cy "Cytamobile-Vodafone" "Contract"
    {kCyprus,        0, "Cyta",            {"internet",                "",                     ""}},

    // db cl "Movistar" "Banda Ancha Movil"; Telefonica Chile is Movistar (73002)
    {kChile,         0, "Telefonica",      {"web.tmovil.cl",           "web",                  "web"}},
    // db cl "Entel PCS" "Internet Movil"
    {kChile,         1, "Entel",           {"bam.entelpcs.cl",         "entelpcs",             "entelpcs"}},

    // db kr "SK Telecom" "SKT LTE"
    {kKorea,         0, "SKT",             {"lte.sktelecom.com",       "",                     ""}},
    // db kr "LG U+"
    {kKorea,         1, "LG U+",           {"internet.lguplus.co.kr",  "",                     ""}},
    // db kr "KT" "KT LTE"; KTF is now KT (45008)
    {kKorea,         2, "KTF",             {"lte.ktfwing.com",         "",                     ""}},
};

constexpr MmsRow kMmsRows[] = {
    // country, slot, operator, {MMS centre, MMS APN, gateway, port, account, password}
    // db cn "China Unicom" "联通彩信"; MMS APN "uniwap" as shipped (3gwap in the database)
    {kChina, 0, "China Unicom", {"http://mmsc.myuni.com.cn", "uniwap", "10.0.0.172", "80", "", ""}},
    // db cn "China Mobile" "移动彩信"
    {kChina, 1, "China Mobile", {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""}},
    // db cn "China Telecom" "电信彩信"; MMS APN "cmwap" as shipped (ctwap in the database)
    {kChina, 2, "China Telecom",
     {"http://mmsc.vnet.mobi", "cmwap", "10.0.0.200", "80", "ctwap@mycdma.cn", "vnet.mobi"}},
    // as shipped
    {kChina, 3, "China Broadnet", {"", "", "", "", "", ""}},

    // db us "T-Mobile" "T-Mobile LTE"
    {kUnitedStates, 0, "T-Mobile",
     {"http://mms.msg.eng.t-mobile.com/mms/wapenc", "fast.t-mobile.com", "", "", "", ""}},
    // db us "AT&T" "NXTGENPHONE"; gateway proxy.mobile.att.net:80 does not fit 16 characters
    {kUnitedStates, 1, "AT&T", {"http://mmsc.mobile.att.net", "NXTGENPHONE", "", "", "", ""}},

    // db de "Bild Mobil" "VF DE MMS"; the Vodafone network's MMS, listed under a reseller
    {kGermany, 0, "Vodafone",
     {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "", ""}},
    // db de "T-Mobile(Telekom)" "Dualstack with MMS and fixed DNSv4"
    {kGermany, 1, "T-Mobile",
     {"http://mms.t-mobile.de/servlets/mms", "internet.t-mobile", "172.28.23.131", "8008", "t-mobile", "tm"}},
    // db de "AldiTalk/MedionMobile" "E-plus MMS"; the E-Plus network's MMS, listed under a reseller
    {kGermany, 2, "E-Plus",
     {"http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "5080", "mms", "eplus"}},
    // db de "O2" "o2 MMS"
    {kGermany, 3, "O2", {"http://10.81.0.7:8002", "internet", "195.182.114.52", "8080", "", ""}},

    // no source
    {kUnitedKingdom, 0, "Vodafone", {"", "", "", "", "", ""}},
    // db gb "giffgaff" "O2 MMS"; the O2 network's MMS, listed under a reseller
    {kUnitedKingdom, 1, "O2 Payandgo",
     {"http://mmsc.mms.o2.co.uk:8002", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap", "password"}},
    // db gb "EE" "EE MMS"
    {kUnitedKingdom, 2, "Orange",
     {"http://mms/", "eezone", "149.254.201.135", "8080", "eesecure", "secure"}},
    // db at "Drei (3)" "3 MMS"; Three UK's MMS, listed under Austria
    {kUnitedKingdom, 3, "3",
     {"http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "mms.three.co.uk", "8799", "", ""}},
    // no source; its two MMS entries point at French and South African servers
    {kUnitedKingdom, 4, "Virgin", {"", "", "", "", "", ""}},
    // no source
    {kUnitedKingdom, 5, "Vodafone Prepay", {"", "", "", "", "", ""}},
    // db gb "Asda Mobile" "ASDA MMS"
    {kUnitedKingdom, 6, "ASDA Mobile",
     {"http://mms.asdamobiles.co.uk/servlets/mms", "asdamobiles.co.uk", "212.183.137.12", "8799", "wap", "wap"}},
    // db gb "EE" "EE MMS"
    {kUnitedKingdom, 7, "EE",
     {"http://mms/", "eezone", "149.254.201.135", "8080", "eesecure", "secure"}},

    // db ca "Fido" "Fido MMS"
    {kCanada, 0, "Fido", {"http://mms.fido.ca", "mms.fido.ca", "mm1.fido.ca", "80", "", ""}},
    // db ca "Rogers" "Rogers Media"
    {kCanada, 1, "Rogers",
     {"http://mms.gprs.rogers.com", "media.com", "10.128.1.69", "80", "media", "mda01"}},
    // db ca "Telus Mobility" "TELUS MMS"
    {kCanada, 2, "Telus",
     {"http://aliasredirect.net/proxy/mmsc", "sp.telus.com", "74.49.0.18", "80", "", ""}},
    // db ca "Bell Mobility" "Bell MMS"; gateway web.wireless.bell.ca:80 does not fit 16 characters
    {kCanada, 3, "Bell", {"http://mms.bell.ca/mms/wapenc", "pda.bell.ca", "", "", "", ""}},

    // db se "Telenor" "Cellmobile MMS"
    {kSweden, 0, "Telenor", {"http://mms", "sp-services", "172.30.253.241", "8799", "", ""}},
    // db se "Multicom Security" "Telia MMS"; Telia's MMS, listed under a reseller
    {kSweden, 1, "Telia", {"http://mmss/", "mms.telia.se", "193.209.134.132", "80", "", ""}},
    // db se "Comviq" "Tele2 MMS"; Tele2's MMS, listed under its Comviq brand
    {kSweden, 2, "Tele2 ",
     {"http://mmsc.tele2.se", "internet.tele2.se", "130.244.202.30", "8080", "", ""}},

    // db kh "Cellcard" "Mobitel MMS"; Mobitel's MMS (mobitel.si), listed under Cambodia
    {kSlovenia, 0, "Mobitel",
     {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel", "internet"}},
    // no source
    {kSlovenia, 1, "Izi Mobil", {"", "", "", "", "", ""}},
    // db si "Vodafone / Simobil" "SI mobil MMS"
    {kSlovenia, 2, "Si Mobil",
     {"http://mmc/", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
    // no source
    {kSlovenia, 3, "Bob", {"", "", "", "", "", ""}},
    // no source
    {kSlovenia, 4, "Telemach", {"", "", "", "", "", ""}},

    // db pt "Kanguru" "Optimus MMS"; Optimus's MMS, listed under its Kanguru brand
    {kPortugal, 0, "Optimus", {"http://mmsc:10021/mmsc", "umts", "62.169.66.5", "8799", "", ""}},
    // db pt "Vodafone" "Vodafone MMS"; the database has no MMS centre or gateway
    {kPortugal, 1, "Vodafone", {"", "vas.vodafone.pt", "", "", "vas", "vas"}},

    // db tr "Avea" "Avea MMS"
    {kTurkey, 0, "Avea",
     {"http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms", "mms"}},
    // db tr "Turkcell" "Turkcell MMS"
    {kTurkey, 1, "Turkcell",
     {"http://mms.turkcell.com.tr/servlets/mms", "mms", "212.252.169.217", "8080", "mms", "mms"}},

    // db ch "Salt" "Salt MMS"
    {kSwitzerland, 0, "Orange",
     {"http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""}},
    // db ch "Sunrise" "Sunrise MMS"
    {kSwitzerland, 1, "Sunrise",
     {"http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "mms", "mms"}},
    // db ch "Swisscom" "Swisscom MMS"
    {kSwitzerland, 2, "Swisscom",
     {"http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "", ""}},

    // db am "Orange" "Orange MMS"; Orange Spain's MMS (orange.es), listed under Armenia
    {kSpain, 0, "Orange",
     {"http://mms.orange.es", "orangemms", "wapmms.orange.es", "8080", "orange", "orange"}},
    // db es "Vodafone" "MMS VODAFONE"
    {kSpain, 1, "Vodafone",
     {"http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10", "80", "wap@wap", "wap125"}},
    // no source
    {kSpain, 2, "Telstra", {"", "", "", "", "", ""}},
    // db bn "DSTCOM" "Movistar MMS"; Movistar Spain's MMS (movistar.es), listed under Brunei
    {kSpain, 3, "Movistar",
     {"http://mms.movistar.com", "mms.movistar.es", "10.138.255.5", "8080", "MOVISTAR@mms", "MOVISTAR"}},

    // db sk "Slovak Telekom" "T-Mobile MMS"
    {kSlovakia, 0, "T-Mobile", {"http://mms", "mms", "192.168.1.1", "8080", "mms", "mms"}},
    // no source
    {kSlovakia, 1, "Orange", {"", "", "", "", "", ""}},
    // db sk "O2" "O2 SK MMS"
    {kSlovakia, 2, "O2", {"http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""}},

    // no source
    {kRussia, 0, "A Mobile", {"", "", "", "", "", ""}},
    // no source
    {kRussia, 1, "Beeline", {"", "", "", "", "", ""}},
    // db ru "Megafon" "МегаФон MMS"
    {kRussia, 2, "Megafon", {"http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"}},
    // db by "MTS" "MTS MMS"; MTS Russia's MMS (mms.mts.ru), listed under Belarus
    {kRussia, 3, "MTS", {"http://mmsc/", "mms.mts.ru", "192.168.192.192", "9201", "mts", "mts"}},
    // no source
    {kRussia, 4, "Tele2", {"", "", "", "", "", ""}},
    // no source
    {kRussia, 5, "Yota", {"", "", "", "", "", ""}},
    // no source
    {kRussia, 6, "Rostelecom", {"", "", "", "", "", ""}},
    // no source
    {kRussia, 7, "Motiv", {"", "", "", "", "", ""}},
    // no source
    {kRussia, 8, "letai", {"", "", "", "", "", ""}},
    // db by "velcom" "VELCOM MMS"
    {kRussia, 9, "Velcom",
     {"http://mms.velcom.by/servlets/mms", "mms.velcom.by", "10.200.15.15", "8080", "", ""}},

    // no source
    {kRomania, 0, "Telekom", {"", "", "", "", "", ""}},
    // no source
    {kRomania, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db pl "T-Mobile" "MMS"
    {kPoland, 0, "ERA", {"http://mms/servlets/mms", "mms", "213.158.194.226", "8080", "", ""}},

    // db nl "T-Mobile" "T-Mobile NL MMS"
    {kNetherlands, 0, "T-Mobile",
     {"http://t-mobilemms", "mms", "10.10.10.11", "8080", "tmobilemms", "tmobilemms"}},
    // no source
    {kNetherlands, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db br "TIM" "iTIM"; TIM Italy's MMS (tim.it), listed under Brazil
    {kItaly, 0, "TIM",
     {"http://mms.tim.it/servlets/mms", "unico.tim.it", "213.230.130.89", "80", "", ""}},
    // no source
    {kItaly, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db ie "E-Mobile" "MMS over GPRS"; the Meteor network's MMS (mymeteor.ie)
    {kIreland, 0, "Meteor",
     {"http://mms.mymeteor.ie", "mms.mymeteor.ie", "10.85.85.85", "8799", "my", "wap"}},
    // no source
    {kIreland, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db hu "T-Mobile" "MMS"; the database has no MMS centre or gateway
    {kHungary, 0, "T-Mobile", {"", "mms-westel", "", "", "mms", ""}},
    // no source
    {kHungary, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db gh "GloGhana" "Cosmote MMS"; Cosmote's MMS (cosmote.gr), listed under Ghana
    {kGreece, 0, "T-Cosmote",
     {"http://mmsc.cosmote.gr:8002", "mms", "10.10.10.20", "8080", "", ""}},
    // no source
    {kGreece, 1, "Vodafone", {"", "", "", "", "", ""}},

    // db fr "Bouygues Telecom" "Bouygues MMS"
    {kFrance, 0, "Bouygues",
     {"http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com", "62.201.129.226", "8080", "", ""}},
    // db fr "Orange" "Orange MMS"
    {kFrance, 1, "Orange",
     {"http://mms.orange.fr", "orange-acte", "192.168.10.200", "8080", "orange", "orange"}},
    // db fr "SFR" "mms65"; the database gives no gateway port
    {kFrance, 2, "SFR", {"http://mms65", "mms65", "10.143.156.8", "", "", ""}},

    // db au "Amaysim" "Optus MMS"; the Optus network's MMS, listed under a reseller
    {kAustralia, 0, "Optus",
     {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},
    // db au "Telstra" "Telstra MMS"
    {kAustralia, 1, "Telstra",
     {"http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "", ""}},
    // no source
    {kAustralia, 2, "Vodafone", {"", "", "", "", "", ""}},
    // db at "Drei (3)" "3 MMS"; Three Australia's MMS, listed under Austria; gateway mmscprox.three.net.au does not fit
    {kAustralia, 3, "Three", {"http://mmsc.three.net.au:10021/mmsc", "3services", "", "", "", ""}},
    // db au "Aldi Mobile AU" "Mobile Data"; the database gives no gateway port
    {kAustralia, 4, "AldiMobile",
     {"http://mmsc.mdata.net.au:8003", "mdata.net.au", "10.1.1.180", "", "", ""}},

    // db at "A1/Telekom Austria" "A1MMS"
    {kAustria, 0, "A1",
     {"http://mmsc.A1.net", "free.A1.net", "gateway.A1.net", "8001", "ppp@A1plus.at", "ppp"}},
    // db at "VOLmobil" "T-Mobile MMS"; T-Mobile Austria's MMS, listed under a reseller
    {kAustria, 1, "T-Mobile",
     {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "10.12.0.20", "80", "t-mobile", "tm"}},

    // db br "Brasil Telecom" "BrT MMS"
    {kBrazil, 0, "Brazil Telecom",
     {"http://mms.brasiltelecom.com.br/", "mms.brt.br", "200.96.8.29", "8080", "brt", "brt"}},
    // db ar "Claro" "Claro Foto"; Claro Brazil's MMS (claro.com.br), listed under Argentina
    {kBrazil, 1, "Claro",
     {"http://mms.claro.com.br/", "mms.claro.com.br", "200.169.126.10", "8799", "claro", "claro"}},

    // db bg "GloBul" "GLOBUL MMS GPRS"
    {kBulgaria, 0, "Telenor",
     {"http://mmsc1.mms.globul.bg:8002", "mms.globul.bg", "192.168.87.11", "8004", "mms", ""}},
    // db bg "M-Tel" "MMS M-Tel GPRS"
    {kBulgaria, 1, "M-tel",
     {"http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"}},
    // db bg "Vivacom" "vivacom MMS"
    {kBulgaria, 2, "Vivacom",
     {"http://mmsc.vivacom.bg", "mms.vivacom.bg", "192.168.123.123", "8080", "mms", "mms"}},

    // db hr "VIPNET" "MMS"
    {kCroatia, 0, "VIPNet",
     {"http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080", "", ""}},
    // no source
    {kCroatia, 1, "T-mobile", {"", "", "", "", "", ""}},
    // db hr "CARNet Tele2" "Tele2 MMS"; gateway written 193012040066 in the database, dots restored
    {kCroatia, 2, "Tele2",
     {"http://mmsc.tele2.hr", "internet.tele2.hr", "193.012.040.066", "8080", "", ""}},
    // no source
    {kCroatia, 3, "Tomato", {"", "", "", "", "", ""}},
    // no source
    {kCroatia, 4, "Bonbon", {"", "", "", "", "", ""}},

    // db cz "O2" "02 MMS"
    {kCzechRepublic, 0, "Eurotel",
     {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    // db cz "O2" "02 MMS"
    {kCzechRepublic, 1, "O2",
     {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    // no source
    {kCzechRepublic, 2, "T-Mobile", {"", "", "", "", "", ""}},
    // no source
    {kCzechRepublic, 3, "Vodafone", {"", "", "", "", "", ""}},

    // no source; its MMS entry points at a Finnish server
    {kDenmark, 0, "TDC", {"", "", "", "", "", ""}},
    // db dk "Telia" "Telia MMS"
    {kDenmark, 1, "Telia",
     {"http://mms.telia.dk", "www.mms.mtelia.dk", "193.209.134.131", "8080", "", ""}},

    // db fi "DNA" "MMS"
    {kFinland, 0, "DNA", {"http://mmsc.dnafinland.fi", "mms", "10.1.1.2", "8080", "dna", "mms"}},
    // db fi "Telia" "TeleFinland MMS"; TeleFinland / Sonera MMS
    {kFinland, 1, "Sonera",
     {"http://mms.sonera.net:8002", "telefinland", "195.156.25.33", "8080", "", ""}},
    // db ee "Elisa" "Elisa MMS"; Elisa Finland's MMS (elisa.fi), listed under Estonia
    {kFinland, 2, "Elisa", {"http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", ""}},

    // no source
    {kNewZealand, 0, "Vodafone", {"", "", "", "", "", ""}},

    // db no "Netcom" "NetCom mms"
    {kNorway, 0, "Teila N",
     {"http://mms/", "mms.netcom.no", "212.169.66.4", "8080", "mms", "netcom"}},
    // db no "Telenor" "Telenor MMS"; gateway mms-proxy.telenor.no does not fit 16 characters
    {kNorway, 1, "Telenor", {"http://mmsc", "telenor.smart", "", "", "", ""}},
    // no source
    {kNorway, 2, "Tele2", {"", "", "", "", "", ""}},
    // db no "Network Norway" "NWN MMS"
    {kNorway, 3, "NetworkNorway", {"http://mms.nwn.no", "mms", "89.254.65.20", "80", "", ""}},

    // db za "Cell-c" "Cell-C MMS"; the database gives no gateway port
    {kSouthAfrica, 0, "Cell C", {"http://mms.cmobile.co.za/", "mms", "196.31.116.250", "", "", ""}},
    // db za "Vodacom" "Vlive!MMS"
    {kSouthAfrica, 1, "Vodacom",
     {"http://mmsc.vodacom4me.co.za", "mms.vodacom.net", "196.6.128.13", "8080", "", ""}},
    // db za "MTN" "MTN MMS"
    {kSouthAfrica, 2, "MTN",
     {"http://mms.mtn.co.za/mms/wapenc", "mymtn", "196.11.240.211", "8080", "mtnmms", "mtnmms"}},

    // db eg "MobiNil" "MobiNil MMS"
    {kEgypt, 0, "MobilNil",
     {"http://10.7.13.24:8002/", "mobinilmms", "62.241.155.45", "8080", "", ""}},
    // db eg "Vodafone" "MMS Vodafone.eg"
    {kEgypt, 1, "Vodafone",
     {"http://mmsc.vodafone.com.eg/servlets/mms", "mms.vodafone.eg", "163.121.178.2", "8080", "mms", "mms"}},

    // db ua "kyivstar" "Kyivstar MMS"
    {kUkraine, 0, "KiyvStar",
     {"http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "mms", "mms"}},
    // db by "MTS" "UMC MMS GPRS"; the UMC / MTS Ukraine MMS, listed under Belarus
    {kUkraine, 1, "MTS", {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
    // db bw "Mascom Wireless" "life:) MMS"; life:) Ukraine's MMS (life.com.ua), listed under Botswana
    {kUkraine, 2, "LIFE",
     {"http://mms.life.com.ua/cmmsc/post", "mms", "212.58.162.230", "8080", "", ""}},
    // db am "Beeline" "Beeline MMS"; Beeline Ukraine's MMS (mms.beeline.ua), listed under Armenia
    {kUkraine, 3, "Beeline UA", {"http://mms/", "mms.beeline.ua", "10.11.8.18", "8080", "", ""}},
    // db by "MTS" "UMC MMS GPRS"; the UMC / MTS Ukraine MMS, listed under Belarus
    {kUkraine, 4, "UMC Ukraine",
     {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},

    // db lt "Omnitel (contract)" "Omnitel MMS"
    {kLithuania, 0, "Omnitel",
     {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    // db lt "Omnitel (contract)" "Omnitel MMS"
    {kLithuania, 1, "Omnitel Ezio",
     {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    // db lt "TELE2 GPRS" "Tele2 MMS"
    {kLithuania, 2, "Tele2 Pildyk",
     {"http://mmsc.tele2.lt", "mms.tele2.lt", "193.12.40.29", "8080", "wap", "wap"}},
    // db lt "Bite" "BITE mms"
    {kLithuania, 3, "Bite",
     {"http://mmsc/servlets/mms", "mms", "192.168.150.2", "8080", "mms@mms", "mms"}},

    // db in "Idea Cellular" "Idea MMS"; the other "MMS Idea GPRS" entry points at a Polish server
    {kIndia, 0, "Idea", {"http://10.4.42.21:8002", "mmsc", "10.4.42.15", "8080", "", ""}},
    // no source
    {kIndia, 1, "BPL", {"", "", "", "", "", ""}},
    // no source
    {kIndia, 2, "Airtel", {"", "", "", "", "", ""}},
    // db al "Vodafone" "Vodafone MMS"; Vodafone India's MMS (vodafone.in), listed under Albania
    {kIndia, 3, "VodaFone",
     {"http://mms1.live.vodafone.in/mms/", "portalnmms", "10.10.1.100", "9401", "", ""}},

    // db lv "LMT" "LMT MMS"; the database gives no gateway
    {kLatvia, 0, "LMT", {"http://mmsc.lmt.lv/mmsc", "mms.lmt.lv", "", "", "lmt", "lmt"}},

    // no source
    {kNamibia, 0, "MTC", {"", "", "", "", "", ""}},

    // db ee "EMT" "EMT MMS"
    {kEstonia, 0, "EMT",
     {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "217.71.32.82", "8080", "", ""}},
    // db ee "Elisa" "Elisa MMS"
    {kEstonia, 1, "ELISA", {"http://194.204.2.10", "mms", "194.204.2.6", "8000", "", ""}},
    // no source; its MMS entry points at a Finnish server
    {kEstonia, 2, "TELE2", {"", "", "", "", "", ""}},

    // db be "Proximus" "MMS"
    {kBelgium, 0, "Proximus",
     {"http://mmsc.proximus.be/mms", "event.proximus.be", "10.55.14.75", "8080", "mms", "mms"}},
    // db be "Mobistar" "Mobistar MMS"
    {kBelgium, 1, "Mobistar",
     {"http://mmsc.mobistar.be", "mms.be", "212.65.63.143", "8080", "", ""}},
    // db be "Base" "BASE MMS"
    {kBelgium, 2, "Base",
     {"http://mmsc.base.be", "mms.base.be", "217.72.235.1", "8080", "base", "base"}},

    // db cy "Cytamobile-Vodafone" "CytaMMS"
    {kCyprus, 0, "Cyta",
     {"http://mmsc.cyta.com.cy", "cytamobile", "212.31.96.161", "8080", "", ""}},

    // no source
    {kChile, 0, "Telefonica", {"", "", "", "", "", ""}},
    // no source
    {kChile, 1, "Entel", {"", "", "", "", "", ""}},

    // db kr "SK Telecom" "SKT MMS"
    {kKorea, 0, "SKT",
     {"http://omms.nate.com:9082/oma_mms", "lte.sktelecom.com", "smart.nate.com", "9093", "", ""}},
    // db kr "LG U+" "LG U+ MMS"; MMS centre only
    {kKorea, 1, "LG U+", {"http://omammsc.uplus.co.kr:9084", "", "", "", "", ""}},
    // db kr "KT" "KT MMS"; MMS centre only
    {kKorea, 2, "KTF", {"http://mmsc.ktfwing.com:9082", "", "", "", "", ""}},
};
// clang-format on

constexpr bool Fits(const char* s, std::size_t width) {
  return s != nullptr && std::string_view(s).size() < width;
}

constexpr bool Fits(const ApnPreset& p) {
  return Fits(p.apn, kNetApnWidth) && Fits(p.account, kNetAccountWidth) &&
         Fits(p.password, kNetPasswordWidth);
}

constexpr bool Fits(const MmsPreset& p) {
  return Fits(p.url, kMmsUrlWidth) && Fits(p.apn, kMmsApnWidth) &&
         Fits(p.gateway, kMmsGatewayWidth) && Fits(p.port, kMmsPortWidth) &&
         Fits(p.account, kMmsAccountWidth) && Fits(p.password, kMmsPasswordWidth);
}

// Every row names the operator stored in its slot, no slot has two rows,
// every stored operator has one, and every value fits its record field.
template <class Row, std::size_t N>
constexpr bool RowsMatchNames(const Row (&rows)[N]) {
  bool seen[OperatorCountryCount][OperatorsPerCountry] = {};
  for (const Row& r : rows) {
    if (r.slot >= OperatorsPerCountry) return false;
    const char* stored = kEnglishNames[r.country].name[r.slot];
    if (stored == nullptr || std::string_view(stored) != r.name) return false;
    if (seen[r.country][r.slot]) return false;
    seen[r.country][r.slot] = true;
    if (!Fits(r.preset)) return false;
  }
  for (int c = 0; c < OperatorCountryCount; ++c)
    for (int s = 0; s < OperatorsPerCountry; ++s) {
      const char* stored = kEnglishNames[c].name[s];
      if (stored != nullptr && *stored != '\0' && !seen[c][s]) return false;
    }
  return true;
}
static_assert(RowsMatchNames(kApnRows), "network rows and operator names disagree");
static_assert(RowsMatchNames(kMmsRows), "MMS rows and operator names disagree");

template <class Preset, class Row, std::size_t N>
constexpr PresetTable<Preset> BuildTable(const Row (&rows)[N]) {
  PresetTable<Preset> table{};
  for (const Row& r : rows) table[r.country][r.slot] = r.preset;
  return table;
}

}  // namespace

const PresetTable<ApnPreset> ApnPresetTable = BuildTable<ApnPreset>(kApnRows);
const PresetTable<MmsPreset> MmsPresetTable = BuildTable<MmsPreset>(kMmsRows);
