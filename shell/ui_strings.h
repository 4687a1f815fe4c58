// The interface texts of every window, in Chinese and English (UTF-8).
//
// One table per text: a window that shows the same text as another uses
// the same table ("Warning", "Browse", "Server", ...). The groups below
// follow the windows: shared captions and messages, main window, camera
// setup window, wireless parameter page, send settings page, GPS
// coordinates mailbox window. The operator countries and operator names
// live with the operator presets (wireless/).
//
// Naming:
//   kTxt<Name>     UiText        a title, label, caption or single entry
//   kMsg<Name>     UiText        the text of a message box
//   kList<Name>    UiTextList<N> an option list; entry i is option value i
//   kPair<Name>    UiPairList<N> an option list stored pair by pair
//   kLabels<Name>  UiLabelList   control ids and their texts, set in one pass
//                                (the rows are kLabelIds<Name> / kLabelTexts<Name>)
//   kPlain<Name>   const char*[] a list that is the same in both languages
// <Name> is the English text in CamelCase, shortened where it is long
// (kMsgGenFail... are the "Generate failed!" messages of the send settings page).
#pragma once

#include "shell/ui_text.h"

// ---------------------------------------------------------------------------
// Shared captions and messages
extern const UiText kTxtNotice;              // "Notice" caption (information icon)
extern const UiText kTxtWarning;             // "Warning" caption (warning icon)
extern const UiText kMsgGenerateSuccess;     // "Generate Success!"
extern const UiText kMsgDefaultGenerateSuccess;  // "Default setting and generate success!"
extern const UiText kMsgSerialNumberRule;    // "Only numbers and letters are allowed (...)"
extern const UiText kMsgOutOfRange;          // "The input is out of range!"
extern const UiText kMsgFolderPathTooLong;   // Browse: the chosen folder's path does not fit
// A file that Generate or Default could not put in place: the first line
// names the file (for "%s"), the second says why.
extern const UiText kMsgFileNotWritten;      // "%s could not be written."
extern const UiText kMsgWriteProtected;      // "The card or folder is write-protected."
extern const UiText kMsgCardFull;            // "The card is full."
extern const UiText kMsgFolderNotFound;      // "The folder was not found."
extern const UiText kMsgFilePathTooLong;     // "The path of the file is too long."
extern const UiText kMsgReadBackDiffers;     // the file read back is not the one written
extern const UiText kMsgSystemError;         // "System error: %s", the system's own words
// The folder chooser that Browse opens where the host draws it (also kTxtOk).
extern const UiText kTxtChooseFolder;        // its title
extern const UiText kTxtFolderField;         // the field naming the folder
extern const UiText kTxtCancel;
extern const UiText kTxtNewFolder;           // button tip
extern const UiText kTxtNewFolderName;       // the question of that button
extern const UiText kTxtShowHiddenFolders;   // check box

// ---------------------------------------------------------------------------
// Main window (template 100)
extern const UiText kTxtSetup;               // window title
extern const UiText kTxtCameraModel;         // 40006
extern const UiText kTxtWifiSetup;           // 40008 for WiFi models
extern const UiText kTxtWirelessSetup;       // 40008 otherwise
extern const UiText kTxtCameraSetup;         // 40003; also the camera setup window title
extern const UiText kTxtInterfaceLanguage;   // 40001
extern const UiText kTxtVersion;             // 40005
extern const UiText kTxtVersionNumber;       // 40000, the version as "MAJOR,MINOR,PATCH,TWEAK"
// The interface language list: row n is UiLanguage n, each in its own language.
extern const char* const kPlainUiLanguages[2];

// ---------------------------------------------------------------------------
// Camera setup window (templates 108 and 113)
// Labels of the 39-row label list (several rows share one table).
extern const UiText kTxtMode;
extern const UiText kTxtPhotoSize;
extern const UiText kTxtVideoSize;
extern const UiText kTxtPictureNumber;
extern const UiText kTxtTimeStamp;
extern const UiText kTxtSenseLevel;
extern const UiText kTxtSidePir;
extern const UiText kTxtVideoLength;
extern const UiText kTxtSec;                 // "Sec" / "秒钟"
extern const UiText kTxtInterval;
extern const UiText kTxtDateFormat;
extern const UiText kTxtBeepSound;
extern const UiText kTxtSdCycle;
extern const UiText kTxtLanguage;
extern const UiText kTxtTvSystem;
extern const UiText kTxtSetClock;
extern const UiText kTxtTimer1;
extern const UiText kTxtTimer2;
extern const UiText kTxtStart;
extern const UiText kTxtEnd;
extern const UiText kTxtHour;                // "Hour" / "小时"
extern const UiText kTxtMin;                 // "Min" / "分钟"
extern const UiText kTxtSerialNumber;
extern const UiText kTxtTimeLapse;
extern const UiText kTxtSavePath;            // also the send settings page
extern const UiText kTxtBrowse;              // also the send settings page
extern const UiText kTxtDefault;
extern const UiText kTxtGenerate;            // also the send settings page

// The 39-row label list, applied in this order. The window may copy the
// rows and replace single texts per model before applying them.
inline constexpr int kCamSetupLabelRows = 39;
extern const int kLabelIdsCamSetup[kCamSetupLabelRows];
extern const UiText* const kLabelTextsCamSetup[kCamSetupLabelRows];
extern const UiLabelList kLabelsCamSetup;

// Further labels and lists.
extern const UiText kTxtScene;
extern const UiTextList<3> kListScene;              // Jungle 1, Jungle 2, Open terrain
extern const UiText kTxtSpeakerVolume;
extern const UiText kTxtLightFrequency;
extern const UiText kTxtAuto;                       // single entry "Auto" / "自动"
extern const UiText kTxtExposure;
extern const UiText kTxtLedBrightness;
extern const UiText kTxtBwPhotoEv;
extern const UiText kTxtVideoSound;
extern const UiText kTxtTimeZone;
extern const UiTextList<3> kListAutoInputOff;       // Auto, Input, Off
extern const UiTextList<3> kListDateFormat;         // YYMMDD, DDMMYY, MMDDYY
extern const UiTextList<2> kListSouthNorth;         // S, N
extern const UiTextList<2> kListEastWest;           // E, W (also the send settings page)
extern const UiTextList<2> kListSecMin;             // Sec, Min
extern const UiTextList<2> kListHighLow;            // High, Low
extern const UiTextList<3> kListLowMiddleHigh;      // Low, Middle, High
extern const UiTextList<3> kListHighMiddleLow;      // High, Middle, Low
extern const UiTextList<4> kListHighMediumLowOff;   // High, medium, Low, Off
extern const UiTextList<2> kListOffOn;              // Off, On
extern const UiTextList<2> kListOnOff;              // On, Off
extern const UiTextList<10> kListPhotoCount;        // 01 Photo .. 10 Photos
extern const UiTextList<4> kListCamModeVideo60;     // Camera, Video, Camera+Video, Video(60FPS)
extern const UiTextList<3> kListCamModeSnapshot;    // Camera, Video, Video+Snapshot
extern const UiTextList<3> kListCamMode;            // Camera, Video, Camera+Video

// Coordinate labels and the 7-row coordinate label list.
extern const UiText kTxtSecond;
extern const UiText kTxtMinute;
extern const UiText kTxtDegree;
extern const UiText kTxtDirection;
extern const UiText kTxtLatitude;
extern const UiText kTxtLongitude;
extern const UiText kTxtCoordinate;
inline constexpr int kCoordinateLabelRows = 7;
extern const int kLabelIdsCoordinate[kCoordinateLabelRows];
extern const UiText* const kLabelTextsCoordinate[kCoordinateLabelRows];
extern const UiLabelList kLabelsCoordinate;

// Camera menu languages (pairs).
extern const UiPairList<14> kPairMenuLanguages14;   // Chinese, English, German, ...
extern const UiPairList<9> kPairMenuLanguages9;     // English, Chinese, French, ...

// One-character entries "0".."9", "A".."Z".
extern const char* const kPlainDigitsLetters[36];

// ---------------------------------------------------------------------------
// Wireless parameter page (template 114); rows marked GPS are shared with
// the GPS coordinates mailbox window.
extern const UiText kTxtWirelessParamSettings;      // window title
extern const UiText kTxtSendModule;
extern const UiText kTxtGpsMailbox;                 // GPS: also its window title
extern const UiText kTxtCloudNumber;
extern const UiText kTxtSimPhoneNumber;
extern const UiText kTxtLoginPassword;
extern const UiText kTxtRegisteredMail;
extern const UiTextList<2> kListFtpDir;             // Root, Specify
extern const UiText kTxtFtpUploadDir;
extern const UiText kTxtUserName;
extern const UiText kTxtFtpSettings;
extern const UiText kTxtFactoryTest;
extern const UiText kTxtNextPage;
extern const UiText kTxtEmailAddress;               // GPS
extern const UiText kTxtServer;                     // GPS
extern const UiText kTxtSenderSettings;             // GPS
extern const UiText kTxtNetworkSettings;
extern const UiText kTxtCloudParams;
extern const UiText kTxtFtpParams;
extern const UiText kTxtNetworkMailParams;
extern const UiText kTxtSsid;
extern const UiText kTxtWifi;
extern const UiText kTxtPassword;                   // GPS
extern const UiText kTxtAccount;                    // GPS
extern const UiText kTxtPort;                       // GPS
extern const UiText kTxtGateway;
extern const UiText kTxtUrl;
extern const UiText kTxtMmsParams;
extern const UiText kTxtOperator;
extern const UiText kTxtCountry;
extern const UiText kTxtOperatorSelection;
extern const UiTextList<2> kListSelectOperatorNo;      // Select Operator, No
extern const UiTextList<2> kListSelectOperatorManual;  // Select Operator, Manual Input
extern const UiText kTxtOperatorParamOptions;
extern const UiTextList<5> kListSendBy;             // Off, MMS, Email, FTP, Camera Cloud System
extern const UiText kTxtSendStatus;

// Messages (caption kTxtWarning).
extern const UiText kMsgEnterFactoryPort;
extern const UiText kMsgEnterFactoryUrl;
extern const UiText kMsgEnterWifiPassword;
extern const UiText kMsgEnterWifiSsid;
extern const UiText kMsgEnterNetworkApn;
extern const UiText kMsgEnterSenderPassword;        // GPS
extern const UiText kMsgSenderAddressError;         // GPS
extern const UiText kMsgEnterSenderAddress;         // GPS
extern const UiText kMsgEnterSenderPort;            // GPS
extern const UiText kMsgEnterSenderServer;          // GPS

// Texts of the page that read the same in both languages.
extern const UiText kTxtApnLabel;                   // network row label "APN"
extern const UiTextList<2> kListMmsType;            // "APN", "CSD"
extern const UiTextList<2> kListModule4G;           // "WIFI", "4G"
extern const UiTextList<2> kListModule5G;           // "WIFI", "5G"

// ---------------------------------------------------------------------------
// Send settings page (template 115); also kTxtSavePath, kTxtGenerate,
// kTxtBrowse and kListEastWest above.
extern const UiText kTxtSendSettings;               // window title
extern const UiText kTxtPreviousPage;
extern const UiTextList<2> kListNorthSouth;         // N, S
extern const UiText kTxtNoRemoteCommand22;
extern const UiText kTxtReceives22Files;            // "^ Receives the file requested by the 22 command."
extern const UiText kTxtRemote60Photos;             // "^ Remote control, receiving 60 command photos."
extern const UiText kTxtRemoteReceiverEmail;
extern const UiText kTxtRemotePhoneNumber;
extern const UiText kTxtRemoteInterval;
extern const UiText kTxtRemoteControl;
extern const UiTextList<26> kListRemoteInterval;    // Remote Off, 10 Minutes, 01 Hours .. 24 Hours
extern const UiText kTxtDailySendTime;
extern const UiTextList<24> kListDailySendHour;     // 00 o'clock .. 23 o'clock
extern const UiTextList<2> kListSendTiming;         // Send Immediately, Daily Send
extern const UiText kTxtSendMode;
extern const UiText kTxtSendModeDaily;              // a second table with the same texts
extern const UiText kTxtPerDay;
extern const UiText kTxtMaxSentNum;
extern const UiTextList<2> kListImageSize;          // Full Image, Thumbnail
extern const UiText kTxtSendImageSize;
extern const UiText kTxtEmailAddress1;
extern const UiText kTxtEmailAddress2;
extern const UiText kTxtPhoneNumber1;
extern const UiText kTxtPhoneNumber2;
extern const UiText kTxtToDestination;

// Messages of Generate (caption kTxtWarning); each begins with the line
// "Generate failed!".
extern const UiText kMsgGenFailNoEmail;
extern const UiText kMsgGenFailEmail1;
extern const UiText kMsgGenFailEmail2;
extern const UiText kMsgGenFailNoPhoneOrEmail;
extern const UiText kMsgGenFailRemotePhone;
extern const UiText kMsgGenFailRemoteEmail;
extern const UiText kMsgGenFailMmsUrl;
extern const UiText kMsgGenFailMmsApn;
extern const UiText kMsgGenFailMmsGateway;
extern const UiText kMsgGenFailNetworkApn;
extern const UiText kMsgGenFailSimPhone;
extern const UiText kMsgGenFailRegisteredMail;
extern const UiText kMsgGenFailFtpPassword;
extern const UiText kMsgGenFailFtpAccount;
extern const UiText kMsgGenFailFtpPort;
extern const UiText kMsgGenFailFtpServer;
extern const UiText kMsgGenFailOutboxPassword;
extern const UiText kMsgGenFailOutboxAddress;
extern const UiText kMsgGenFailOutboxPort;
extern const UiText kMsgGenFailOutboxServer;

// ---------------------------------------------------------------------------
// GPS coordinates mailbox window (template 138); also the GPS rows above.
extern const UiText kTxtOk;
extern const UiText kTxtInboxAddress;
extern const UiText kTxtInbox;
extern const UiText kMsgInboxAddressError;
extern const UiText kMsgEnterInboxAddress;
