// Control ids of the camera setup window (templates 113 and 108).
#pragma once

namespace camid {

inline constexpr int kTemplateFull = 113;    // every live model
inline constexpr int kTemplateLegacy = 108;  // the rows of model families 0 and 1
inline constexpr int kIconCamSetup = 103;

// Capture.
inline constexpr int kCapMode = 40002, kLblCapMode = 40004;
inline constexpr int kImgSize = 40003, kLblImgSize = 40005;
inline constexpr int kVideoSize = 40008, kLblVideoSize = 40010;
inline constexpr int kPicNumber = 40009, kLblPicNumber = 40011;
inline constexpr int kTimeStamp = 40014, kLblTimeStamp = 40016;
inline constexpr int kVideoLength = 40107, kLblVideoLength = 40022, kLblVideoLengthSec = 40023;
inline constexpr int kFrameVideoSound = 40128;
inline constexpr int kLblVideoSound = 40129, kVideoSound = 40130;  // Video Sound, Exposure or BW Photo EV
inline constexpr int kLblScene = 40138, kScene = 40134;

// Motion sensor.
inline constexpr int kSenseLevel = 40015, kLblSenseLevel = 40017;
inline constexpr int kSidePir = 40020, kLblSidePir = 40024;
inline constexpr int kIntervalUnit = 40028, kInterval = 40108, kLblInterval = 40030;

// Camera menu.
inline constexpr int kDateFormat = 40029, kLblDateFormat = 40031;
inline constexpr int kBeepSound = 40034, kLblBeepSound = 40036;  // Speaker Volume on the ULTRA rows
inline constexpr int kSdCycle = 40035, kLblSdCycle = 40037;
inline constexpr int kLanguage = 40039, kLblLanguage = 40040;
inline constexpr int kFrameTvSystem = 40122;
inline constexpr int kTvSystem = 40124, kLblTvSystem = 40123;

// Clock and time zone.
inline constexpr int kSetClock = 40042, kLblSetClock = 40049;
inline constexpr int kClockYear = 40043, kClockMonth = 40044, kClockDay = 40045;
inline constexpr int kClockHour = 40046, kClockMinute = 40047, kClockSecond = 40048;
inline constexpr int kLblTimeZone = 40126, kTimeZone = 40127;  // Video Sound on NANO-B

// Timers.
inline constexpr int kTimer1On = 40061, kGrpTimer1 = 40062;
inline constexpr int kTimer1StartHour = 40109, kTimer1StartMinute = 40110;
inline constexpr int kTimer1EndHour = 40112, kTimer1EndMinute = 40111;
inline constexpr int kLblTimer1Start = 40055, kLblTimer1End = 40056;
inline constexpr int kLblTimer1StartHour = 40057, kLblTimer1StartMin = 40058;
inline constexpr int kLblTimer1EndHour = 40059, kLblTimer1EndMin = 40060;
inline constexpr int kTimer2On = 40076, kGrpTimer2 = 40077;
inline constexpr int kTimer2StartHour = 40113, kTimer2StartMinute = 40114;
inline constexpr int kTimer2EndHour = 40115, kTimer2EndMinute = 40116;
inline constexpr int kLblTimer2Start = 40070, kLblTimer2End = 40071;
inline constexpr int kLblTimer2StartHour = 40074, kLblTimer2StartMin = 40072;
inline constexpr int kLblTimer2EndHour = 40075, kLblTimer2EndMin = 40073;

// Time lapse.
inline constexpr int kTimeLapseOn = 40095, kGrpTimeLapse = 40096;
inline constexpr int kTimeLapseHour = 40117, kTimeLapseMinute = 40118, kTimeLapseSecond = 40119;
inline constexpr int kLblTimeLapseHour = 40092, kLblTimeLapseMin = 40093, kLblTimeLapseSec = 40094;

// Serial number.
inline constexpr int kSerialOn = 40085, kGrpSerial = 40090;
inline constexpr int kSerialChar0 = 40086;  // .. 40089
inline constexpr int kSerialText = 40131;

// Position.
inline constexpr int kGrpCoordinate = 40021;
inline constexpr int kLblLongitude = 40027, kLblLatitude = 40079;
inline constexpr int kLblDirection = 40099, kLblDegree = 40102, kLblMinute = 40120, kLblSecond = 40121;
inline constexpr int kLongitudeDir = 40063, kLongitudeDeg = 40064, kLongitudeMin = 40065, kLongitudeSec = 40066;
inline constexpr int kLatitudeDir = 40080, kLatitudeDeg = 40081, kLatitudeMin = 40097, kLatitudeSec = 40098;

// Save path and the buttons.
inline constexpr int kLblSavePath = 40078, kSaveFolder = 40104;
inline constexpr int kBrowse = 40103, kDefault = 40105, kGenerate = 40106;

// Controls of the template that stay hidden and unused.
inline constexpr int kUnused0 = 40132, kUnused1 = 40133, kUnusedEdit0 = 40135;
inline constexpr int kUnused2 = 40136, kUnusedEdit1 = 40137, kUnused3 = 40139;

// Frames that group the settings (no text).
inline constexpr int kFrameCapture = 40140, kFrameMotion = 40141, kFrameClock = 40142;

// The dialog's OK and Cancel commands (Enter and Escape).
inline constexpr int kIdOk = 1, kIdCancel = 2;

// The one-second clock timer.
inline constexpr int kClockTimerId = 1;
inline constexpr int kClockTimerMs = 1000;

// Colour of label 40126, as 0xRRGGBB.
inline constexpr unsigned kTimeZoneLabelRgb = (34u << 16) | (96u << 8) | 217u;

}  // namespace camid
