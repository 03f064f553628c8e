// SPDX-License-Identifier: MIT
#include "screens/record/record_window.h"
#include "screens/navigator.h"
#include "services/record/csv.h"

RecordWindow::RecordWindow(Navigator& navigator) : Screen(navigator), navigator_(navigator) {}

void RecordWindow::recordChanged() {
    summary_ = record::summarise(navigator_.record().entries(), navigator_.player());
    if (!c.board) return;
    c.board->setAccessibleName(spokenSummary());
    c.board->update();
}

std::string RecordWindow::spokenSummary() const {
    std::string text = navigator_.record().nameOf(navigator_.player()) + "の きろく。ことば " +
                       std::to_string(summary_.words) + "、ゲーム " + std::to_string(summary_.gameCount) +
                       "かい、" + std::to_string(summary_.minutes) + "ふん、いちばん いい とくてん " +
                       std::to_string(summary_.bestScore) + "。";
    if (!summary_.mostMissed.empty()) {
        text += "よく まちがえた ことば：";
        for (const record::MissedWord& w : summary_.mostMissed)
            text += w.word + "、";
    }
    return text;
}

void RecordWindow::onExportMenu() {
    const Services& services = navigator_.services();
    toolkit::MessageBox& box = services.messageBox;
    if (!services.fileExport) {
        box.show("この きかいでは きろくを かきだせません。", "きろく", toolkit::MessageIcon::stop, [] {});
        return;
    }
    services.fileExport->offer("pokuraku-kiroku.csv", record::toCsv(navigator_.record()),
                               [&box](bool written, const std::string& failure) {
                                   if (written || failure.empty()) return;
                                   box.show("きろくを かきだせませんでした。\n" + failure, "きろく",
                                            toolkit::MessageIcon::stop, [] {});
                               });
}

void RecordWindow::onClearMenu() {
    const std::string name = navigator_.record().nameOf(navigator_.player());
    navigator_.services().messageBox.ask(name + "の きろくを ぜんぶ けしますか？\nもとに もどせません。",
                                         "きろくを消す", [this](bool yes) {
                                             if (!yes) return;
                                             navigator_.record().clearPlayer(navigator_.player());
                                             recordChanged();
                                         });
}
