#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include "platform/fltk/fltk_host.h"
#include "records/time_zone.h"

namespace platform::fltk {
namespace {

struct LocaleLanguage {
  std::string_view locale;  // language_TERRITORY, or the language alone
  int id;
};

// Windows language identifiers of the locales that have one the program
// distinguishes; every other locale counts as US English.
constexpr LocaleLanguage kLanguages[] = {
    {"zh_CN", 2052}, {"zh_SG", 4100}, {"zh_TW", 1028}, {"zh_HK", 3076},
    {"zh_MO", 5124}, {"zh", 2052},    {"en_GB", 2057}, {"en_US", 1033},
};

}  // namespace

int LanguageIdOfLocale(const std::string& locale) {
  std::string_view name(locale);
  name = name.substr(0, name.find_first_of(".@"));
  for (const LocaleLanguage& l : kLanguages)
    if (name == l.locale) return l.id;
  return 1033;
}

int StandardUtcOffsetHours() { return LocalStandardUtcOffsetHours(); }

LocalTime FltkServices::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return LocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

int FltkServices::SystemLanguageId() {
  // The locale the user runs in, by the usual precedence of its variables.
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return LanguageIdOfLocale(value);
  }
  return 1033;
}

std::optional<std::string> FltkServices::WorkingDirectory() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  if (ec) return std::nullopt;
  return p.string();
}

int FltkServices::PcUtcOffsetHours() { return StandardUtcOffsetHours(); }

namespace {

// FLTK's chooser takes its texts from process-wide labels (read when a
// chooser is built) and from the labels of the standard dialogs (its
// Cancel button and the new-folder question); they hold for one chooser.
class ChooserTexts {
 public:
  explicit ChooserTexts(const FolderChooserTexts& t)
      : saved_{Fl_File_Chooser::filename_label, Fl_File_Chooser::hidden_label,
               Fl_File_Chooser::new_directory_tooltip, Fl_File_Chooser::new_directory_label, fl_ok, fl_cancel} {
    Fl_File_Chooser::filename_label = t.folder_label.c_str();
    Fl_File_Chooser::hidden_label = t.show_hidden.c_str();
    Fl_File_Chooser::new_directory_tooltip = t.new_folder.c_str();
    Fl_File_Chooser::new_directory_label = t.new_folder_name.c_str();
    fl_ok = t.ok.c_str();
    fl_cancel = t.cancel.c_str();
  }
  ~ChooserTexts() {
    Fl_File_Chooser::filename_label = saved_[0];
    Fl_File_Chooser::hidden_label = saved_[1];
    Fl_File_Chooser::new_directory_tooltip = saved_[2];
    Fl_File_Chooser::new_directory_label = saved_[3];
    fl_ok = saved_[4];
    fl_cancel = saved_[5];
  }
  ChooserTexts(const ChooserTexts&) = delete;
  ChooserTexts& operator=(const ChooserTexts&) = delete;

 private:
  const char* saved_[6];
};

// A folder is chosen, not a file: the file type filter and the favourites
// menu of FLTK's chooser mean nothing here.
void HideFileControls(Fl_Group* g) {
  for (int i = 0; i < g->children(); ++i) {
    Fl_Widget* w = g->child(i);
    if (dynamic_cast<Fl_Choice*>(w) || dynamic_cast<Fl_Menu_Button*>(w)) w->hide();
    else if (Fl_Group* sub = w->as_group()) HideFileControls(sub);
  }
}

}  // namespace

std::optional<std::string> FltkServices::PickFolder(std::string_view start_folder) {
  const FolderChooserTexts texts = texts_ ? texts_() : FolderChooserTexts{};
  std::optional<ChooserTexts> labels;
  if (texts_) labels.emplace(texts);
  // It opens at the save folder while that folder exists, else where FLTK
  // starts (the working directory).
  std::error_code ec;
  const std::string start(start_folder);
  const bool usable = !start.empty() && std::filesystem::is_directory(start, ec);
  Fl_File_Chooser chooser(usable ? start.c_str() : nullptr, "*", Fl_File_Chooser::DIRECTORY,
                          texts_ ? texts.title.c_str() : "");
  if (texts_) chooser.ok_label(texts.ok.c_str());
  // The folder it opens at is already chosen: OK takes it as it is.
  if (usable) chooser.value((start + "/").c_str());
  chooser.preview(0);
  chooser.previewButton->hide();
  if (Fl_Window* window = chooser.previewButton->window()) HideFileControls(window);
  chooser.show();
  while (chooser.shown()) Fl::wait();
  const char* picked = chooser.value();
  if (!picked || !*picked) return std::nullopt;
  std::string folder(picked);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace platform::fltk
