// SPDX-License-Identifier: MIT
#include "kana_romaji.h"

#include "kana_table.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace bankcheck {
namespace {

// One mora of the word while it is being read.
struct Mora {
    QString kana;
    QStringList spellings;
    QChar vowel; // the vowel it ends in; null for ん
    bool isN = false;
};

bool isVowelLetter(QChar c) {
    return QStringView(u"aiueo").contains(c);
}

QChar vowelOf(const QString& spelling) {
    const QChar last = spelling.back();
    return isVowelLetter(last) ? last : QChar();
}

Romanisation failure(const QString& why, const QString& japanese) {
    Romanisation r;
    r.error = why;
    r.errorJapanese = japanese;
    return r;
}

// Katakana to hiragana, code point by code point (ー stays as it is).
QString toHiragana(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) c = QChar(c.unicode() - 0x60);
    }
    return out;
}

// Small っ before a mora: its consonant is written twice (kk, ss, pp, cch), and ch also as the older tch.
QStringList doubled(const QStringList& spellings) {
    QStringList out;
    for (const QString& s : spellings) {
        if (isVowelLetter(s.front())) continue;
        out << s.front() + s;
        if (s.startsWith(u"ch")) out << u't' + s;
    }
    return out;
}

// A vowel kana after a mora ending in a vowel it lengthens (おう, おお, うう, えい, ええ, いい, ああ) may be
// written as ^ or spelled out. えい and いい are mostly spelled out (sensei, oishii), the others marked.
QStringList withLongMark(QChar previousVowel, QChar kana, const QStringList& spellings) {
    static const QStringList marked = {u"aあ"_s, u"uう"_s, u"eえ"_s, u"oう"_s, u"oお"_s};
    static const QStringList spelled = {u"eい"_s, u"iい"_s};
    const QString pair = QString(previousVowel) + kana;
    if (marked.contains(pair)) return QStringList{u"^"_s} + spellings;
    if (spelled.contains(pair)) return spellings + QStringList{u"^"_s};
    return spellings;
}

bool startsWithVowelOrY(const QString& spelling) {
    return isVowelLetter(spelling.front()) || spelling.front() == u'y';
}

} // namespace

Romanisation romanise(const QString& word) {
    // Half-width katakana become full-width (with their voicing marks joined) so both read alike.
    const QString shown = word.normalized(QString::NormalizationForm_KC);
    const QString kana = toHiragana(shown);
    if (kana.isEmpty()) return failure(u"the word is empty"_s, u"ことばが空です"_s);

    QList<Mora> morae;
    bool doubling = false;
    for (qsizetype i = 0; i < kana.size();) {
        const QChar c = kana[i];
        if (c == u'っ') {
            if (doubling) return failure(u"two small っ in a row"_s, u"小さい「っ」が二つ続いています"_s);
            doubling = true;
            ++i;
            continue;
        }
        if (c == u'ー') {
            if (doubling)
                return failure(u"small っ comes right before ー"_s,
                               u"小さい「っ」のすぐ後に「ー」があります"_s);
            if (morae.isEmpty() || morae.last().vowel.isNull())
                return failure(u"ー does not follow a sound ending in a vowel"_s,
                               u"「ー」の前に、母音で終わる音がありません"_s);
            // A long vowel is marked (^) or, in Hepburn with doubled vowels, written twice.
            morae.append({u"ー"_s, {u"^"_s, QString(morae.last().vowel)}, morae.last().vowel});
            ++i;
            continue;
        }
        int length = 0;
        QStringList spellings = moraSpellings(QStringView(kana).sliced(i), &length);
        if (spellings.isEmpty()) {
            if (isJoiningSmallKana(c))
                return failure(QString(u"small %1 does not follow a kana it can join"_s).arg(shown[i]),
                               QString(u"小さい「%1」の前に、組になるかながありません"_s).arg(shown[i]));
            // A character beyond the basic plane (an emoji) is two UTF-16 units; name it whole.
            const qsizetype units = c.isHighSurrogate() && i + 1 < shown.size() ? 2 : 1;
            return failure(QString(u"'%1' is not kana"_s).arg(shown.sliced(i, units)),
                           QString(u"「%1」はかなではありません"_s).arg(shown.sliced(i, units)));
        }
        Mora mora{kana.sliced(i, length), spellings, vowelOf(spellings.first()), spellings.first() == u"n"};
        if (doubling) {
            mora.kana.prepend(u'っ');
            mora.spellings = doubled(spellings);
            if (mora.spellings.isEmpty() || mora.isN)
                return failure(QString(u"small っ comes before %1, which has no consonant to double"_s)
                                   .arg(shown.sliced(i, length)),
                               QString(u"小さい「っ」の後の「%1」には、重ねる子音がありません"_s)
                                   .arg(shown.sliced(i, length)));
            doubling = false;
        } else if (length == 1 && !morae.isEmpty() && !morae.last().vowel.isNull()) {
            mora.spellings = withLongMark(morae.last().vowel, c, spellings);
        }
        morae.append(mora);
        i += length;
    }
    if (doubling) return failure(u"small っ ends the word"_s, u"小さい「っ」でことばが終わっています"_s);

    Romanisation result;
    for (qsizetype k = 0; k < morae.size(); ++k) {
        QStringList spellings = morae[k].spellings;
        if (morae[k].isN && k + 1 < morae.size() && startsWithVowelOrY(morae[k + 1].spellings.first()))
            spellings << u"n'"_s << u"nn"_s;
        result.pieces.append(spellings);
        result.kana.append(morae[k].kana);
    }
    return result;
}

bool isSpelling(const Romanisation& romanisation, const QString& answer) {
    if (!romanisation.ok()) return false;
    // reachable[p]: the pieces read so far can spell exactly the first p letters of the answer.
    std::vector<bool> reachable(answer.size() + 1, false);
    reachable[0] = true;
    for (const QStringList& piece : romanisation.pieces) {
        std::vector<bool> next(answer.size() + 1, false);
        for (qsizetype p = 0; p < qsizetype(reachable.size()); ++p) {
            if (!reachable[p]) continue;
            for (const QString& s : piece) {
                if (QStringView(answer).sliced(p).startsWith(s)) next[p + s.size()] = true;
            }
        }
        reachable = std::move(next);
    }
    return reachable.back();
}

QString preferredSpelling(const Romanisation& romanisation) {
    QString out;
    for (const QStringList& piece : romanisation.pieces)
        out += piece.first();
    return out;
}

QStringList allSpellings(const Romanisation& romanisation) {
    if (!romanisation.ok()) return {};
    QStringList out{QString()};
    for (const QStringList& piece : romanisation.pieces) {
        QStringList grown;
        for (const QString& head : out) {
            for (const QString& s : piece)
                grown << head + s;
        }
        out = grown;
    }
    out.removeDuplicates();
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace bankcheck
