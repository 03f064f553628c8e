#include "screens/main/main_screen.h"
#include "screens/peers.h"

void MainScreen::onChartMenu() {
    chartToggle = static_cast<std::int16_t>(-chartToggle);
    if (chartToggle < 0) {
        peers_.chartWindow().show();
        c.chartMenuItem->setText(QStringLiteral("表を消す"));
    }
    if (chartToggle > 0) {
        peers_.chartWindow().hide();
        c.chartMenuItem->setText(QStringLiteral("ローマ字表"));
    }
    // Clicks and keys go on in the game window although the chart has just come up.
    focus();
}

void MainScreen::onPracticeMenu() {
    peers_.practiceScreen().show();
}

void MainScreen::onQuitMenu() {
    peers_.chartWindow().close();
    close();
    peers_.practiceScreen().close();
    // An opening still playing would bring a fresh game back when it ends: quitting ends it too.
    peers_.openingScreen().close();
}

void MainScreen::onMakerMenuOpened() {
    creditToggle = static_cast<std::int16_t>(-creditToggle);
    if (creditToggle < 0) c.creditLabel->show();
    if (creditToggle > 0) c.creditLabel->hide();
}

void MainScreen::onOpeningMenu() {
    peers_.openingScreen().show();
}

void MainScreen::setChartMenuCaption(const QString& caption) {
    load();
    c.chartMenuItem->setText(caption);
}
