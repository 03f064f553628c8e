// SPDX-License-Identifier: MIT
#pragma once
// Failed checks on the rules' UTF-8 texts print the texts themselves.
#include <QString>
#include <QtTest>
#include <string>

namespace QTest {
template <> inline char* toString(const std::string& text) {
    return QTest::toString(QString::fromStdString(text));
}
} // namespace QTest
