#include "records/time_zone.h"

#include <algorithm>
#include <ctime>

#if defined(_WIN32)
#include <windows.h>
#endif

int WholeUtcOffsetHours(long long offset_seconds) {
  // Integer division truncates towards zero.
  return static_cast<int>(offset_seconds / 3600);
}

#if defined(_WIN32)
int LocalStandardUtcOffsetHours() {
  TIME_ZONE_INFORMATION tz{};
  if (GetTimeZoneInformation(&tz) == TIME_ZONE_ID_INVALID) return 0;
  // UTC = local time + bias; in standard time the bias is Bias + StandardBias.
  return WholeUtcOffsetHours(-60LL * (tz.Bias + tz.StandardBias));
}
#else
int LocalStandardUtcOffsetHours() {
  tzset();
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  if (!localtime_r(&now, &today)) return 0;
  long long offset = 0;
  bool first = true;
  for (int month : {0, 6}) {
    std::tm probe{};
    probe.tm_year = today.tm_year;
    probe.tm_mon = month;
    probe.tm_mday = 1;
    probe.tm_hour = 12;
    probe.tm_isdst = -1;
    const std::time_t t = std::mktime(&probe);
    std::tm local{};
    if (t == static_cast<std::time_t>(-1) || !localtime_r(&t, &local)) continue;
    const long long here = local.tm_gmtoff;
    offset = first ? here : std::min(offset, here);
    first = false;
  }
  return WholeUtcOffsetHours(offset);
}
#endif
