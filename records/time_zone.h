// The PC's time zone as the camera takes it: the standard (not
// daylight-saving) offset from UTC in whole hours.
#pragma once

// Whole hours of an offset from UTC in seconds. Only whole hours count, so the
// part beyond them is dropped towards zero: UTC+05:30 gives +5 and UTC-03:30
// gives -3, the same distance from UTC on either side.
int WholeUtcOffsetHours(long long offset_seconds);

// The standard offset of the zone in effect, in whole hours (0 when the
// system cannot tell). On Windows it comes from the time zone information;
// elsewhere from the C library (TZ), as the smaller of the January and July
// offsets, because summer time only ever adds to the offset.
int LocalStandardUtcOffsetHours();
