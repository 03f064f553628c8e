// SPDX-License-Identifier: MIT
#include "toolkit/guard.h"
#include "toolkit/runtimeerror.h"
#include "toolkit/timer.h"
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace toolkit {

void QtErrorReporter::fatal(const QString& playerText, const QString& detail) {
    std::fprintf(stderr, "pokuraku: %s\n", qPrintable(detail));
    // Nothing of the game may go on behind the error box: no animation, no chase, no window coming up.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (Timer* timer : window->findChildren<Timer*>())
            timer->setEnabled(false);
        window->hide();
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ポクラク"),
                    playerText + QStringLiteral("\n\nポクラクを終わります。"), QMessageBox::Ok);
    box.setInformativeText(detail);
    box.exec();
    std::fflush(nullptr);
    std::_Exit(1);
}

void Guard::report(std::exception_ptr error) noexcept {
    const QString oops = QStringLiteral("プログラムの中でまちがいがおきました。");
    reporting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{reporting_};
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError& e) {
        reporter_.fatal(QString::fromStdString(e.playerText()), QString::fromStdString(e.detail()));
    } catch (const std::bad_alloc&) {
        reporter_.fatal(QStringLiteral("メモリが足りなくなりました。"), QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        reporter_.fatal(oops, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reporter_.fatal(oops, QStringLiteral("Unknown error"));
    }
}

} // namespace toolkit
