#include "shell/main_window.h"

#include <cstring>
#include <optional>
#include <string>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "shell/ui_strings.h"

namespace {

using namespace mainwin;
using platform::Dialog;
using platform::Notify;

// The model list and radio button of the family in use.
int FamilyList() { return kIdFamilyList[App().ModelFamily >= 0 && App().ModelFamily < 3 ? App().ModelFamily : 2]; }

const UiText& WirelessLabel(uint8_t wireless_func) {
  return wireless_func == kWirelessWifi ? kTxtWifiSetup : kTxtWirelessSetup;
}

// Copies the working directory into SaveFolder when it fits; a path that
// would have to be cut would name another folder, so SaveFolder keeps its
// value then.
void TakeWorkingDirectory() {
  const std::optional<std::string> dir = platform::GetServices().WorkingDirectory();
  if (!dir) return;
  if (dir->size() >= sizeof App().SaveFolder) {
    Diag("Working directory longer than %d bytes, save folder stays \"%s\"\n",
         static_cast<int>(sizeof App().SaveFolder) - 1, App().SaveFolder);
    return;
  }
  std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
  std::memcpy(App().SaveFolder, dir->data(), dir->size());
}

class MainWindow final : public platform::Window {
 public:
  int TemplateId() const override { return 100; }

  void OnInit(Dialog& dlg) override {
    dlg.SetIcon(kIconSmall);
    banner_loaded_ = true;

    if (App().FirstStart) App().ModelIndex = kFirstStartModelIndex;
    UpdateModelCode();

    for (int family = 0; family < kModelFamilies; ++family) {
      const bool current = family == App().ModelFamily;
      dlg.SetChecked(kIdFamilyRadio[family], current);
      if (!current) dlg.Enable(kIdFamilyList[family], false);
    }

    LoadModelPicture();
    App().CamSetupDlgId = ModelSetupDlgId(App().ModelFamily, App().ModelIndex);

    if (App().FirstStart) {
      App().UiLanguage = platform::GetServices().SystemLanguageId() == kLangIdChinesePrc ? 0 : 1;
      TakeWorkingDirectory();
      App().FirstStart = false;
    }

    SetTexts(dlg, false);
    UpdateWirelessButton(dlg);
  }

  void OnCommand(Dialog& dlg, int id, Notify what) override {
    if (id == FamilyList() && what == Notify::SelChange) {
      ModelChanged(dlg);
    } else if (id == kIdLanguageList && what == Notify::SelChange) {
      const int row = dlg.ListSelection(kIdLanguageList);
      if (row == 0 || row == 1) {
        App().UiLanguage = row;
        SetTexts(dlg, true);
      }
    } else if ((id == kIdCameraSetup || id == platform::kIdOk) && what == Notify::Clicked) {
      // kIdOk: Enter on a host that does not name the default button.
      SetNext(platform::WindowKind::CameraSetup);
      dlg.End(0);
    } else if (id == kIdWirelessSetup && what == Notify::Clicked) {
      const uint8_t func = GetCamWirelessFunc();
      if (func == kWirelessWifi || func == kWireless3G || func == kWireless4G) {
        SetNext(platform::WindowKind::WirelessParams);
        dlg.End(0);
      }
    }
    // Everything else, Escape (kIdCancel) included, is handled without effect.
  }

  void OnClose(Dialog& dlg) override {
    banner_loaded_ = false;
    SetNext(platform::WindowKind::None);
    dlg.End(0);
  }

  void OnPaint(Dialog& dlg) override {
    if (banner_loaded_) dlg.DrawBitmap(kBannerBitmap, kBannerX, kBannerY, kBannerW, kBannerH);
    if (picture_id_ != 0) dlg.DrawBitmap(picture_id_, kPictureX, kPictureY, kPictureW, kPictureH);
  }

 private:
  void LoadModelPicture() {
    App().CamPictureId = ModelPictureId(App().ModelFamily, App().ModelIndex);
    picture_id_ = App().CamPictureId;  // an id without a bitmap draws nothing
  }

  void UpdateWirelessButton(Dialog& dlg) { dlg.Enable(kIdWirelessSetup, GetCamWirelessFunc() != kWirelessNone); }

  // Sets the window's texts in the current language; with `refill`, also
  // empties the language list and the model list first.
  void SetTexts(Dialog& dlg, bool refill) {
    dlg.SetTitle(UiStr(kTxtSetup));
    dlg.SetText(kIdVersion, UiStr(kTxtVersionNumber));
    dlg.SetText(kIdVersionFrame, UiStr(kTxtVersion));
    dlg.SetText(kIdLanguageFrame, UiStr(kTxtInterfaceLanguage));
    dlg.SetText(kIdCameraSetup, UiStr(kTxtCameraSetup));
    dlg.SetText(kIdWirelessSetup, UiStr(WirelessLabel(GetCamWirelessFunc())));
    dlg.SetText(kIdModelFrame, UiStr(kTxtCameraModel));

    if (refill) dlg.ListReset(kIdLanguageList);
    for (const char* name : kPlainUiLanguages) dlg.ListAdd(kIdLanguageList, name);
    dlg.ListSelect(kIdLanguageList, App().UiLanguage);

    // Only the named rows: a row from an empty slot would name no model.
    const int list = FamilyList();
    if (refill) dlg.ListReset(list);
    const int rows = ModelRowCount(App().ModelFamily);
    for (int row = 0; row < rows; ++row) dlg.ListAdd(list, ModelName(App().ModelFamily, row));
    dlg.ListSelect(list, App().ModelIndex);
  }

  void ModelChanged(Dialog& dlg) {
    const int row = dlg.ListSelection(FamilyList());
    if (row < 0 || row == App().ModelIndex) return;
    App().ModelIndex = row;
    UpdateModelCode();
    LoadModelPicture();
    dlg.Invalidate();
    App().CamSetupDlgId = ModelSetupDlgId(App().ModelFamily, App().ModelIndex);
    UpdateWirelessButton(dlg);
    dlg.SetText(kIdWirelessSetup, UiStr(WirelessLabel(GetCamWirelessFunc())));
  }

  bool banner_loaded_ = false;
  uint16_t picture_id_ = 0;
};

}  // namespace

std::unique_ptr<platform::Window> MakeMainWindow() { return std::make_unique<MainWindow>(); }
