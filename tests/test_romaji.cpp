// SPDX-License-Identifier: MIT
// The answers' romaji spellings: every kana of the practice chart in both systems, small っ, ん, long
// vowels, capitals, answers dealt as written, and every answer of the shipped bank in both Hepburn spellings.
#include "services/data/kanachart.h"
#include "services/data/practicedata.h"
#include "services/data/questionbank.h"
#include "services/romaji/romaji.h"
#include "support/stdstring.h"
#include <QRegularExpression>
#include <QtTest>
#include <set>

using namespace romaji;
Q_DECLARE_METATYPE(romaji::System)

class RomajiTest : public QObject {
    Q_OBJECT
private slots:
    void spellings_data();
    void spellings();
    void shippedBank_data();
    void shippedBank();
};

namespace {
void row(const QString& name, const QString& answer, const QString& kana, const QString& macron,
         const QString& doubled, System system) {
    QTest::newRow(qPrintable(name)) << answer << kana << macron << doubled << system;
}

// The practice data gives chart label n in Hepburn as record n, then Kunrei spellings where the systems
// differ. A label's kana is its chart caption, じゃ(ぢゃ) read both ways; no long vowel, so both Hepburn
// spellings are the label's Hepburn record.
void chartRows() {
    const PracticeTable t = loadPracticeTable(POKURAKU_SOURCE_DIR "/data/romajimojiren.txt");
    QVERIFY(t.recordCount > kanaChartSize);
    std::set<int> kunreiLabels;
    for (int r = kanaChartSize; r < t.recordCount; ++r)
        kunreiLabels.insert(t.labelList[r]);
    for (int r = 0; r < t.recordCount; ++r) {
        const int label = t.labelList[r];
        const System system = r >= kanaChartSize          ? System::kunrei
                              : kunreiLabels.count(label) ? System::hepburn
                                                          : System::both;
        const std::string_view caption = kanaChartCaption(label);
        const QString prompt = QString::fromStdString(t.promptList[r]);
        const QString hepburn = QString::fromStdString(t.promptList[label]);
        for (const QString& kana : QString::fromUtf8(caption.data(), caption.size())
                                       .split(QRegularExpression("[()]"), Qt::SkipEmptyParts))
            row("chart " + prompt + " " + kana, prompt, kana, hepburn, hepburn, system);
    }
}
} // namespace

void RomajiTest::spellings_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("kana");
    QTest::addColumn<QString>("macron");
    QTest::addColumn<QString>("doubled");
    QTest::addColumn<System>("system");
    chartRows();
    // Small っ doubles the consonant after it, t before ch.
    row("kk", "gakko^", "がっこう", "gakko^", "gakkou", System::both);
    row("ssh", "zassi", "ざっし", "zasshi", "zasshi", System::kunrei);
    row("tt", "kitte", "きって", "kitte", "kitte", System::both);
    row("tch", "mattya", "まっちゃ", "matcha", "matcha", System::kunrei);
    row("tch as written", "matcha", "まっちゃ", "matcha", "matcha", System::hepburn);
    row("tts", "mittu", "みっつ", "mittsu", "mittsu", System::kunrei);
    row("pp", "happa", "はっぱ", "happa", "happa", System::both);
    row("gg", "baggu", "バッグ", "baggu", "baggu", System::both);
    row("jj", "bazzi", "バッジ", "bajji", "bajji", System::kunrei);
    row("dd", "beddo", "ベッド", "beddo", "beddo", System::both);
    row("bb", "sunobbu", "スノッブ", "sunobbu", "sunobbu", System::both);
    row("ff", "sutahhu", "スタッフ", "sutaffu", "sutaffu", System::kunrei);
    row("ending the word", "a", "あっ", "a", "a", System::neither);
    // ん is n; n' and nn before a vowel or y, and m before b, m, p, are kept as written.
    row("n before a vowel", "kinen", "きんえん", "kinen", "kinen", System::both);
    row("n' before y", "kon'ya", "こんや", "kon'ya", "kon'ya", System::both);
    row("nn before y", "honnya", "ほんや", "honnya", "honnya", System::both);
    row("n before b", "sinbun", "しんぶん", "shinbun", "shinbun", System::kunrei);
    row("m before b", "shimbun", "しんぶん", "shimbun", "shimbun", System::hepburn);
    row("n before m", "anman", "あんまん", "anman", "anman", System::both);
    row("n before p", "sanpo", "さんぽ", "sanpo", "sanpo", System::both);
    // A long vowel written ^ is doubled with the vowel of its kana; vowels written twice stay.
    row("ou", "to^hoku", "とうほく", "to^hoku", "touhoku", System::both);
    row("oo", "o^kami", "おおかみ", "o^kami", "ookami", System::both);
    row("ei", "e^ga", "えいが", "e^ga", "eiga", System::both);
    row("uu", "ku^ki", "くうき", "ku^ki", "kuuki", System::both);
    row("katakana ー", "kangaru^", "カンガルー", "kangaru^", "kangaruu", System::both);
    row("after Kunrei", "kyo^si", "きょうし", "kyo^shi", "kyoushi", System::kunrei);
    row("written twice", "ookami", "おおかみ", "ookami", "ookami", System::both);
    row("not long", "ka^", "か", "ka^", "ka^", System::neither);
    // Syllables, not letters, are changed.
    row("ティ", "tisshu", "ティッシュ", "tisshu", "tisshu", System::hepburn);
    row("ぢ as zi", "hanazi", "はなぢ", "hanaji", "hanaji", System::kunrei);
    row("ぢ as di", "hanadi", "はなぢ", "hanadi", "hanadi", System::both);
    row("を as wo", "honwoyomu", "ほんをよむ", "honwoyomu", "honwoyomu", System::both);
    row("mixed", "sitsu", "しつ", "shitsu", "shitsu", System::mixed);
    // Capitals.
    row("Tuki", "Tuki", "つき", "Tsuki", "Tsuki", System::kunrei);
    row("To^kyo^", "To^kyo^", "とうきょう", "To^kyo^", "Toukyou", System::both);
    row("TO^HU", "TO^HU", "とうふ", "TO^FU", "TOUFU", System::kunrei);
    // No Hepburn spelling: dealt as written.
    row("kanji", "kisi", "岸", "kisi", "kisi", System::neither);
    row("misspelt", "ki^su", "きし", "ki^su", "ki^su", System::neither);
}

void RomajiTest::spellings() {
    QFETCH(QString, answer);
    QFETCH(QString, kana);
    QFETCH(QString, macron);
    QFETCH(QString, doubled);
    QFETCH(System, system);
    const std::string a = answer.toStdString(), k = kana.toStdString();
    QCOMPARE(spell(a, k, Spelling::kunrei), a);
    QCOMPARE(spell(a, k, Spelling::hepburnMacron), macron.toStdString());
    QCOMPARE(spell(a, k, Spelling::hepburnDoubled), doubled.toStdString());
    QCOMPARE(systemOf(a, k), system);
    QCOMPARE(hepburn(a, k, LongVowels::marked).has_value(), system != System::neither);
}

void RomajiTest::shippedBank_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("kana");
    const QuestionBank bank = readQuestionBank(POKURAKU_SOURCE_DIR "/data/romaji.txt");
    QVERIFY(!bank.answers.empty());
    for (std::size_t i = 0; i < bank.answers.size(); ++i)
        QTest::addRow("%s", bank.answers[i].c_str())
            << QString::fromStdString(bank.answers[i]) << QString::fromStdString(bank.words[i]);
}

void RomajiTest::shippedBank() {
    // Every answer has both Hepburn spellings, the doubled one without ^, and each reads back as Hepburn.
    QFETCH(QString, answer);
    QFETCH(QString, kana);
    const std::string k = kana.toStdString();
    for (const LongVowels form : {LongVowels::marked, LongVowels::doubled}) {
        const std::optional<std::string> spelt = hepburn(answer.toStdString(), k, form);
        QVERIFY(spelt.has_value());
        QVERIFY(form == LongVowels::marked || spelt->find('^') == std::string::npos);
        const System system = systemOf(*spelt, k);
        QVERIFY2(system == System::hepburn || system == System::both, spelt->c_str());
    }
}

QTEST_APPLESS_MAIN(RomajiTest)
#include "test_romaji.moc"
