// SPDX-License-Identifier: MIT
// The きろく and プレイヤー menus: the record's window, にがてを れんしゅう, and who plays.
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

namespace {
// Where the にがてを れんしゅう choice is remembered: on or off.
const std::string reviewKey = "record/review";

// A name as the player typed it, its blanks at either end left out, and not too long for the caption.
std::string tidyName(const std::string& typed) {
    const std::size_t from = typed.find_first_not_of(" \t\r\n");
    if (from == std::string::npos) return {};
    const std::size_t to = typed.find_last_not_of(" \t\r\n");
    std::string name = typed.substr(from, to - from + 1);
    for (char& ch : name)
        if (ch == '\t' || ch == '\n' || ch == '\r') ch = ' ';
    return name;
}
} // namespace

void MainScreen::onRecordMenu() {
    navigator_.showRecord();
}

void MainScreen::onReviewMenu() {
    s.reviewDeal = !s.reviewDeal;
    if (toolkit::Settings* settings = navigator_.services().settings)
        settings->setValue(reviewKey, s.reviewDeal ? "on" : "off");
    c.reviewItem->setChecked(s.reviewDeal);
}

bool MainScreen::reviewRemembered() const {
    const toolkit::Settings* settings = navigator_.services().settings;
    return settings && settings->value(reviewKey) == "on";
}

void MainScreen::showPlayer() {
    if (!isLoaded()) return;
    const std::vector<record::Player> players = navigator_.record().players();
    window()->setCaption(std::string(mainCaption) + "　" + navigator_.record().nameOf(navigator_.player()));
    for (std::size_t i = 0; i < maxPlayers; ++i) {
        const bool listed = i < players.size();
        c.playerItems[i]->setVisible(listed);
        c.playerItems[i]->setText(listed ? players[i].name : std::string());
        c.playerItems[i]->setChecked(listed && players[i].id == navigator_.player());
    }
    c.addPlayerItem->setEnabled(players.size() < maxPlayers);
    c.removePlayerItem->setEnabled(players.size() > 1);
}

void MainScreen::onPlayerMenu(std::size_t index) {
    const std::vector<record::Player> players = navigator_.record().players();
    if (index < players.size()) navigator_.choosePlayer(players[index].id);
}

void MainScreen::onAddPlayerMenu() {
    navigator_.services().messageBox.askText(
        "あたらしい プレイヤーの なまえ", "プレイヤーを ふやす", "",
        [this](std::optional<std::string> typed) {
            const std::string name = tidyName(typed.value_or(""));
            if (name.empty() || navigator_.record().players().size() >= maxPlayers) return;
            guard().run([&] { navigator_.choosePlayer(navigator_.record().addPlayer(name)); });
        });
}

void MainScreen::onRenamePlayerMenu() {
    const record::PlayerId id = navigator_.player();
    navigator_.services().messageBox.askText("あたらしい なまえ", "なまえを かえる",
                                             navigator_.record().nameOf(id),
                                             [this, id](std::optional<std::string> typed) {
                                                 const std::string name = tidyName(typed.value_or(""));
                                                 if (name.empty()) return;
                                                 guard().run([&] {
                                                     navigator_.record().renamePlayer(id, name);
                                                     navigator_.choosePlayer(id);
                                                 });
                                             });
}

// Removing a player forgets everything recorded for them: asked first; the first player left plays on.
void MainScreen::onRemovePlayerMenu() {
    const record::PlayerId id = navigator_.player();
    if (navigator_.record().players().size() <= 1) return;
    navigator_.services().messageBox.ask(
        navigator_.record().nameOf(id) + "を けしますか？\nきろくも ぜんぶ きえます。", "プレイヤーを けす",
        [this, id](bool yes) {
            if (!yes) return;
            guard().run([&] {
                navigator_.record().removePlayer(id);
                navigator_.choosePlayer(navigator_.record().players().front().id);
            });
        });
}
