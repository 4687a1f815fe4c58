// The page around the windows: the start panel, the line on file access,
// and what is left once the program has ended.
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/web/web_dom.h"
#include "platform/web/web_host.h"
#include "platform/web/web_texts.h"
#include "records/app_state.h"
#include "shell/main_window.h"

namespace platform::web {
namespace {

std::string_view In(const UiText& text, int language) { return text.s[language == 0 ? 0 : 1]; }

const UiText& AccessNote() {
  return ts_files_can_write_folders() ? kTxtNoteFolder : kTxtNoteDownload;
}

}  // namespace

std::string AskStartFolder() {
  // Before the main window's first start, in the language it will choose.
  const int language = BrowserLanguageId() == mainwin::kLangIdChinesePrc ? 0 : 1;
  const bool folders = ts_files_can_write_folders() != 0;
  const std::string_view note = In(AccessNote(), language);
  ts_dom_set_note(note.data(), note.size(), language == 0);
  const std::string_view prompt = In(folders ? kTxtStartPromptFolder : kTxtStartPromptFiles, language);
  const std::string_view open = In(folders ? kTxtStartOpenFolder : kTxtStartOpenFiles, language);
  const std::string_view without = In(kTxtStartWithout, language);
  char* folder = ts_web_start(prompt.data(), prompt.size(), open.data(), open.size(), without.data(),
                              without.size());
  std::string path = folder ? folder : "";
  std::free(folder);
  return path;
}

void UpdatePageNote() {
  static int shown_language = -1;
  if (App().UiLanguage == shown_language) return;
  shown_language = App().UiLanguage;
  const std::string_view note = In(AccessNote(), App().UiLanguage);
  ts_dom_set_note(note.data(), note.size(), App().UiLanguage == 0);
}

void ShowEnded() {
  const std::string_view ended = In(kTxtEnded, App().UiLanguage);
  const std::string_view again = In(kTxtStartAgain, App().UiLanguage);
  ts_dom_ended(ended.data(), ended.size(), again.data(), again.size());
}

}  // namespace platform::web
