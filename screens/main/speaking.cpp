// SPDX-License-Identifier: MIT
// The word in play, spoken by the device's Japanese voice where it has one: 🔊 at the end of the word band
// says it again, and 読み上げ in the 見え方 menu says each new word as it comes up.
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/navigator.h"
#include "toolkit/builder.h"

namespace {
// Where the 読み上げ choice is remembered: on or off.
const std::string readAloudKey = "speech/readAloud";
} // namespace

void buildSpeaking(toolkit::Window& window, MainScreenControls& c, MainScreen& screen,
                   toolkit::Guard& guard) {
    c.speakButton =
        makeButton(window, nullptr,
                   {{5700, 600, 420, 495}, "🔊", mainscreen::lightGreen, {"ＭＳ Ｐゴシック", 14.25}, false});
    c.speakButton->setAccessibleName("ことばを きく");
    c.speakButton->setCursor(toolkit::arrowCursor);
    c.readAloudItem = c.lookMenu->add("読み上げ");
    c.readAloudItem->setVisible(false);
    MainScreen* s = &screen;
    define(guard,
           {{c.speakButton, "speakButton", c.speakButton->clicked, [s] { s->onSpeakClicked(); }},
            {c.readAloudItem, "readAloudItem", c.readAloudItem->triggered, [s] { s->onReadAloudMenu(); }}});
}

void MainScreen::onSpeakClicked() {
    toolkit::Speech* speech = navigator_.services().speech;
    if (speech && speech->available() && !s.questionWord.empty()) speech->speak(s.questionWord);
    focus();
}

void MainScreen::onReadAloudMenu() {
    readAloud_ = !readAloud_;
    if (toolkit::Settings* settings = navigator_.services().settings)
        settings->setValue(readAloudKey, readAloud_ ? "on" : "off");
    c.readAloudItem->setChecked(readAloud_);
    if (readAloud_) onSpeakClicked();
}

void MainScreen::showSpeaking() {
    if (!isLoaded()) return;
    const toolkit::Speech* speech = navigator_.services().speech;
    const bool voice = speech && speech->available();
    c.speakButton->setVisible(voice);
    c.readAloudItem->setVisible(voice);
    c.readAloudItem->setChecked(readAloud_);
}

void MainScreen::speakNewWord() {
    if (readAloud_) onSpeakClicked();
}

bool MainScreen::readAloudRemembered() const {
    const toolkit::Settings* settings = navigator_.services().settings;
    return settings && settings->value(readAloudKey) == "on";
}
