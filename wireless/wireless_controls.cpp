#include "wireless/wireless_controls.h"

#include "platform/dialog.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "shell/checks.h"
#include "shell/ui_strings.h"
#include "wireless/gps_mailbox.h"
#include "wireless/operator_presets.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"

namespace wctl {

namespace {

using K = Kind;
using G = Group;
using S = Store;
using O = Opener;
using E = Entries;
constexpr Window P = Window::Page;
constexpr Window M = Window::Gps;
constexpr Window W = Window::Send;

consteval const SendSetField* F(std::string_view name) { return SendSetFieldNamed(name); }

// The wireless parameter page: the lists first, then the edits group by
// group (each in the order it is shown and read back), then the GPS box.
constexpr Control kControls[] = {
    {.window = P, .id = wp_ids::kModule, .kind = K::List, .field = nullptr, .own_name = "MdmSendVia", .alias = "module",
     .entries = E::Module, .rank = 0, .opener = O::ModuleModel},
    {.window = P, .id = wp_ids::kSendBy, .kind = K::List, .field = F("bySendBy"), .own_name = nullptr, .alias = "sendby",
     .entries = E::SendBy, .rank = 1},
    {.window = P, .id = wp_ids::kCountry, .kind = K::Country, .field = F("byOperatorCountry"), .own_name = nullptr,
     .alias = "country", .entries = E::Countries, .rank = 2, .opener = O::PresetCapable},
    {.window = P, .id = wp_ids::kOperator, .kind = K::List, .field = F("byOperator"), .own_name = nullptr,
     .alias = "operator", .entries = E::Operators, .rank = 3, .opener = O::PresetCountry},
    {.window = P, .id = wp_ids::kFtpDirType, .kind = K::List, .field = F("sFtpSet.iFtpDirType"), .own_name = nullptr,
     .alias = "", .box = Box::Ftp, .entries = E::FtpDir, .rank = 4, .opener = O::SendByMode},

    {.window = P, .id = wp_ids::kMmsUrl, .kind = K::Edit, .field = F("sMmsSet.szUrl"), .own_name = nullptr, .alias = "",
     .group = G::Mms, .store = S::Text, .chars = 60, .rank = 5, .opener = O::ManualAndRemote},
    {.window = P, .id = wp_ids::kMmsApn, .kind = K::Edit, .field = F("sMmsSet.szApn"), .own_name = nullptr, .alias = "",
     .group = G::Mms, .store = S::Text, .chars = 60, .rank = 5, .opener = O::ManualAndRemote},
    {.window = P, .id = wp_ids::kMmsGateway, .kind = K::Edit, .field = F("sMmsSet.szGateway"), .own_name = nullptr,
     .alias = "", .group = G::Mms, .store = S::Text, .chars = 16, .rank = 5, .opener = O::ManualAndRemote},
    {.window = P, .id = wp_ids::kMmsPort, .kind = K::Edit, .field = F("sMmsSet.szPort"), .own_name = nullptr,
     .alias = "", .group = G::Mms, .store = S::Text, .chars = 4, .filter = Filter::Digits, .rank = 5,
     .opener = O::ManualAndRemote},
    {.window = P, .id = wp_ids::kMmsAccount, .kind = K::Edit, .field = F("sMmsSet.szAccount"), .own_name = nullptr,
     .alias = "", .group = G::Mms, .store = S::Text, .chars = 32, .rank = 5, .opener = O::ManualAndRemote},
    {.window = P, .id = wp_ids::kMmsPassword, .kind = K::Edit, .field = F("sMmsSet.szPassword"), .own_name = nullptr,
     .alias = "", .group = G::Mms, .store = S::Text, .chars = 32, .rank = 5, .opener = O::ManualAndRemote},

    {.window = P, .id = wp_ids::kNetApn, .kind = K::Edit, .field = F("sSmtpSet.szWLNetApN"), .own_name = nullptr,
     .alias = "apn", .group = G::Network, .store = S::Text, .chars = 60, .rank = 5, .opener = O::ManualCountry},
    {.window = P, .id = wp_ids::kNetAccount, .kind = K::Edit, .field = F("sSmtpSet.szWLNetAccount"),
     .own_name = nullptr, .alias = "ssid", .group = G::Network, .store = S::Text, .chars = 32, .rank = 5,
     .opener = O::ManualCountry},
    {.window = P, .id = wp_ids::kNetPassword, .kind = K::Edit, .field = F("sSmtpSet.szWLNetPassword"),
     .own_name = nullptr, .alias = "", .group = G::Network, .store = S::Text, .chars = 32, .rank = 5,
     .opener = O::ManualCountry},

    // The address before the account: showing the address mirrors it into
    // the account edit, which then shows the stored account.
    {.window = P, .id = wp_ids::kSenderServer, .kind = K::Edit, .field = F("sSmtpSet.szServer"), .own_name = nullptr,
     .alias = "", .group = G::Sender, .store = S::Text, .chars = 60, .rank = 5, .opener = O::RemoteOrEmail},
    {.window = P, .id = wp_ids::kSenderPort, .kind = K::Edit, .field = F("sSmtpSet.iPort"), .own_name = nullptr,
     .alias = "", .group = G::Sender, .store = S::Port, .chars = 8, .filter = Filter::Digits, .rank = 5,
     .opener = O::RemoteOrEmail},
    {.window = P, .id = wp_ids::kSenderAddr, .kind = K::Edit, .field = F("sSmtpSet.szAddr"), .own_name = nullptr,
     .alias = "", .group = G::Sender, .store = S::Text, .chars = 48, .rank = 5, .opener = O::RemoteOrEmail},
    {.window = P, .id = wp_ids::kSenderUser, .kind = K::Edit, .field = F("sSmtpSet.szUserName"), .own_name = nullptr,
     .alias = "", .group = G::Sender, .store = S::Text, .chars = 48, .rank = 5, .opener = O::RemoteOrEmail,
     .follows = true},
    {.window = P, .id = wp_ids::kSenderPassword, .kind = K::Edit, .field = F("sSmtpSet.szPassword"),
     .own_name = nullptr, .alias = "", .group = G::Sender, .store = S::Text, .chars = 32, .masked = true, .rank = 5,
     .opener = O::RemoteOrEmail},

    // The shared box in its FTP presentation, with the FTP-only rows.
    {.window = P, .id = wp_ids::kBox1, .kind = K::Edit, .field = F("sFtpSet.szServer"), .own_name = nullptr,
     .alias = "", .group = G::Ftp, .store = S::Text, .chars = 60, .box = Box::Ftp, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kBox2, .kind = K::Edit, .field = F("sFtpSet.iPort"), .own_name = nullptr, .alias = "",
     .group = G::Ftp, .store = S::Port, .chars = 8, .filter = Filter::Digits, .box = Box::Ftp, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kBox3, .kind = K::Edit, .field = F("sFtpSet.szUserName"), .own_name = nullptr,
     .alias = "", .group = G::Ftp, .store = S::Text, .chars = 48, .box = Box::Ftp, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kFtpPassword, .kind = K::Edit, .field = F("sFtpSet.szPassword"), .own_name = nullptr,
     .alias = "", .group = G::Ftp, .store = S::Text, .chars = 32, .masked = true, .box = Box::Ftp, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kFtpDir, .kind = K::Edit, .field = F("sFtpSet.szFtpDir"), .own_name = nullptr,
     .alias = "", .group = G::Ftp, .store = S::Text, .chars = 32, .box = Box::Ftp, .rank = 6,
     .opener = O::FtpDirSpecify},

    // The shared box in its cloud presentation.
    {.window = P, .id = wp_ids::kBox1, .kind = K::Edit, .field = F("sVornCloudSet.szAppKey"), .own_name = nullptr,
     .alias = "", .group = G::Cloud, .store = S::Text, .chars = 32, .box = Box::Cloud, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kBox2, .kind = K::Edit, .field = F("sVornCloudSet.szAppSecret"), .own_name = nullptr,
     .alias = "", .group = G::Cloud, .store = S::Text, .chars = 32, .masked = true, .box = Box::Cloud, .rank = 5,
     .opener = O::SendByMode},
    {.window = P, .id = wp_ids::kBox3, .kind = K::Edit, .field = F("sVornCloudSet.szSimCardNum"), .own_name = nullptr,
     .alias = "", .group = G::Cloud, .store = S::Text, .chars = 16, .filter = Filter::CloudNumber, .box = Box::Cloud,
     .rank = 5, .opener = O::SendByMode},

    {.window = P, .id = wp_ids::kGpsMailbox, .kind = K::Check, .field = nullptr, .own_name = "GpsMailbox", .alias = "",
     .rank = 9, .opener = O::GpsModel},

    // The GPS coordinates mailbox window.
    {.window = M, .id = gps_ids::kServer, .kind = K::Edit, .field = F("sGpsMail.szGpsServer"), .own_name = nullptr,
     .alias = "", .group = G::Mailbox, .store = S::Text, .chars = kGpsServerChars, .rank = 5},
    {.window = M, .id = gps_ids::kPort, .kind = K::Edit, .field = F("sGpsMail.iPort"), .own_name = nullptr,
     .alias = "", .group = G::Mailbox, .store = S::Port, .chars = kGpsPortChars, .filter = Filter::Digits,
     .rank = 5},
    {.window = M, .id = gps_ids::kAddr, .kind = K::Edit, .field = F("sGpsMail.szGpsSmtpAccount"), .own_name = nullptr,
     .alias = "", .group = G::Mailbox, .store = S::Text, .chars = kGpsAddrChars, .rank = 5},
    {.window = M, .id = gps_ids::kPassword, .kind = K::Edit, .field = F("sGpsMail.szGpsSmtpPassword"),
     .own_name = nullptr, .alias = "", .group = G::Mailbox, .store = S::Text, .chars = kGpsPasswordChars,
     .masked = true, .rank = 5},
    {.window = M, .id = gps_ids::kInboxAddr, .kind = K::Edit, .field = F("sGpsMail.szGpsAddr"), .own_name = nullptr,
     .alias = "", .group = G::Mailbox, .store = S::Text, .chars = kGpsInboxChars, .rank = 5},

    // The send settings page.
    {.window = W, .id = send_ids::kNoRemoteCmd22, .kind = K::Check, .field = nullptr, .own_name = "NoRemoteCommand22",
     .alias = "", .rank = 1, .opener = O::RemoteOn},
    {.window = W, .id = send_ids::kRemoteInterval, .kind = K::List, .field = F("byRemoteInterval"),
     .own_name = nullptr, .alias = "remote", .entries = E::RemoteInterval, .rank = 0, .opener = O::RemoteModel},
    {.window = W, .id = send_ids::kImageSize, .kind = K::List, .field = F("bySendImgSize"), .own_name = nullptr,
     .alias = "", .entries = E::ImageSize, .rank = 2, .opener = O::PictureSize},
    {.window = W, .id = send_ids::kPhone1, .kind = K::Edit, .field = F("szRecp[0]"), .own_name = nullptr,
     .alias = "phone1", .group = G::Recipients, .store = S::Recipient, .chars = 15, .filter = Filter::Phone,
     .rank = 5, .opener = O::MmsMode},
    {.window = W, .id = send_ids::kPhone2, .kind = K::Edit, .field = F("szRecp[1]"), .own_name = nullptr,
     .alias = "phone2", .group = G::Recipients, .store = S::Recipient, .chars = 15, .filter = Filter::Phone,
     .rank = 5, .opener = O::MmsMode},
    {.window = W, .id = send_ids::kEmail1, .kind = K::Edit, .field = F("szRecp[2]"), .own_name = nullptr,
     .alias = "email1", .group = G::Recipients, .store = S::Recipient, .chars = 48, .rank = 5,
     .opener = O::EmailOrMms},
    {.window = W, .id = send_ids::kEmail2, .kind = K::Edit, .field = F("szRecp[3]"), .own_name = nullptr,
     .alias = "email2", .group = G::Recipients, .store = S::Recipient, .chars = 48, .rank = 5,
     .opener = O::EmailOrMms},
    {.window = W, .id = send_ids::kRemotePhone, .kind = K::Edit, .field = F("szRemotePhoneNum"), .own_name = nullptr,
     .alias = "", .group = G::Remote, .store = S::Text, .chars = 15, .filter = Filter::Phone, .rank = 5,
     .opener = O::RemoteOn},
    {.window = W, .id = send_ids::kRemoteEmail, .kind = K::Edit, .field = F("szRemoteEmail"), .own_name = nullptr,
     .alias = "", .group = G::Remote, .store = S::Text, .chars = 48, .rank = 5, .opener = O::RemoteOnNo22},
    {.window = W, .id = send_ids::kLonDir, .kind = K::List, .field = F("sLongitude.byDir"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .entries = E::EastWest, .rank = 2, .opener = O::Position},
    {.window = W, .id = send_ids::kLonDeg, .kind = K::Edit, .field = F("sLongitude.byDeg"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 3, .rank = 5, .opener = O::Position},
    {.window = W, .id = send_ids::kLonMin, .kind = K::Edit, .field = F("sLongitude.byMin"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 2, .rank = 5, .opener = O::Position},
    {.window = W, .id = send_ids::kLonSec, .kind = K::Edit, .field = F("sLongitude.bySec"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 2, .rank = 5, .opener = O::Position},
    {.window = W, .id = send_ids::kLatDir, .kind = K::List, .field = F("sLatitude.byDir"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .entries = E::NorthSouth, .rank = 2, .opener = O::Position},
    {.window = W, .id = send_ids::kLatDeg, .kind = K::Edit, .field = F("sLatitude.byDeg"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 2, .rank = 5, .opener = O::Position},
    {.window = W, .id = send_ids::kLatMin, .kind = K::Edit, .field = F("sLatitude.byMin"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 2, .rank = 5, .opener = O::Position},
    {.window = W, .id = send_ids::kLatSec, .kind = K::Edit, .field = F("sLatitude.bySec"), .own_name = nullptr,
     .alias = "", .group = G::Position, .store = S::Byte, .chars = 2, .rank = 5, .opener = O::Position},
};

// Each control shows a field or sets a switch of its own name, never both.
// (A control with a field is asked for the field's width rather than its
// pointer compared against nullptr: the field table is an inline variable,
// and a build that keeps every null check cannot fold that comparison. A
// control with neither stops the build by reading through the null field.)
constexpr bool EachControlIsNamedOnce() {
  for (const Control& c : kControls) {
    if (c.own_name != nullptr) {
      if (c.field != nullptr) return false;
    } else if (c.field->width == 0) {
      return false;
    }
  }
  return true;
}
static_assert(EachControlIsNamedOnce());

// A text edit takes no more characters than its field holds bytes, less the
// terminating zero.
constexpr bool LimitsFitFields() {
  for (const Control& c : kControls)
    if ((c.store == S::Text || c.store == S::Recipient) && c.chars > static_cast<int>(c.field->width) - 1) return false;
  return true;
}
static_assert(LimitsFitFields());

template <std::size_t N>
std::vector<std::string> Row(const UiTextList<N>& list, int language) {
  const int row = language == 0 ? 0 : 1;
  return std::vector<std::string>(list.row[row], list.row[row] + N);
}

const char* CloudNumberChars() { return Has(CurrentTraits().cloud_letters) ? kDigitsLetters : kDigits; }

}  // namespace

int TemplateOf(Window w) {
  switch (w) {
    case Window::Page: return kWirelessPageTemplate;
    case Window::Gps: return kGpsMailboxTemplate;
    case Window::Send: return kSendSettingsTemplate;
  }
  return 0;
}

std::span<const Control> Controls() { return kControls; }

std::vector<const Control*> ControlsOf(Window w) {
  std::vector<const Control*> v;
  for (const Control& c : kControls)
    if (c.window == w) v.push_back(&c);
  return v;
}

std::vector<const Control*> GroupControls(Group g) {
  std::vector<const Control*> v;
  for (const Control& c : kControls)
    if (c.group == g) v.push_back(&c);
  return v;
}

const Control* FindControl(Window w, int id) {
  for (const Control& c : kControls)
    if (c.window == w && c.id == id) return &c;
  return nullptr;
}

const char* NameOf(const Control& c) { return c.field ? c.field->name : c.own_name; }

bool IsSetting(const Control& c) { return !c.follows; }

bool IsSecret(const Control& c) { return c.field && c.field->kind == SendSetFieldKind::Secret; }

std::vector<std::string> ListEntries(const Control& c, int language) {
  const uint16_t code = GetModelCode();
  std::vector<std::string> v;
  switch (c.entries) {
    case E::None: break;
    case E::Module: v = Row(IsR2Model(kVariant5G) ? kListModule5G : kListModule4G, language); break;
    case E::SendBy:
      for (const SendByEntry& e : SendByEntries(code)) v.push_back(kListSendBy.row[language == 0 ? 0 : 1][e.text]);
      break;
    case E::Countries:
      for (int country = 0; country < OperatorCountryCount; ++country)
        v.push_back(OperatorCountryName(country, language));
      break;
    case E::Operators: {
      const int country = App().g_sSendSet.byOperatorCountry;
      for (int op = 0; op < OfferedOperatorCount(country, code); ++op) v.push_back(OperatorName(country, op, language));
      break;
    }
    case E::FtpDir: v = Row(kListFtpDir, language); break;
    case E::ImageSize: v = Row(kListImageSize, language); break;
    case E::EastWest: v = Row(kListEastWest, language); break;
    case E::NorthSouth: v = Row(kListNorthSouth, language); break;
    case E::RemoteInterval:
      for (int k = 0; k < RemoteIntervalCount(code); ++k)
        v.push_back(kListRemoteInterval.row[language == 0 ? 0 : 1][RemoteIntervalTextIndex(code, k)]);
      break;
  }
  return v;
}

void AddListEntries(platform::Dialog& dlg, const Control& c) {
  for (const std::string& e : ListEntries(c, App().UiLanguage)) dlg.ListAdd(c.id, e);
}

char* FieldIn(void* image, const Control& c) { return static_cast<char*>(image) + c.field->offset; }

const char* FieldIn(const void* image, const Control& c) { return static_cast<const char*>(image) + c.field->offset; }

int32_t& PortIn(void* image, const Control& c) { return *reinterpret_cast<int32_t*>(FieldIn(image, c)); }

void FilterEdit(platform::Dialog& dlg, Window w, int id, Box box) {
  for (const Control& c : kControls) {
    if (c.window != w || c.id != id || (c.box != Box::Any && c.box != box)) continue;
    switch (c.filter) {
      case Filter::None: break;
      case Filter::Digits: FilterEditChars(dlg, id, kDigits); break;
      case Filter::Phone: FilterEditChars(dlg, id, kPhoneChars); break;
      case Filter::CloudNumber: FilterEditChars(dlg, id, CloudNumberChars()); break;
    }
    return;
  }
}

void SetLimits(platform::Dialog& dlg, const std::vector<const Control*>& controls) {
  for (const Control* c : controls)
    if (c->chars > 0) dlg.SetLimit(c->id, c->chars);
}

}  // namespace wctl
