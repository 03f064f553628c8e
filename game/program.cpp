// SPDX-License-Identifier: MIT
#include "game/program.h"

Program::Program(Services services, toolkit::ErrorReporter& errors, toolkit::Display& display)
    : services_(std::move(services)), guard_(errors), display_(display), mainScreen_(std::make_unique<MainScreen>(*this)),
      chartWindow_(std::make_unique<ChartWindow>(*this)),
      practiceScreen_(std::make_unique<PracticeScreen>(*this)),
      openingScreen_(std::make_unique<OpeningScreen>(*this)) {}

Program::~Program() {
    // Windows go before the screens that own their handlers.
    onLastScreenClosed = nullptr;
    openingScreen_->close();
    practiceScreen_->close();
    chartWindow_->close();
    mainScreen_->close();
}

void Program::start() {
    guard_.run([this] { mainScreen_->load(); });
}

void Program::screenUnloaded() {
    if (--loaded_ == 0 && onLastScreenClosed) onLastScreenClosed();
}
