// The interface texts, grouped as in ui_strings.h. Chinese first, English
// second; list rows are the Chinese row first, then the English row.
#include "shell/ui_strings.h"

#include "trailset_version.h"

// ---------------------------------------------------------------------------
// Shared captions and messages
const UiText kTxtNotice = {{"通知", "Notice"}};
const UiText kTxtWarning = {{"警告", "Warning"}};
const UiText kMsgGenerateSuccess = {{"成功生成配置文件!", "Generate Success!"}};
const UiText kMsgDefaultGenerateSuccess = {
    {"出厂设置完成，成功生成配置文件!", "Default setting and generate success!"}};
const UiText kMsgSerialNumberRule = {
    {"仅支持4-10位的大写字母和数字。",
     "Only numbers and letters are allowed (at least four digits and at most ten digits)"}};
const UiText kMsgOutOfRange = {{"输入内容超出范围！", "The input is out of range!"}};
const UiText kMsgFolderPathTooLong = {{
    "所选文件夹的路径太长，保存路径未更改。",
    "The path of the chosen folder is too long; the save path was not changed.",
}};
const UiText kMsgFileNotWritten = {{"无法写入文件 %s。", "%s could not be written."}};
const UiText kMsgWriteProtected = {{"存储卡或文件夹处于写保护状态。", "The card or folder is write-protected."}};
const UiText kMsgCardFull = {{"存储卡已满。", "The card is full."}};
const UiText kMsgFolderNotFound = {{"找不到文件夹。", "The folder was not found."}};
const UiText kMsgFilePathTooLong = {{"文件路径太长。", "The path of the file is too long."}};
const UiText kMsgReadBackDiffers = {
    {"读回的文件与写入的内容不一致。", "The file read back differs from the file written."}};
const UiText kMsgSystemError = {{"系统错误：%s", "System error: %s"}};
const UiText kTxtChooseFolder = {{"选择保存文件夹", "Choose the Save Folder"}};
const UiText kTxtFolderField = {{"文件夹:", "Folder:"}};
const UiText kTxtCancel = {{"取消", "Cancel"}};
const UiText kTxtNewFolder = {{"新建文件夹", "New Folder"}};
const UiText kTxtNewFolderName = {{"新文件夹的名称:", "Name of the new folder:"}};
const UiText kTxtShowHiddenFolders = {{"显示隐藏的文件夹", "Show hidden folders"}};

// ---------------------------------------------------------------------------
// Main window
const UiText kTxtSetup = {{"设置", "Setup"}};
const UiText kTxtCameraModel = {{"相机型号", "Camera Model"}};
const UiText kTxtWifiSetup = {{"WIFI设置", "WIFI Setup"}};
const UiText kTxtWirelessSetup = {{"无线设置", "Wireless Setup"}};
const UiText kTxtCameraSetup = {{"相机设置", "Camera Setup"}};
const UiText kTxtInterfaceLanguage = {{"界面语言", "Interface Language"}};
const UiText kTxtVersion = {{"软件版本", "Version"}};
const UiText kTxtVersionNumber = {{TRAILSET_VERSION_COMMAS, TRAILSET_VERSION_COMMAS}};
const char* const kPlainUiLanguages[2] = {"中文", "English"};

// ---------------------------------------------------------------------------
// Camera setup window
const UiText kTxtMode = {{"模式", "Mode"}};
const UiText kTxtPhotoSize = {{"照片尺寸", "Photo Size"}};
const UiText kTxtVideoSize = {{"录像尺寸", "Video Size"}};
const UiText kTxtPictureNumber = {{"拍摄张数", "Picture Number"}};
const UiText kTxtTimeStamp = {{"时间戳", "Time Stamp"}};
const UiText kTxtSenseLevel = {{"灵敏度", "Sense Level"}};
const UiText kTxtSidePir = {{"侧面PIR", "Side PIR"}};
const UiText kTxtVideoLength = {{"录像长度", "Video Length"}};
const UiText kTxtSec = {{"秒钟", "Sec"}};
const UiText kTxtInterval = {{"间隔时间", "Interval"}};
const UiText kTxtDateFormat = {{"日期格式", "Date Format"}};
const UiText kTxtBeepSound = {{"按键音", "Beep Sound"}};
const UiText kTxtSdCycle = {{"循环存储", "SD Cycle"}};
const UiText kTxtLanguage = {{"语言", "Language"}};
const UiText kTxtTvSystem = {{"电视制式", "TV System"}};
const UiText kTxtSetClock = {{"设置时间", "Set Clock"}};
const UiText kTxtTimer1 = {{"定时设置1", "Timer1"}};
const UiText kTxtTimer2 = {{"定时设置2", "Timer2"}};
const UiText kTxtStart = {{"开始", "Start"}};
const UiText kTxtEnd = {{"结束", "End"}};
const UiText kTxtHour = {{"小时", "Hour"}};
const UiText kTxtMin = {{"分钟", "Min"}};
const UiText kTxtSerialNumber = {{"序列号", "Serial Number"}};
const UiText kTxtTimeLapse = {{"强制拍摄", "Time Lapse"}};
const UiText kTxtSavePath = {{"保存路径", "Save Path"}};
const UiText kTxtBrowse = {{"浏览", "Browse"}};
const UiText kTxtDefault = {{"出厂设置", "Default"}};
const UiText kTxtGenerate = {{"生成配置", "Generate"}};

const int kLabelIdsCamSetup[kCamSetupLabelRows] = {
    40004, 40005, 40010, 40011, 40016, 40017, 40024, 40022, 40023, 40030,
    40031, 40036, 40037, 40040, 40123, 40049, 40062, 40055, 40057, 40058,
    40056, 40059, 40060, 40077, 40070, 40074, 40072, 40071, 40075, 40073,
    40090, 40096, 40092, 40093, 40094, 40078, 40103, 40105, 40106,
};
const UiText* const kLabelTextsCamSetup[kCamSetupLabelRows] = {
    &kTxtMode,         &kTxtPhotoSize,   &kTxtVideoSize,    &kTxtPictureNumber,
    &kTxtTimeStamp,    &kTxtSenseLevel,  &kTxtSidePir,      &kTxtVideoLength,
    &kTxtSec,          &kTxtInterval,    &kTxtDateFormat,   &kTxtBeepSound,
    &kTxtSdCycle,      &kTxtLanguage,    &kTxtTvSystem,     &kTxtSetClock,
    &kTxtTimer1,       &kTxtStart,       &kTxtHour,         &kTxtMin,
    &kTxtEnd,          &kTxtHour,        &kTxtMin,          &kTxtTimer2,
    &kTxtStart,        &kTxtHour,        &kTxtMin,          &kTxtEnd,
    &kTxtHour,         &kTxtMin,         &kTxtSerialNumber, &kTxtTimeLapse,
    &kTxtHour,         &kTxtMin,         &kTxtSec,          &kTxtSavePath,
    &kTxtBrowse,       &kTxtDefault,     &kTxtGenerate,
};
const UiLabelList kLabelsCamSetup = {kLabelIdsCamSetup, kLabelTextsCamSetup};

const UiText kTxtScene = {{"场景", "Scene"}};
const UiTextList<3> kListScene = {{{"丛林 1", "丛林 2", "开阔地形"},
                                   {"Jungle 1", "Jungle 2", "Open terrain"}}};
const UiText kTxtSpeakerVolume = {{"扬声器音量", "Speaker Volume"}};
const UiText kTxtLightFrequency = {{"光源频率", "Light Frequency"}};
const UiText kTxtAuto = {{"自动", "Auto"}};
const UiText kTxtExposure = {{"曝光", "Exposure"}};
const UiText kTxtLedBrightness = {{"LED亮度", "LED Brightness"}};
const UiText kTxtBwPhotoEv = {{"黑白照片亮度", "BW Photo EV"}};
const UiText kTxtVideoSound = {{"录像声音", "Video Sound"}};
const UiText kTxtTimeZone = {{"时区", "Time Zone"}};
const UiTextList<3> kListAutoInputOff = {{{"自动获取", "手动输入", "关闭"},
                                          {"Auto", "Input", "Off"}}};
const UiTextList<3> kListDateFormat = {{{"年月日", "日月年", "月日年"},
                                        {"YYMMDD", "DDMMYY", "MMDDYY"}}};
const UiTextList<2> kListSouthNorth = {{{"南", "北"}, {"S", "N"}}};
const UiTextList<2> kListEastWest = {{{"东", "西"}, {"E", "W"}}};
const UiTextList<2> kListSecMin = {{{"秒钟", "分钟"}, {"Sec", "Min"}}};
const UiTextList<2> kListHighLow = {{{"高", "低"}, {"High", "Low"}}};
const UiTextList<3> kListLowMiddleHigh = {{{"低", "中", "高"}, {"Low", "Middle", "High"}}};
const UiTextList<3> kListHighMiddleLow = {{{"高", "中", "低"}, {"High", "Middle", "Low"}}};
const UiTextList<4> kListHighMediumLowOff = {{{"高", "中", "低", "关闭"},
                                              {"High", "medium", "Low", "Off"}}};
const UiTextList<2> kListOffOn = {{{"关", "开"}, {"Off", "On"}}};
const UiTextList<2> kListOnOff = {{{"开", "关"}, {"On", "Off"}}};
const UiTextList<10> kListPhotoCount = {
    {{"01 张", "02 张", "03 张", "04 张", "05 张", "06 张", "07 张", "08 张", "09 张", "10 张"},
     {"01 Photo", "02 Photos", "03 Photos", "04 Photos", "05 Photos", "06 Photos",
      "07 Photos", "08 Photos", "09 Photos", "10 Photos"}}};
const UiTextList<4> kListCamModeVideo60 = {{{"拍照", "录像", "拍照+录像", "录像(60FPS)"},
                                            {"Camera", "Video", "Camera+Video", "Video(60FPS)"}}};
const UiTextList<3> kListCamModeSnapshot = {{{"拍照", "录像", "录像+抓拍"},
                                             {"Camera", "Video", "Video+Snapshot"}}};
const UiTextList<3> kListCamMode = {{{"拍照", "录像", "拍照+录像"},
                                     {"Camera", "Video", "Camera+Video"}}};

const UiText kTxtSecond = {{"秒", "Second"}};
const UiText kTxtMinute = {{"分", "Minute"}};
const UiText kTxtDegree = {{"度", "Degree"}};
const UiText kTxtDirection = {{"方向", "Direction"}};
const UiText kTxtLatitude = {{"纬度", "Latitude"}};
const UiText kTxtLongitude = {{"经度", "Longitude"}};
const UiText kTxtCoordinate = {{"坐标", "Coordinate"}};
const int kLabelIdsCoordinate[kCoordinateLabelRows] = {
    40021, 40027, 40079, 40099, 40102, 40120, 40121,
};
const UiText* const kLabelTextsCoordinate[kCoordinateLabelRows] = {
    &kTxtCoordinate, &kTxtLongitude, &kTxtLatitude, &kTxtDirection,
    &kTxtDegree,     &kTxtMinute,    &kTxtSecond,
};
const UiLabelList kLabelsCoordinate = {kLabelIdsCoordinate, kLabelTextsCoordinate};

const UiPairList<14> kPairMenuLanguages14 = {{
    {{"简体中文", "Chinese"}},
    {{"英语", "English"}},
    {{"德语", "German"}},
    {{"芬兰语", "Finnish"}},
    {{"意大利语", "Italian"}},
    {{"法语", "French"}},
    {{"匈牙利语", "Hungarian"}},
    {{"斯洛文尼亚语", "Slovenian"}},
    {{"捷克语", "Czech"}},
    {{"日语", "Japanese"}},
    {{"丹麦语", "Danish"}},
    {{"荷兰语", "Dutch"}},
    {{"俄语", "Russian"}},
    {{"波兰语", "Polish"}},
}};
const UiPairList<9> kPairMenuLanguages9 = {{
    {{"英语", "English"}},
    {{"简体中文", "Chinese"}},
    {{"法语", "French"}},
    {{"意大利语", "Italian"}},
    {{"德语", "German"}},
    {{"捷克语", "Czech"}},
    {{"匈牙利语", "Hungarian"}},
    {{"俄语", "Russian"}},
    {{"日语", "Japanese"}},
}};

const char* const kPlainDigitsLetters[36] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B",
    "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
    "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
};

// ---------------------------------------------------------------------------
// Wireless parameter page
const UiText kTxtWirelessParamSettings = {{"无线参数设置", "Wireless Parameter Settings"}};
const UiText kTxtSendModule = {{"发送的模块", "Send module"}};
const UiText kTxtGpsMailbox = {{"GPS坐标邮箱", "GPS coordinates mailbox"}};
const UiText kTxtCloudNumber = {{"相机云编号", "Camera cloud number"}};
const UiText kTxtSimPhoneNumber = {{"SIM卡电话号码", "SIM card phone number"}};
const UiText kTxtLoginPassword = {{"登录密码", "Login Password"}};
const UiText kTxtRegisteredMail = {{"注册的邮箱", "Registered mail"}};
const UiTextList<2> kListFtpDir = {{{"根目录", "指定目录"}, {"Root", "Specify"}}};
const UiText kTxtFtpUploadDir = {
    {"上传到的FTP目录(必须已存在)", "Upload to FTP directory (must exist)"}};
const UiText kTxtUserName = {{"用户名", "User Name"}};
const UiText kTxtFtpSettings = {{"FTP设置", "FTP Settings"}};
const UiText kTxtFactoryTest = {{"工厂测试", "FactoryTest"}};
const UiText kTxtNextPage = {{"下一页", "Next Page"}};
const UiText kTxtEmailAddress = {{"邮件地址", "Email Address"}};
const UiText kTxtServer = {{"服务器", "Server"}};
const UiText kTxtSenderSettings = {{"发件箱设置", "Sender Settings"}};
const UiText kTxtNetworkSettings = {{"网络设置", "Network Settings"}};
const UiText kTxtCloudParams = {{"相机云系统参数", "Camera Cloud System Parameters"}};
const UiText kTxtFtpParams = {{"FTP参数", "FTP Parameters"}};
const UiText kTxtNetworkMailParams = {{"网络设置, 邮件参数", "Network Settings, Mail Parameters"}};
const UiText kTxtSsid = {{"名称（SSID）", "Name(SSID)"}};
const UiText kTxtWifi = {{"WiFi", "WiFi"}};
const UiText kTxtPassword = {{"密码", "Password"}};
const UiText kTxtAccount = {{"帐号", "Account"}};
const UiText kTxtPort = {{"端口", "Port"}};
const UiText kTxtGateway = {{"网关", "Gateway"}};
const UiText kTxtUrl = {{"网址", "URL"}};
const UiText kTxtMmsParams = {{"彩信参数", "MMS Parameters"}};
const UiText kTxtOperator = {{"运营商", "Operator"}};
const UiText kTxtCountry = {{"国家", "Country"}};
const UiText kTxtOperatorSelection = {{"运营商选择", "Operator Selection"}};
const UiTextList<2> kListSelectOperatorNo = {{{"选择运营商参数", "无"},
                                              {"Select Operator", "No"}}};
const UiTextList<2> kListSelectOperatorManual = {{{"选择运营商参数", "手动输入"},
                                                  {"Select Operator", "Manual Input"}}};
const UiText kTxtOperatorParamOptions = {{"运营商参数设置", "Operator Parameter Options"}};
const UiTextList<5> kListSendBy = {{{"关闭", "彩信", "邮件", "FTP", "相机云系统"},
                                    {"Off", "MMS", "Email", "FTP", "Camera Cloud System"}}};
const UiText kTxtSendStatus = {{"发送状态", "Send Status"}};

const UiText kMsgEnterFactoryPort = {{"请输入工厂测试端口！", "Please enter factory test port!"}};
const UiText kMsgEnterFactoryUrl = {{"请输入工厂测试网址！", "Please enter factory test URL!"}};
const UiText kMsgEnterWifiPassword = {{"请输入WiFi密码。", "Please enter WiFi password."}};
const UiText kMsgEnterWifiSsid = {{"请输入WiFi名称（SSID）。", "Please enter WiFi name(SSID)."}};
const UiText kMsgEnterNetworkApn = {{"请输入网络设置APN。", "Please enter network APN."}};
const UiText kMsgEnterSenderPassword = {{"请输入发件箱密码。", "Please enter sender password."}};
const UiText kMsgSenderAddressError = {{"发件箱地址错误!", "Sender email address error!"}};
const UiText kMsgEnterSenderAddress = {
    {"请输入发件箱地址。", "Please enter sender email address."}};
const UiText kMsgEnterSenderPort = {{"请输入发件箱端口。", "Please enter sender port."}};
const UiText kMsgEnterSenderServer = {{"请输入发件箱服务器。", "Please enter sender server."}};

const UiText kTxtApnLabel = {{"APN", "APN"}};
const UiTextList<2> kListMmsType = {{{"APN", "CSD"}, {"APN", "CSD"}}};
const UiTextList<2> kListModule4G = {{{"WIFI", "4G"}, {"WIFI", "4G"}}};
const UiTextList<2> kListModule5G = {{{"WIFI", "5G"}, {"WIFI", "5G"}}};

// ---------------------------------------------------------------------------
// Send settings page
const UiText kTxtSendSettings = {{"发送设置", "Send Settings"}};
const UiText kTxtPreviousPage = {{"上一页", "Previous Page"}};
const UiTextList<2> kListNorthSouth = {{{"北", "南"}, {"N", "S"}}};
const UiText kTxtNoRemoteCommand22 = {{"不使用遥控命令 - 22", "Do not use remote command - 22"}};
const UiText kTxtReceives22Files = {
    {"^ 接收22命令请求的文件。", "^ Receives the file requested by the 22 command."}};
const UiText kTxtRemote60Photos = {
    {"^ 遥控，接收60命令拍的照片。", "^ Remote control, receiving 60 command photos."}};
const UiText kTxtRemoteReceiverEmail = {{"遥控接收邮箱", "Remote Receiver Email"}};
const UiText kTxtRemotePhoneNumber = {{"遥控手机号码", "Remote Phone Number"}};
const UiText kTxtRemoteInterval = {{"遥控间隔时间", "Remote Interval"}};
const UiText kTxtRemoteControl = {{"遥控", "Remote Control"}};
const UiTextList<26> kListRemoteInterval = {
    {{"关闭遥控", "10分钟", "01小时", "02小时", "03小时", "04小时", "05小时",
      "06小时",   "07小时", "08小时", "09小时", "10小时", "11小时", "12小时",
      "13小时",   "14小时", "15小时", "16小时", "17小时", "18小时", "19小时",
      "20小时",   "21小时", "22小时", "23小时", "24小时"},
     {"Remote Off", "10 Minutes", "01 Hours", "02 Hours", "03 Hours", "04 Hours",
      "05 Hours",   "06 Hours",   "07 Hours", "08 Hours", "09 Hours", "10 Hours",
      "11 Hours",   "12 Hours",   "13 Hours", "14 Hours", "15 Hours", "16 Hours",
      "17 Hours",   "18 Hours",   "19 Hours", "20 Hours", "21 Hours", "22 Hours",
      "23 Hours",   "24 Hours"}}};
const UiText kTxtDailySendTime = {{"集中发送时间", "Daily Send Time"}};
const UiTextList<24> kListDailySendHour = {
    {{"00点钟", "01点钟", "02点钟", "03点钟", "04点钟", "05点钟", "06点钟", "07点钟",
      "08点钟", "09点钟", "10点钟", "11点钟", "12点钟", "13点钟", "14点钟", "15点钟",
      "16点钟", "17点钟", "18点钟", "19点钟", "20点钟", "21点钟", "22点钟", "23点钟"},
     {"00 o'clock", "01 o'clock", "02 o'clock", "03 o'clock", "04 o'clock", "05 o'clock",
      "06 o'clock", "07 o'clock", "08 o'clock", "09 o'clock", "10 o'clock", "11 o'clock",
      "12 o'clock", "13 o'clock", "14 o'clock", "15 o'clock", "16 o'clock", "17 o'clock",
      "18 o'clock", "19 o'clock", "20 o'clock", "21 o'clock", "22 o'clock", "23 o'clock"}}};
const UiTextList<2> kListSendTiming = {{{"立即发送", "每天集中发送"},
                                        {"Send Immediately", "Daily Send"}}};
const UiText kTxtSendMode = {{"发送方式", "Send Mode"}};
const UiText kTxtSendModeDaily = {{"发送方式", "Send Mode"}};
const UiText kTxtPerDay = {{"/天", "/Day"}};
const UiText kTxtMaxSentNum = {{"最大发送数量", "Max Sent Num"}};
const UiTextList<2> kListImageSize = {{{"大图", "小图"}, {"Full Image", "Thumbnail"}}};
const UiText kTxtSendImageSize = {{"发送图片大小", "Send Image Size"}};
const UiText kTxtEmailAddress1 = {{"邮件地址1", "Email Address1"}};
const UiText kTxtEmailAddress2 = {{"邮件地址2", "Email Address2"}};
const UiText kTxtPhoneNumber1 = {{"手机号码1", "Phone Number 1"}};
const UiText kTxtPhoneNumber2 = {{"手机号码2", "Phone Number 2"}};
const UiText kTxtToDestination = {{"发往目的地", "To Destination"}};

const UiText kMsgGenFailNoEmail = {
    {"未生成配置文件！\r\n请输入至少一个邮箱地址。",
     "Generate failed!\r\nPlease enter at least one email address."}};
const UiText kMsgGenFailEmail1 = {
    {"未生成配置文件！\r\n邮箱地址1错误。", "Generate failed!\r\nEmail address 1 error."}};
const UiText kMsgGenFailEmail2 = {
    {"未生成配置文件！\r\n邮箱地址2错误。", "Generate failed!\r\nEmail address 2 error."}};
const UiText kMsgGenFailNoPhoneOrEmail = {
    {"未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。",
     "Generate failed!\r\nPlease enter at least one phone number or email address."}};
const UiText kMsgGenFailRemotePhone = {
    {"未生成配置文件！\r\n请输入正确的遥控手机号码。",
     "Generate failed!\r\nPlease enter the correct remote phone number."}};
const UiText kMsgGenFailRemoteEmail = {
    {"未生成配置文件！\r\n请输入正确的遥控接收邮箱。",
     "Generate failed!\r\nPlease enter the correct remote control receiving email."}};
const UiText kMsgGenFailMmsUrl = {
    {"未生成配置文件！\r\n请输入彩信网址。", "Generate failed!\r\nPlease enter MMS URL."}};
const UiText kMsgGenFailMmsApn = {
    {"未生成配置文件！\r\n请输入彩信APN。", "Generate failed!\r\nPlease enter MMS APN."}};
const UiText kMsgGenFailMmsGateway = {
    {"未生成配置文件！\r\n请输入彩信网关。", "Generate failed!\r\nPlease enter MMS Gateway."}};
const UiText kMsgGenFailNetworkApn = {
    {"未生成配置文件！\r\n请输入网络APN。", "Generate failed!\r\nPlease enter network APN."}};
const UiText kMsgGenFailSimPhone = {
    {"未生成配置文件！\r\n请输入SIM卡电话号码。",
     "Generate failed!\r\nPlease enter SIM card phone number."}};
const UiText kMsgGenFailRegisteredMail = {
    {"未生成配置文件！\r\n请输入注册的邮箱。",
     "Generate failed!\r\nPlease enter registered mail."}};
const UiText kMsgGenFailFtpPassword = {
    {"未生成配置文件！\r\n请输入FTP密码。", "Generate failed!\r\nPlease enter FTP password."}};
// The English text breaks its line with a carriage return alone.
const UiText kMsgGenFailFtpAccount = {
    {"未生成配置文件！\r\nFTP帐号错误!", "Generate failed!\rFTP account error!"}};
const UiText kMsgGenFailFtpPort = {
    {"未生成配置文件！\r\n请输入FTP端口。", "Generate failed!\r\nPlease enter FTP port."}};
const UiText kMsgGenFailFtpServer = {
    {"未生成配置文件！\r\n请输入FTP服务器。", "Generate failed!\r\nPlease enter FTP server."}};
const UiText kMsgGenFailOutboxPassword = {
    {"未生成配置文件！\r\n请输入发件箱密码。",
     "Generate failed!\r\nPlease enter outbox password."}};
const UiText kMsgGenFailOutboxAddress = {
    {"未生成配置文件！\r\n发件箱地址错误!", "Generate failed!\r\nOutbox address error!"}};
const UiText kMsgGenFailOutboxPort = {
    {"未生成配置文件！\r\n请输入发件箱端口。", "Generate failed!\r\nPlease enter outbox port."}};
const UiText kMsgGenFailOutboxServer = {
    {"未生成配置文件！\r\n请输入发件箱服务器。",
     "Generate failed!\r\nPlease enter outbox server."}};

// ---------------------------------------------------------------------------
// GPS coordinates mailbox window
const UiText kTxtOk = {{"确认", "OK"}};
const UiText kTxtInboxAddress = {{"收件箱地址", "Inbox address"}};
const UiText kTxtInbox = {{"收件箱", "Inbox"}};
const UiText kMsgInboxAddressError = {{"GPS坐标收件箱地址错误!", "Inbox address error!"}};
const UiText kMsgEnterInboxAddress = {{"请输入收件箱地址。", "Please enter inbox address."}};
