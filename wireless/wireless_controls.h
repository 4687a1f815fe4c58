// The controls of the three wireless windows that show a setting, each
// described once: the window and control id, how the control shows its
// value, the record field it shows (or the program's switch it sets), the
// group of edits it is shown and read back with, the characters an edit
// takes, its filter and mask, the entries of a list, and what opens it for
// input besides the model.
//
// The windows set their edits' limits, masks and filters, fill them and
// read them back by walking these descriptions, and fill their plain lists
// from them. The command-line companion takes its setting names (the
// record's field names), their order, the order it sets them in and its
// explanations of a closed control from them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/send_set_fields.h"

namespace platform {
class Dialog;
}

namespace wctl {

enum class Window : uint8_t { Page, Gps, Send };
// The dialog template of a window (114, 138, 115).
int TemplateOf(Window w);

enum class Kind : uint8_t {
  List,     // drop-down list
  Edit,
  Check,    // check box
  Country,  // the operator country list, behind the list of its source (a preset or typed by hand)
};

// Edits that a window shows and reads back together.
enum class Group : uint8_t {
  None,  // shown and read back by the window's own rules
  // wireless parameter page
  Mms,
  Network,
  Sender,
  Ftp,
  Cloud,
  // GPS coordinates mailbox window
  Mailbox,
  // send settings page
  Position,
  Recipients,
  Remote,
};

// How a control shows its field.
enum class Store : uint8_t {
  None,       // no field of its own: a switch of the program, or the window's own rules
  Text,       // the field's text, bounded by its width
  Port,       // a 32-bit number in decimal
  Byte,       // one byte: a number in an edit, a position in a list
  Recipient,  // szRecp[i], whose length uwRecpLen[i] goes with it
};

enum class Filter : uint8_t {
  None,
  Digits,
  Phone,        // digits and '+'
  CloudNumber,  // digits, and letters on the models whose cloud number has them
};

// The presentation of the wireless parameter page's shared FTP/cloud box
// that a control belongs to.
enum class Box : uint8_t { Any, Ftp, Cloud };

// The entries of a list, as the window shows them for the current model.
enum class Entries : uint8_t {
  None,
  Module,          // "WIFI" and the cellular module
  SendBy,          // the send-by modes the model offers
  Countries,       // the operator countries
  Operators,       // the operators of the record's country
  FtpDir,          // Root, Specify
  ImageSize,       // Full Image, Thumbnail
  EastWest,
  NorthSouth,
  RemoteInterval,  // Remote Off, ("10 Minutes"), 01 Hours .. 24 Hours
};

// What, besides the model, opens a control for input.
enum class Opener : uint8_t {
  None,
  ModuleModel,      // only the models with two send modules have it
  PresetCapable,    // WiFi models take no operator preset
  PresetCountry,    // a preset country
  SendByMode,       // a send-by mode that uses it
  ManualCountry,    // byOperatorCountry=Manual
  ManualAndRemote,  // Manual, with remote control on
  RemoteOrEmail,    // remote control on, or sending by e-mail
  FtpDirSpecify,    // sFtpSet.iFtpDirType=Specify
  GpsModel,         // only the models with the GPS coordinates mailbox have it
  RemoteOn,         // remote control on
  RemoteOnNo22,     // remote control on and NoRemoteCommand22 off
  RemoteModel,      // the model or mode keeps remote control off
  PictureSize,      // the picture size is fixed on the model or mode
  MmsMode,          // phone numbers: MMS mode only
  EmailOrMms,       // e-mail recipients: e-mail and MMS mode
  Position,         // cloud mode, on models that show the position
};

struct Control {
  Window window;
  int id;
  Kind kind;
  const SendSetField* field;  // the record field it shows; nullptr for a switch of the program
  const char* own_name;       // the setting's name where it has no field ("MdmSendVia"), else nullptr
  const char* alias;          // a second name for the companion, or ""
  Group group = Group::None;
  Store store = Store::None;
  int chars = 0;              // characters an edit takes (its limit); 0: no limit of its own
  Filter filter = Filter::None;
  bool masked = false;        // shown masked, always or in its box's presentation
  Box box = Box::Any;
  Entries entries = Entries::None;
  int rank = 0;               // the order a user sets them in: the switches that open others first
  Opener opener = Opener::None;
  bool follows = false;       // shows what another control holds (the sender account): no setting of its own
};

// Every control, window by window (page, GPS window, send settings page),
// in the order the companion lists them.
std::span<const Control> Controls();
std::vector<const Control*> ControlsOf(Window w);
std::vector<const Control*> GroupControls(Group g);
// The control of a window by id (the first of a shared box's), or nullptr.
const Control* FindControl(Window w, int id);

// The setting's name: the record field's name or the switch's own.
const char* NameOf(const Control& c);
// True for a control the user sets (not one that follows another).
bool IsSetting(const Control& c);
// True when the control shows a password.
bool IsSecret(const Control& c);

// The entries of a list as the window shows them now, in `language`
// (0 Chinese, 1 English); empty for a control without entries of its own.
std::vector<std::string> ListEntries(const Control& c, int language);
// Adds those entries in UiLanguage to the list.
void AddListEntries(platform::Dialog& dlg, const Control& c);

// The control's field in a record image: SendSet, or SendSetTarn for the
// GPS coordinates mailbox.
char* FieldIn(void* image, const Control& c);
const char* FieldIn(const void* image, const Control& c);
int32_t& PortIn(void* image, const Control& c);

// Applies the filter of the window's edit `id` (in the box presentation
// `box`, where the id is shared) after its text changed.
void FilterEdit(platform::Dialog& dlg, Window w, int id, Box box);
// Sets the limit of each control given that has one.
void SetLimits(platform::Dialog& dlg, const std::vector<const Control*>& controls);

}  // namespace wctl
