// SPDX-License-Identifier: MIT
#include "qt/qtgame.h"
#include "frontends/qt/fonts.h"
#include <QCoreApplication>

namespace {

std::unique_ptr<toolkit::Display> desktop() {
    static const bool fonts = (frontend::registerFontSubstitutes(), true);
    (void)fonts;
    return std::make_unique<frontend::QtDisplay>();
}

} // namespace

QtGameFixture::QtGameFixture(const std::optional<std::string>& bank) : GameFixture(bank, desktop()) {}

QtGameFixture::~QtGameFixture() {
    program.reset();
    flushDeletes();
}

void QtGameFixture::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
