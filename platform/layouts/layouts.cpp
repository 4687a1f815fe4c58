// The list of all dialog templates. Each template's table lives in its own
// file next to this one; add a line here when adding a template.
#include "platform/layout.h"

namespace platform {

extern const DialogLayout kLayout100;  // main window
extern const DialogLayout kLayout108;  // camera setup window, model families 0 and 1
extern const DialogLayout kLayout113;  // camera setup window
extern const DialogLayout kLayout114;  // wireless parameter page
extern const DialogLayout kLayout115;  // send settings page
extern const DialogLayout kLayout138;  // GPS coordinates mailbox window

namespace {
const DialogLayout* const kAll[] = {
    &kLayout100,
    &kLayout108,
    &kLayout113,
    &kLayout114,
    &kLayout115,
    &kLayout138,
};
}  // namespace

std::span<const DialogLayout* const> AllLayouts() { return kAll; }

const DialogLayout* FindLayout(int template_id) {
  for (const DialogLayout* l : kAll)
    if (l->template_id == template_id) return l;
  return nullptr;
}

}  // namespace platform
