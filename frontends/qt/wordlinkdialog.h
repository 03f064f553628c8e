// SPDX-License-Identifier: MIT
#pragma once
// The desktop's window that hands the word list in force to a class playing in a browser: the game's site
// address, typed once and remembered, the link that carries the list, a copy button and its QR code.
#include "toolkit/settings.h"
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace frontend {

// A list the game plays with, as it is handed on: its file's name and bytes, and its number of words.
struct ListToHand {
    std::string name;
    std::string bytes;
    int words = 0;
};

class WordLinkDialog : public QDialog {
public:
    WordLinkDialog(ListToHand list, toolkit::Settings* remember, QWidget* parent = nullptr);
    QString link() const;

private:
    void makeLink();

    ListToHand list_;
    toolkit::Settings* remember_;
    QLineEdit* site_;
    QLineEdit* link_;
    QLabel* code_;
    QLabel* why_;
};

} // namespace frontend
