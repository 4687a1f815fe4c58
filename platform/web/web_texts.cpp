#include "platform/web/web_texts.h"

namespace platform::web {

const UiText kTxtStartPromptFolder = {
    {"请选择相机的存储卡（或之后复制到存储卡上的文件夹）。窗口会读取其中的 menu.dat 和 CFG.BIN，"
     "从相机当前的设置开始。",
     "Choose the camera's memory card (or a folder you will copy to the card). The windows read "
     "its menu.dat and CFG.BIN and start from the camera's current settings."}};
const UiText kTxtStartOpenFolder = {{"打开存储卡文件夹…", "Open the card's folder..."}};
const UiText kTxtStartPromptFiles = {
    {"请从相机的存储卡中选择 menu.dat 和 CFG.BIN。窗口会从相机当前的设置开始。",
     "Choose menu.dat and CFG.BIN on the camera's memory card. The windows start from the "
     "camera's current settings."}};
const UiText kTxtStartOpenFiles = {{"打开存储卡中的文件…", "Open the card's files..."}};
const UiText kTxtStartWithout = {{"不打开存储卡，直接开始", "Start without a card"}};
const UiText kTxtNoteFolder = {
    {"此浏览器把 menu.dat 和 CFG.BIN 直接写入所选的文件夹（“浏览”），并读回检查。",
     "This browser writes menu.dat and CFG.BIN straight into the folder you choose (Browse) and "
     "reads them back."}};
const UiText kTxtNoteDownload = {
    {"此浏览器不能写入文件夹：“浏览”读取存储卡中的文件，“生成配置”和“出厂设置”把新文件作为下载提供，"
     "请把它复制到存储卡的根目录。",
     "This browser cannot write into a folder: Browse reads the card's files, and Generate and "
     "Default offer the new file as a download. Copy it to the root of the card."}};
const UiText kTxtEnded = {{"设置程序已关闭。", "trailset has ended."}};
const UiText kTxtStartAgain = {{"重新开始", "Start again"}};

}  // namespace platform::web
