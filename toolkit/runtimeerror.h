#pragma once
// A run-time error that no handler traps: the guard shows it in the standard error box and ends the program.
#include <QString>
#include <stdexcept>

namespace toolkit {

class RuntimeError : public std::runtime_error {
public:
    // playerText is shown to the player in Japanese; detail says in plain words what went wrong.
    RuntimeError(QString playerText, QString detail)
        : std::runtime_error(detail.toStdString()), playerText_(std::move(playerText)),
          detail_(std::move(detail)) {}
    const QString& playerText() const { return playerText_; }
    const QString& detail() const { return detail_; }

private:
    QString playerText_;
    QString detail_;
};

// The error a control array raises for an index it does not hold.
inline RuntimeError subscriptOutOfRange(const char* array, int index) {
    return RuntimeError(
        QStringLiteral("プログラムの中でまちがいがおきました。"),
        QStringLiteral("Subscript out of range: %1(%2)").arg(QLatin1String(array)).arg(index));
}

} // namespace toolkit
