// Interface text shapes. Every visible text exists in Chinese and English
// (UTF-8 in the source); UiLanguage (0 Chinese, 1 English) picks one.
#pragma once

#include <cstddef>
#include <span>

#include "platform/dialog.h"
#include "records/app_state.h"

// One text in both languages: [0] Chinese, [1] English.
struct UiText {
  const char* s[2];
};

// An option list stored language-major: row 0 the N Chinese entries, row 1
// the N English entries. Entry i stands for option value i.
template <std::size_t N>
struct UiTextList {
  const char* row[2][N];
  static constexpr int size() { return static_cast<int>(N); }
};

// An option list stored item-major as N pairs.
template <std::size_t N>
struct UiPairList {
  UiText item[N];
  static constexpr int size() { return static_cast<int>(N); }
};

// Control ids and the texts to set on them, applied in one pass.
struct UiLabelList {
  std::span<const int> ids;
  std::span<const UiText* const> texts;
};

// Entry UiLanguage of a pair.
const char* UiStr(const UiText& text);

template <std::size_t N>
const char* UiListStr(const UiTextList<N>& list, int i) {
  return (i >= 0 && i < static_cast<int>(N)) ? list.row[App().UiLanguage == 0 ? 0 : 1][i] : "";
}
template <std::size_t N>
const char* UiPairStr(const UiPairList<N>& list, int i) {
  return (i >= 0 && i < static_cast<int>(N)) ? UiStr(list.item[i]) : "";
}

// Sets the text of each listed control, in list order.
void ApplyUiLabels(platform::Dialog& dlg, const UiLabelList& labels);

// Adds the N entries of a list in the current language to list control `id`.
template <std::size_t N>
void AddUiList(platform::Dialog& dlg, int id, const UiTextList<N>& list) {
  for (std::size_t i = 0; i < N; ++i) dlg.ListAdd(id, UiListStr(list, static_cast<int>(i)));
}
template <std::size_t N>
void AddUiList(platform::Dialog& dlg, int id, const UiPairList<N>& list) {
  for (std::size_t i = 0; i < N; ++i) dlg.ListAdd(id, UiPairStr(list, static_cast<int>(i)));
}
