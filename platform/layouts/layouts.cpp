// The list of all dialog templates. Each template's table lives in its own
// file next to this one; add a line here when adding a template.
#include "platform/layout.h"

namespace platform {

extern const DialogLayout kLayout100;  // main window

namespace {
const DialogLayout* const kAll[] = {
    &kLayout100,
};
}  // namespace

std::span<const DialogLayout* const> AllLayouts() { return kAll; }

const DialogLayout* FindLayout(int template_id) {
  for (const DialogLayout* l : kAll)
    if (l->template_id == template_id) return l;
  return nullptr;
}

}  // namespace platform
