// SPDX-License-Identifier: MIT
#include "screens/datafile_message.h"

namespace {

std::string playerTextFor(const DataFileError& error) {
    const std::string& file = error.file();
    if (error.isMissing()) {
        std::string text = "データファイル「" + file + "」が見つかりません。\nさがしたフォルダ：";
        for (const std::string& folder : error.searchedFolders())
            text += "\n　" + folder;
        return text;
    }
    std::string text = error.line() <= 0 ? "データファイル「" + file + "」を読めませんでした。"
                                         : "データファイル「" + file + "」の " +
                                               std::to_string(error.line()) + " 行目にまちがいがあります。";
    if (!error.japaneseReason().empty()) text += "\n" + error.japaneseReason();
    if (!error.path().empty()) text += "\nファイル：" + error.path();
    return text;
}

} // namespace

toolkit::RuntimeError dataFileMessage(const DataFileError& error) {
    return toolkit::RuntimeError(playerTextFor(error), error.what());
}
