#include "screens/main/form1.h"
#include "screens/peers.h"

void Form1::hyou_Click() {
    chartToggle = static_cast<std::int16_t>(-chartToggle);
    if (chartToggle < 0) {
        peers_.form2().show();
        c.hyou->setText(QStringLiteral("表を消す"));
    }
    if (chartToggle > 0) {
        peers_.form2().hide();
        c.hyou->setText(QStringLiteral("ローマ字表"));
    }
    // Clicks and keys go on in the game window although the chart has just come up.
    focus();
}

void Form1::moren_Click() {
    peers_.rensyu().show();
}

void Form1::owaru_Click() {
    peers_.form2().close();
    close();
    peers_.rensyu().close();
    // An opening still playing would bring a fresh game back when it ends: quitting ends it too.
    peers_.cright().close();
}

void Form1::saku_Click() {
    creditToggle = static_cast<std::int16_t>(-creditToggle);
    if (creditToggle < 0) c.Label6->show();
    if (creditToggle > 0) c.Label6->hide();
}

void Form1::sakusya_Click() {
    peers_.cright().show();
}

void Form1::setChartMenuCaption(const QString& caption) {
    load();
    c.hyou->setText(caption);
}
