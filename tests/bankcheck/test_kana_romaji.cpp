// SPDX-License-Identifier: MIT
// Checks how the bank checker reads a kana word: which romaji spellings it accepts (Hepburn, Kunrei,
// Nihon-shiki, doubled consonants, ん, long vowels), which it refuses, and what it says about words it
// cannot read.
#include "kana_romaji.h"

#include <QTest>

using namespace bankcheck;
using namespace Qt::StringLiterals;

class TestKanaRomaji : public QObject {
    Q_OBJECT

private slots:
    void everySpelling_data();
    void everySpelling();
    void acceptsAndRefuses_data();
    void acceptsAndRefuses();
    void preferredSpellingAndKanaOfPieces();
    void unreadableWords_data();
    void unreadableWords();
    void longWordsAreCheckedWithoutListing();
};

// The full set of spellings of short words, so that nothing is missing and nothing extra slips in.
void TestKanaRomaji::everySpelling_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << u"さくら"_s << QStringList{u"sakura"_s};
    QTest::newRow("shi/si") << u"すし"_s << QStringList{u"sushi"_s, u"susi"_s};
    QTest::newRow("chi/ti tsu/tu") << u"ちつ"_s
                                   << QStringList{u"chitsu"_s, u"chitu"_s, u"titsu"_s, u"titu"_s};
    QTest::newRow("fu/hu") << u"ふね"_s << QStringList{u"fune"_s, u"hune"_s};
    QTest::newRow("ji/zi") << u"ひじ"_s << QStringList{u"hiji"_s, u"hizi"_s};
    QTest::newRow("di, du") << u"ぢづ"_s
                            << QStringList{u"didu"_s, u"dizu"_s, u"jidu"_s, u"jizu"_s, u"zidu"_s, u"zizu"_s};
    QTest::newRow("contracted sha/sya") << u"しゃ"_s << QStringList{u"sha"_s, u"sya"_s};
    QTest::newRow("contracted ja/zya/dya") << u"ぢゃ"_s << QStringList{u"dya"_s, u"ja"_s, u"zya"_s};
    QTest::newRow("wo/o") << u"を"_s << QStringList{u"o"_s, u"wo"_s};
    QTest::newRow("small tsu") << u"きって"_s << QStringList{u"kitte"_s};
    QTest::newRow("small tsu before ch")
        << u"まっちゃ"_s << QStringList{u"maccha"_s, u"matcha"_s, u"mattya"_s};
    QTest::newRow("small tsu before sh") << u"ざっし"_s << QStringList{u"zasshi"_s, u"zassi"_s};
    QTest::newRow("n at the end") << u"ぱん"_s << QStringList{u"pan"_s};
    QTest::newRow("n before y") << u"ほんや"_s << QStringList{u"hon'ya"_s, u"honnya"_s, u"honya"_s};
    QTest::newRow("n before vowel") << u"きんえん"_s << QStringList{u"kin'en"_s, u"kinen"_s, u"kinnen"_s};
    QTest::newRow("n before consonant") << u"ほんだな"_s << QStringList{u"hondana"_s};
    QTest::newRow("katakana long mark") << u"ラーメン"_s << QStringList{u"ra^men"_s, u"raamen"_s};
    QTest::newRow("ou, then a vowel that is no long pair")
        << u"こうえん"_s << QStringList{u"ko^en"_s, u"kouen"_s};
    QTest::newRow("oo and ii") << u"おおきい"_s
                               << QStringList{u"o^ki^"_s, u"o^kii"_s, u"ooki^"_s, u"ookii"_s};
    QTest::newRow("ei") << u"とけい"_s << QStringList{u"toke^"_s, u"tokei"_s};
    QTest::newRow("ee") << u"ねえ"_s << QStringList{u"ne^"_s, u"nee"_s};
    QTest::newRow("aa") << u"かあ"_s << QStringList{u"ka^"_s, u"kaa"_s};
    QTest::newRow("uu after contracted") << u"きゅう"_s << QStringList{u"kyu^"_s, u"kyuu"_s};
    QTest::newRow("not a long pair") << u"あい"_s << QStringList{u"ai"_s};
    QTest::newRow("half-width katakana") << u"ｶﾞﾑ"_s << QStringList{u"gamu"_s};
    QTest::newRow("loanword sound") << u"フォーク"_s << QStringList{u"fo^ku"_s, u"fooku"_s};
}

void TestKanaRomaji::everySpelling() {
    QFETCH(QString, word);
    QFETCH(QStringList, expected);
    const Romanisation r = romanise(word);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(allSpellings(r), expected);
    for (const QString& s : expected)
        QVERIFY2(isSpelling(r, s), qPrintable(s));
}

// Single answers for longer words: typical good answers and typical slips a teacher could make.
void TestKanaRomaji::acceptsAndRefuses_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("hiko^ki") << u"ひこうき"_s << u"hiko^ki"_s << true;
    QTest::newRow("gakko^") << u"がっこう"_s << u"gakko^"_s << true;
    QTest::newRow("missing double") << u"がっこう"_s << u"gako^"_s << false;
    QTest::newRow("ro^maji") << u"ローマじ"_s << u"ro^maji"_s << true;
    QTest::newRow("ro^mazi") << u"ローマじ"_s << u"ro^mazi"_s << true;
    QTest::newRow("ー as the vowel twice") << u"ローマじ"_s << u"roomaji"_s << true;
    QTest::newRow("mixed systems") << u"しゅくだい"_s << u"syukudai"_s << true;
    QTest::newRow("jy is no system") << u"じょうず"_s << u"jyo^zu"_s << false;
    QTest::newRow("tch") << u"こっち"_s << u"kotchi"_s << true;
    QTest::newRow("upper case") << u"さくら"_s << u"Sakura"_s << false;
    QTest::newRow("extra letter") << u"さくら"_s << u"sakurra"_s << false;
    QTest::newRow("letter missing") << u"さくら"_s << u"sakur"_s << false;
    QTest::newRow("empty answer") << u"さくら"_s << QString() << false;
    QTest::newRow("mark on wrong place") << u"ひこうき"_s << u"hi^kouki"_s << false;
    QTest::newRow("n' before consonant") << u"ほんだな"_s << u"hon'dana"_s << false;
    QTest::newRow("phrase with wo") << u"ほんをよむ"_s << u"honwoyomu"_s << true;
    QTest::newRow("kunrei voiced") << u"ちゃのみぢゃわん"_s << u"tyanomizyawan"_s << true;
}

void TestKanaRomaji::acceptsAndRefuses() {
    QFETCH(QString, word);
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    const Romanisation r = romanise(word);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(isSpelling(r, answer), accepted);
}

void TestKanaRomaji::preferredSpellingAndKanaOfPieces() {
    QCOMPARE(preferredSpelling(romanise(u"がっこう"_s)), u"gakko^"_s);
    QCOMPARE(preferredSpelling(romanise(u"ちゅうしゃじょう"_s)), u"chu^shajo^"_s);
    QCOMPARE(preferredSpelling(romanise(u"せんせい"_s)), u"sensei"_s);
    QCOMPARE(preferredSpelling(romanise(u"マッチ"_s)), u"macchi"_s);
    QCOMPARE(preferredSpelling(romanise(u"コーヒー"_s)), u"ko^hi^"_s);
    // Each piece keeps its kana in hiragana, so the bank's use of the chart can be counted.
    QCOMPARE(romanise(u"がっこう"_s).kana, (QStringList{u"が"_s, u"っこ"_s, u"う"_s}));
    QCOMPARE(romanise(u"ラーメン"_s).kana, (QStringList{u"ら"_s, u"ー"_s, u"め"_s, u"ん"_s}));
    QCOMPARE(romanise(u"キャベツ"_s).kana, (QStringList{u"きゃ"_s, u"べ"_s, u"つ"_s}));
}

void TestKanaRomaji::unreadableWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("error");
    QTest::newRow("kanji") << u"ローマ字"_s << u"'字' is not kana"_s;
    QTest::newRow("latin") << u"aさ"_s << u"'a' is not kana"_s;
    QTest::newRow("space") << u"さ く"_s << u"' ' is not kana"_s;
    QTest::newRow("lone small ya") << u"ゃあ"_s << u"small ゃ does not follow a kana it can join"_s;
    QTest::newRow("small ya after a") << u"アャ"_s << u"small ャ does not follow a kana it can join"_s;
    QTest::newRow("mark first") << u"ーあ"_s << u"ー does not follow a sound ending in a vowel"_s;
    QTest::newRow("mark after n") << u"ンー"_s << u"ー does not follow a sound ending in a vowel"_s;
    QTest::newRow("small tsu last") << u"あっ"_s << u"small っ ends the word"_s;
    QTest::newRow("small tsu before vowel")
        << u"あっい"_s << u"small っ comes before い, which has no consonant to double"_s;
    QTest::newRow("small tsu before n")
        << u"あっん"_s << u"small っ comes before ん, which has no consonant to double"_s;
    QTest::newRow("two small tsu") << u"あっっか"_s << u"two small っ in a row"_s;
    QTest::newRow("small tsu before mark") << u"あっー"_s << u"small っ comes right before ー"_s;
    QTest::newRow("empty") << QString() << u"the word is empty"_s;
}

void TestKanaRomaji::unreadableWords() {
    QFETCH(QString, word);
    QFETCH(QString, error);
    const Romanisation r = romanise(word);
    QVERIFY(!r.ok());
    QCOMPARE(r.error, error);
    QVERIFY(!isSpelling(r, u"a"_s));
    QVERIFY(allSpellings(r).isEmpty());
}

// A long word with a choice on every mora has thousands of spellings; matching must still find the ones
// that mix systems mora by mora and refuse a near miss.
void TestKanaRomaji::longWordsAreCheckedWithoutListing() {
    const Romanisation r = romanise(u"しちつふじしちつふじしちつふじ"_s);
    QVERIFY(r.ok());
    QCOMPARE(r.pieces.size(), 15);
    QVERIFY(isSpelling(r, u"shitituhujisichitsufuzishichitsufuji"_s));
    QVERIFY(!isSpelling(r, u"shitituhujisichitsufuzishichitsufuj"_s));
    QVERIFY(!isSpelling(r, u"shitituhujisichitsufuzishichitsufujii"_s));
}

QTEST_GUILESS_MAIN(TestKanaRomaji)
#include "test_kana_romaji.moc"
