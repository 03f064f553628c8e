// SPDX-License-Identifier: MIT
#include "frontends/qt/wordlinkdialog.h"
#include "services/wordlink/word_link.h"
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace frontend {

namespace {

const std::string siteKey = "wordLink/site";

constexpr int quiet = 4; // modules of white round the code, which a camera needs to find it

// The code as large as half the screen's height allows (for a classroom's screen), in whole pixels a module.
QPixmap codePicture(const wordlink::QrModules& qr, const QScreen* screen) {
    const int side = qr.size + 2 * quiet;
    const int height = screen ? screen->availableGeometry().height() : 768;
    const int pixelsAModule = std::max(3, height / 2 / side);
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int r = 0; r < qr.size; ++r)
        for (int c = 0; c < qr.size; ++c)
            if (qr.dark[static_cast<std::size_t>(r * qr.size + c)])
                image.setPixel(c + quiet, r + quiet, qRgb(0, 0, 0));
    return QPixmap::fromImage(image.scaled(side * pixelsAModule, side * pixelsAModule));
}

} // namespace

WordLinkDialog::WordLinkDialog(ListToHand list, toolkit::Settings* remember, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), remember_(remember), site_(new QLineEdit(this)),
      link_(new QLineEdit(this)), code_(new QLabel(this)), why_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("リンクとQRコード"));
    auto* about =
        new QLabel(QStringLiteral("「%1」 %2語").arg(QString::fromStdString(list_.name)).arg(list_.words));
    QFont large = about->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    about->setFont(large);
    site_->setPlaceholderText(QStringLiteral("https://…（ゲームのサイトのアドレス）"));
    site_->setText(QString::fromStdString(remember_ ? remember_->value(siteKey) : std::string()));
    link_->setReadOnly(true);
    why_->setWordWrap(true);
    auto* copy = new QPushButton(QStringLiteral("リンクをコピー"), this);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(link_->text()); });
    connect(site_, &QLineEdit::editingFinished, this, [this] { makeLink(); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("サイトのアドレス"), site_);
    form->addRow(QStringLiteral("リンク"), link_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    buttons->addButton(new QPushButton(QStringLiteral("閉じる"), this), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* note = new QLabel(
        QStringLiteral("リンクには ことばだけが入っています。「#」から後ろは サーバーに送られません。"));
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(about), static_cast<QWidget*>(code_), static_cast<QWidget*>(why_)})
        layout->addWidget(w, 0, Qt::AlignHCenter);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    makeLink();
}

QString WordLinkDialog::link() const {
    return link_->text();
}

// The link for the site address as it stands, remembered for the next time; its QR code, or why none.
void WordLinkDialog::makeLink() {
    const std::string site = wordlink::siteAddress(site_->text().trimmed().toStdString());
    code_->clear();
    code_->setVisible(false);
    link_->clear();
    if (site.empty()) {
        why_->setText(QStringLiteral(
            "ゲームを公開しているサイトのアドレス（https://… または http://…）を入れてください。"));
        return;
    }
    if (remember_) remember_->setValue(siteKey, site);
    const std::string text = wordlink::wordLink(site, list_.bytes);
    link_->setText(QString::fromStdString(text));
    link_->setCursorPosition(0);
    const std::optional<wordlink::QrModules> qr = wordlink::qrModules(text);
    if (!qr) {
        why_->setText(
            QStringLiteral(
                "ことばが多くて リンクが長いので（%1 文字）、QRコードにすると目が細かくなり、"
                "教室のうしろからは カメラで読めません。リンクを クラスのページなどで くばってください。")
                .arg(text.size()));
        return;
    }
    why_->clear();
    code_->setPixmap(codePicture(*qr, screen()));
    code_->setVisible(true);
}

} // namespace frontend
