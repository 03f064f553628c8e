// SPDX-License-Identifier: MIT
#include "game/program.h"
#include <initializer_list>

namespace {
// Where the choice of spelling is remembered.
const std::string spellingKey = "romaji/spelling";
} // namespace

Program::Program(Services services, toolkit::ErrorReporter& errors, toolkit::Display& display)
    : services_(std::move(services)), guard_(errors), display_(display),
      mainScreen_(std::make_unique<MainScreen>(*this)), chartWindow_(std::make_unique<ChartWindow>(*this)),
      practiceScreen_(std::make_unique<PracticeScreen>(*this)),
      openingScreen_(std::make_unique<OpeningScreen>(*this)) {
    if (services_.settings) spelling_ = romaji::spellingNamed(services_.settings->value(spellingKey));
}

Program::~Program() {
    // Windows go before the screens that own their handlers.
    onLastScreenClosed = nullptr;
    closeScreens(nullptr);
}

void Program::closeScreens(const toolkit::Screen* spared) {
    for (toolkit::Screen* screen : std::initializer_list<toolkit::Screen*>{
             chartWindow_.get(), mainScreen_.get(), practiceScreen_.get(), openingScreen_.get()})
        if (screen != spared) screen->close();
}

void Program::start() {
    guard_.run([this] { mainScreen_->load(); });
}

void Program::chooseSpelling(romaji::Spelling spelling) {
    spelling_ = spelling;
    if (services_.settings) services_.settings->setValue(spellingKey, romaji::nameOf(spelling));
    chartWindow_->spellingChosen();
}

void Program::screenUnloaded() {
    if (--loaded_ == 0 && onLastScreenClosed) onLastScreenClosed();
}
