// SPDX-License-Identifier: MIT
// Crisp at scale 2: on a screen scaled by two the screens load every picture and cursor made at twice its
// size, the window icon comes from its large variant, and picture boxes still take the defined size of
// their pictures, so the layout does not move. Runs with QT_SCALE_FACTOR=2 on the offscreen platform.
#include "frontends/qt/icon.h"
#include "frontends/qt/pictures.h"
#include "qt/qtgame.h"
#include "qt/views.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include <QApplication>
#include <QIcon>
#include <QtTest>

using toolkit::PictureBox;

namespace {
// The picture a box shows, as its widget draws it.
const QPixmap& shown(const PictureBox* box) {
    return widget<frontend::PictureWidget>(box)->pixmap();
}

// The picture's pixels, whatever its device pixel ratio, as plain RGB.
QImage pixels(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}
QImage pixels(const QString& resource) {
    return QImage(resource).convertToFormat(QImage::Format_RGB32);
}
} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void picturesComeAtTwiceTheirSize_data();
    void picturesComeAtTwiceTheirSize();
    void creaturesKeepTheirBoxesAndSlots();
    void cursorsAndIcon();
    void loadPictureWithoutALargeVariant();

private:
    QtGameFixture game;
    const MainScreenControls& c() { return game.program->mainScreen().controls(); }
};

void HiDpiTest::initTestCase() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    game.start();
}

void HiDpiTest::picturesComeAtTwiceTheirSize_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("defined");
    QTest::newRow("rat") << ":/creatures/creature00.gif" << QSize(24, 25);
    QTest::newRow("sheep") << ":/creatures/creature07.gif" << QSize(36, 24);
    QTest::newRow("stamp") << ":/main/stamp.gif" << QSize(43, 44);
    QTest::newRow("stop sign") << ":/main/stop.gif" << QSize(32, 29);
    QTest::newRow("eaten mark") << ":/main/eaten.gif" << QSize(28, 28);
    QTest::newRow("ball") << ":/opening/ball04.gif" << QSize(64, 63);
    QTest::newRow("globe") << ":/opening/globe.gif" << QSize(64, 64);
    QTest::newRow("opening background") << ":/opening/background.gif" << QSize(425, 225);
}

void HiDpiTest::picturesComeAtTwiceTheirSize() {
    QFETCH(QString, resource);
    QFETCH(QSize, defined);
    const QPixmap picture = frontend::loadPicture(resource);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), defined * 2);
    QCOMPARE(picture.deviceIndependentSize().toSize(), defined);
    // Drawn afresh at the larger size, not the defined picture enlarged.
    QString large = resource;
    large.insert(large.lastIndexOf('.'), QStringLiteral("@2x"));
    QCOMPARE(pixels(picture), pixels(large));
}

void HiDpiTest::creaturesKeepTheirBoxesAndSlots() {
    const QSize sizes[12] = {{24, 25}, {26, 26}, {28, 23}, {24, 31}, {25, 32}, {35, 25},
                             {20, 30}, {36, 24}, {32, 24}, {32, 29}, {26, 26}, {29, 24}};
    for (std::int16_t k = 0; k < 12; ++k) {
        PictureBox* creature = c().creatures(k);
        QCOMPARE(shown(creature).devicePixelRatio(), 2.0);
        QCOMPARE(widget(creature)->size(),
                 sizes[k]); // auto-sized to the defined size, not the large picture's
    }
    QCOMPARE(shown(c().praiseStamp).devicePixelRatio(), 2.0);
    QCOMPARE(widget(c().praiseStamp)->size(), QSize(49, 47)); // its own box, 735 x 700 twips
    // A caught creature's picture moves into its slot and comes back the same.
    PictureBox* slot = c().parkingSlots(7);
    slot->setPicture(c().creatures(7)->picture());
    QCOMPARE(widget(slot)->size(), QSize(33, 33));
    c().creatures(7)->setPicture(slot->picture());
    QCOMPARE(widget(c().creatures(7))->size(), QSize(36, 24));
    // The opening's balls and background.
    game.program->openingScreen().show();
    const auto& o = game.program->openingScreen().controls();
    QCOMPARE(shown(o.background).devicePixelRatio(), 2.0);
    QCOMPARE(shown(o.balls(11)).deviceIndependentSize().toSize(), QSize(64, 64));
    QVERIFY(game.errors.details.empty());
}

void HiDpiTest::cursorsAndIcon() {
    const QCursor tile = widget(c().tiles(0))->cursor();
    QCOMPARE(tile.pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(tile.pixmap().size(), QSize(64, 64));
    QCOMPARE(tile.hotSpot(), QPoint(2, 2));
    const QCursor creature = widget(c().creatures(0))->cursor();
    QCOMPARE(creature.pixmap().size(), QSize(56, 56));
    // The icon takes its large variant for the window's 30-pixel icon.
    const QPixmap icon = frontend::programIcon().pixmap(QSize(30, 30));
    QCOMPARE(icon.devicePixelRatio(), 2.0);
    QCOMPARE(pixels(icon), pixels(QStringLiteral(":/icon/pokuraku@2x.png")));
}

void HiDpiTest::loadPictureWithoutALargeVariant() {
    // The desktop icons have no @2x variant: they load as they are.
    const QPixmap picture = frontend::loadPicture(QStringLiteral(":/icon/pokuraku.png"));
    QCOMPARE(picture.size(), QSize(60, 60)); // here the icon has one
    const QString none = QStringLiteral(POKURAKU_SOURCE_DIR "/assets/icon/hicolor/32x32/pokuraku.png");
    const QPixmap plain = frontend::loadPicture(none);
    QCOMPARE(plain.devicePixelRatio(), 1.0);
    QCOMPARE(plain.size(), QSize(32, 32));
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
