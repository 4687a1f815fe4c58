// The main window (template 100): model and interface language choice,
// the model picture, and the way into the setup windows.
#pragma once

#include <memory>

#include "platform/window.h"

namespace mainwin {

// Controls of template 100.
inline constexpr int kIdVersion = 40000;
inline constexpr int kIdLanguageFrame = 40001;
inline constexpr int kIdCameraSetup = 40003;
inline constexpr int kIdVersionFrame = 40005;
inline constexpr int kIdModelFrame = 40006;
inline constexpr int kIdWirelessSetup = 40008;
inline constexpr int kIdPictureFrame = 40013;
inline constexpr int kIdLanguageList = 40014;
// Per family 0, 1, 2: the model list and the radio button.
inline constexpr int kIdFamilyList[3] = {40002, 40011, 40012};
inline constexpr int kIdFamilyRadio[3] = {40009, 40007, 40010};

inline constexpr int kIconSmall = 103;
inline constexpr int kBannerBitmap = 101;
// Where the pictures are drawn, in client pixels, and how much is copied.
inline constexpr int kBannerX = 22, kBannerY = 10, kBannerW = 340, kBannerH = 72;
inline constexpr int kPictureX = 22, kPictureY = 88, kPictureW = 167, kPictureH = 155;

// The model row chosen at the first start (VORN-R1W ULTRA, code 524).
inline constexpr int kFirstStartModelIndex = 12;
// The system language identifier that selects Chinese.
inline constexpr int kLangIdChinesePrc = 2052;

}  // namespace mainwin

// The main window (template 100).
std::unique_ptr<platform::Window> MakeMainWindow();
