// Checks shared by the edit fields of the setup windows: a character
// filter run while the user types, a numeric range check, and the shape
// check of an e-mail address.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/dialog.h"

// Allowed-character sets.
inline constexpr const char kDigits[] = "0123456789";
inline constexpr const char kPhoneChars[] = "0123456789+";
inline constexpr const char kDigitsUpper[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr const char kDigitsLetters[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// RangeWarnArmed (AppState) is set by a caller immediately before
// CheckEditRange when a value above the maximum should be warned about,
// cleared immediately after; CheckEditRange clears it when it warns, so one
// call warns at most once.

// Removes the first character of the edit's text that is not in `allowed`
// (an empty set allows everything), writes the text back and puts the
// caret where the character was. Writing back raises the edit's change
// notification, so a handler that calls this on every change removes all
// disallowed characters one by one.
void FilterEditChars(platform::Dialog& dlg, int id, const char* allowed);

// Keeps the edit to digits and its value within [min, max]: an empty field
// becomes min, a value below min becomes min, a value above max becomes max
// (after the out-of-range warning when RangeWarnArmed is set). Logs
// "Input value error!" after a replacement.
void CheckEditRange(platform::Dialog& dlg, int id, uint16_t min, uint16_t max);

// Shape of an e-mail address in the first `length` bytes of text (stopping
// at a terminating zero): 3 when some '.' follows some '@', 1 when the last
// marker seen was an '@', 2 when only '.' were seen, 0 when neither.
// An address is accepted only for 3.
int CheckMailFormat(const char* text, int length);
// CheckMailFormat's answer for an address with a '.' after its '@'.
inline constexpr int kMailWellFormed = 3;
// Whether the text is an address CheckMailFormat accepts.
bool IsMailWellFormed(std::string_view text);
