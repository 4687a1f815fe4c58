// The camera setup window's controls and the camera settings record:
// filling the lists from the record, the enabling rules, and writing the
// controls back into the record.
#pragma once

#include <memory>
#include <string>

#include "platform/dialog.h"
#include "platform/window.h"

// Template of the camera setup window for the current model: 113, or 108
// for the template-108 rows.
int CamSetupTemplate();

// Whether a camera setup template has a control.
bool TemplateHas(int template_id, int id);

// Sets the window's title and labels, builds every option list for the
// current model (refill 0) or keeps them (refill 1, after Default; the
// interval value list is always rebuilt) and selects what the record of
// MenuLayout holds. Corrects out-of-range values in the record in place.
void FillCamSetupControls(platform::Dialog& dlg, int refill);

// Enables, disables, shows and hides controls per model and per record value.
void ApplyCamSetupEnabling(platform::Dialog& dlg);

// Copies what the window shows back into the live record of its layout.
void ReadCamSetupControls(platform::Dialog& dlg);

// Writes the PC's local date and time into the six clock edits.
void ShowPcClock(platform::Dialog& dlg);

// The rules that tie controls to a switch, applied by the enabling and by
// the change handlers.
void EnableClockEdits(platform::Dialog& dlg, bool on);
void EnableTimer1(platform::Dialog& dlg, bool on);
void EnableTimer2(platform::Dialog& dlg, bool on);
void EnableSerial(platform::Dialog& dlg, bool on);
void EnableTimeLapse(platform::Dialog& dlg, bool on);
// True when `pos` is the "On" entry of the time lapse list of the current model.
bool TimeLapseIsOn(int pos);

// The PC's standard offset from UTC in whole hours, from the services in
// use (or the system's own zone when none are set).
int PcUtcOffset();

// Days of a month (1..12) of a year, February with 29 in leap years; 31 for
// a month outside 1..12.
int DaysInMonth(int year, int month);

// The decimal number an edit starts with ("12", " 7", "-3"), read from at
// most max_chars characters; false when it starts with none.
bool ParseEditNumber(const std::string& text, int max_chars, long& value);

// The camera setup window (template 113 or 108 by the current model).
std::unique_ptr<platform::Window> MakeCameraSetupWindow();

