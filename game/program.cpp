// SPDX-License-Identifier: MIT
#include "game/program.h"
#include <cstdlib>
#include <initializer_list>

namespace {
// Where the choice of spelling is remembered.
const std::string spellingKey = "romaji/spelling";
// Where the choices of the 見え方 menu are remembered: on or off; anything else was never chosen.
const std::string clearColoursKey = "look/clearColours";
const std::string lessMotionKey = "look/lessMotion";
// The player the record is kept for, by number.
const std::string playerKey = "record/player";

std::optional<bool> remembered(const toolkit::Settings* settings, const std::string& key) {
    const std::string value = settings ? settings->value(key) : std::string();
    if (value == "on") return true;
    if (value == "off") return false;
    return std::nullopt;
}

// Remembers a choice the player has just changed.
void remember(std::optional<bool>& chosen, bool wanted, bool now, toolkit::Settings* settings,
              const std::string& key) {
    if (wanted == now) return;
    chosen = wanted;
    if (settings) settings->setValue(key, wanted ? "on" : "off");
}
} // namespace

Program::Program(Services services, toolkit::ErrorReporter& errors, toolkit::Display& display)
    : services_(std::move(services)), record_(services_.recordStore), guard_(errors), display_(display),
      mainScreen_(std::make_unique<MainScreen>(*this)), chartWindow_(std::make_unique<ChartWindow>(*this)),
      practiceScreen_(std::make_unique<PracticeScreen>(*this)),
      openingScreen_(std::make_unique<OpeningScreen>(*this)),
      recordWindow_(std::make_unique<RecordWindow>(*this)) {
    if (services_.settings) player_ = std::atoi(services_.settings->value(playerKey).c_str());
    if (services_.settings) spelling_ = romaji::spellingNamed(services_.settings->value(spellingKey));
    clearColoursChosen_ = remembered(services_.settings, clearColoursKey);
    lessMotionChosen_ = remembered(services_.settings, lessMotionKey);
    display_.setLook(look());
}

Program::~Program() {
    // Windows go before the screens that own their handlers.
    onLastScreenClosed = nullptr;
    closeScreens(nullptr);
}

void Program::closeScreens(const toolkit::Screen* spared) {
    for (toolkit::Screen* screen :
         std::initializer_list<toolkit::Screen*>{recordWindow_.get(), chartWindow_.get(), mainScreen_.get(),
                                                 practiceScreen_.get(), openingScreen_.get()})
        if (screen != spared) screen->close();
}

void Program::start() {
    // The game plays while the store reads; what is recorded meanwhile is kept.
    record_.load([this](const record::Loaded& loaded) { guard_.run([&] { recordLoaded(loaded); }); });
    guard_.run([this] { mainScreen_->load(); });
}

void Program::recordLoaded(const record::Loaded& loaded) {
    bool known = false;
    for (const record::Player& p : record_.players())
        known = known || p.id == player_;
    if (!known) player_ = record_.players().empty() ? record::firstPlayer : record_.players().front().id;
    mainScreen_->showPlayer();
    if (!loaded.setAsideAs.empty())
        services_.messageBox.show("きろくが よめなかったので、「" + loaded.setAsideAs +
                                      "」として とっておきました。\nあたらしい きろくで つづけます。",
                                  "きろく", toolkit::MessageIcon::none, [] {});
    // No storage on this device (or none allowed): the game plays on, and the child is told once that
    // what is played today will not be there next time.
    if (loaded.notKept)
        services_.messageBox.show("この きかいには きろくを のこせません。\nきょうの きろくは、つぎに "
                                  "はじめたときには のこっていません。",
                                  "きろく", toolkit::MessageIcon::none, [] {});
}

void Program::choosePlayer(record::PlayerId id) {
    player_ = id;
    if (services_.settings) services_.settings->setValue(playerKey, std::to_string(id));
    mainScreen_->showPlayer();
    recordWindow_->recordChanged();
}

record::Time Program::now() const {
    return static_cast<record::Time>(services_.random.now() / 1000000000u);
}

void Program::chooseSpelling(romaji::Spelling spelling) {
    spelling_ = spelling;
    if (services_.settings) services_.settings->setValue(spellingKey, romaji::nameOf(spelling));
    chartWindow_->spellingChosen();
}

toolkit::Look Program::look() const {
    return {clearColoursChosen_.value_or(systemLook_.clearColours),
            lessMotionChosen_.value_or(systemLook_.lessMotion)};
}

void Program::chooseLook(const toolkit::Look& wanted) {
    const toolkit::Look now = look();
    remember(clearColoursChosen_, wanted.clearColours, now.clearColours, services_.settings, clearColoursKey);
    remember(lessMotionChosen_, wanted.lessMotion, now.lessMotion, services_.settings, lessMotionKey);
    display_.setLook(look());
}

void Program::followSystemLook(const toolkit::Look& asked) {
    systemLook_ = asked;
    display_.setLook(look());
    mainScreen_->showLookChoice();
}

void Program::screenUnloaded() {
    if (--loaded_ == 0 && onLastScreenClosed) onLastScreenClosed();
}
