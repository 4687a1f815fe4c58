#include "shell/ui_text.h"
#include "records/app_state.h"

#include <algorithm>

const char* UiStr(const UiText& text) { return text.s[App().UiLanguage == 0 ? 0 : 1]; }

void ApplyUiLabels(platform::Dialog& dlg, const UiLabelList& labels) {
  const std::size_t n = std::min(labels.ids.size(), labels.texts.size());
  for (std::size_t k = 0; k < n; ++k) {
    if (labels.texts[k]) dlg.SetText(labels.ids[k], UiStr(*labels.texts[k]));
  }
}
