// SPDX-License-Identifier: MIT
#include "support/gamefixture.h"
#include "frontends/qt/fonts.h"
#include "services/data/cp932.h"
#include <QCoreApplication>
#include <QFile>

GameFixture::GameFixture(const QString& bank) {
    static const bool fonts = (frontend::registerFontSubstitutes(), true);
    (void)fonts;
    if (!bank.isNull()) writeText(QStringLiteral("romaji.txt"), bank);
    program = std::make_unique<Program>(
        Services{random, sound, messageBox, {dir.path().toStdString()}, &settings}, errors, display);
}

GameFixture::~GameFixture() {
    program.reset();
    flushDeletes();
}

QString GameFixture::defaultBank() {
    return QStringLiteral(
        "inu,いぬ\r\nneko,ねこ\r\nro^maji,ローマじ\r\nsakana,さかな\r\ngakko^,がっこう\r\n");
}

void GameFixture::writeText(const QString& name, const QString& text) {
    writeBytes(name, QByteArray::fromStdString(encodeCp932(text.toStdString())));
}

void GameFixture::writeBytes(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void GameFixture::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
