// SPDX-License-Identifier: MIT
// The answers' romaji spellings: every kana of the practice chart in both systems, small っ, ん, long
// vowels, capitals, answers dealt as written, and every answer of the shipped bank in both Hepburn spellings.
#include "services/data/kanachart.h"
#include "services/data/practicedata.h"
#include "services/data/questionbank.h"
#include "services/romaji/romaji.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace romaji;

namespace {
struct Row {
    std::string name, answer, kana, macron, doubled;
    System system;
};

// The practice data gives chart label n in Hepburn as record n, then Kunrei spellings where the systems
// differ. A label's kana is its chart caption, じゃ(ぢゃ) read both ways; no long vowel, so both Hepburn
// spellings are the label's Hepburn record (its di and du are ji and zu).
void addChartRows(std::vector<Row>& rows) {
    const PracticeTable t = loadPracticeTable(POKURAKU_SOURCE_DIR "/data/romajimojiren.txt");
    ASSERT_GT(t.recordCount, kanaChartSize);
    std::set<int> kunreiLabels;
    for (int r = kanaChartSize; r < t.recordCount; ++r)
        kunreiLabels.insert(t.labelList[r]);
    for (int r = 0; r < t.recordCount; ++r) {
        const int label = t.labelList[r];
        const std::string& prompt = t.promptList[r];
        const bool older = prompt == "di" || prompt == "du";
        const System system = r >= kanaChartSize || older ? System::kunrei
                              : kunreiLabels.count(label) ? System::hepburn
                                                          : System::both;
        const std::string caption(kanaChartCaption(label));
        const std::string hepburn = older ? (prompt == "di" ? "ji" : "zu") : t.promptList[label];
        rows.push_back({"chart " + prompt + " " + caption, prompt, caption, hepburn, hepburn, system});
        std::size_t from = 0;
        while (from < caption.size()) {
            const std::size_t to = std::min(caption.find_first_of("()", from), caption.size());
            if (to > from) {
                const std::string kana = caption.substr(from, to - from);
                rows.push_back({"chart " + prompt + " " + kana, prompt, kana, hepburn, hepburn, system});
            }
            from = to + 1;
        }
    }
}
} // namespace

TEST(Romaji, spellings) {
    std::vector<Row> rows;
    ASSERT_NO_FATAL_FAILURE(addChartRows(rows));
    rows.insert(
        rows.end(),
        {
            // Small っ doubles the consonant after it, t before ch.
            {"kk", "gakko^", "がっこう", "gakko^", "gakkou", System::both},
            {"ssh", "zassi", "ざっし", "zasshi", "zasshi", System::kunrei},
            {"tt", "kitte", "きって", "kitte", "kitte", System::both},
            {"cch", "mattya", "まっちゃ", "maccha", "maccha", System::kunrei},
            {"cch of nittyoku", "nittyoku", "にっちょく", "nicchoku", "nicchoku", System::kunrei},
            {"older tch", "botchan", "ぼっちゃん", "bocchan", "bocchan", System::hepburn},
            {"tts", "mittu", "みっつ", "mittsu", "mittsu", System::kunrei},
            {"pp", "happa", "はっぱ", "happa", "happa", System::both},
            {"gg", "baggu", "バッグ", "baggu", "baggu", System::both},
            {"jj", "bazzi", "バッジ", "bajji", "bajji", System::kunrei},
            {"dd", "beddo", "ベッド", "beddo", "beddo", System::both},
            {"bb", "sunobbu", "スノッブ", "sunobbu", "sunobbu", System::both},
            {"ff", "sutahhu", "スタッフ", "sutaffu", "sutaffu", System::kunrei},
            {"ending the word", "a", "あっ", "a", "a", System::neither},
            // ん is n; nn before a vowel or y is n', m before b, m, p is kept as written.
            {"n before a vowel", "kinen", "きんえん", "kinen", "kinen", System::both},
            {"n' before y", "kon'ya", "こんや", "kon'ya", "kon'ya", System::both},
            {"nn before y", "honnya", "ほんや", "hon'ya", "hon'ya", System::both},
            {"nn before a vowel", "Kinnen", "きんえん", "Kin'en", "Kin'en", System::both},
            {"n before b", "sinbun", "しんぶん", "shinbun", "shinbun", System::kunrei},
            {"m before b", "shimbun", "しんぶん", "shimbun", "shimbun", System::hepburn},
            {"n before m", "anman", "あんまん", "anman", "anman", System::both},
            {"n before p", "sanpo", "さんぽ", "sanpo", "sanpo", System::both},
            // A long vowel written ^ is doubled with the vowel of its kana; vowels written twice stay.
            {"ou", "to^hoku", "とうほく", "to^hoku", "touhoku", System::both},
            {"oo", "o^kami", "おおかみ", "o^kami", "ookami", System::both},
            {"ei", "e^ga", "えいが", "eiga", "eiga", System::both},
            {"uu", "ku^ki", "くうき", "ku^ki", "kuuki", System::both},
            {"katakana ー", "kangaru^", "カンガルー", "kangaru^", "kangaruu", System::both},
            {"after Kunrei", "kyo^si", "きょうし", "kyo^shi", "kyoushi", System::kunrei},
            {"written twice", "ookami", "おおかみ", "ookami", "ookami", System::both},
            {"not long", "ka^", "か", "ka^", "ka^", System::neither},
            // Syllables, not letters, are changed.
            {"ティ", "tisshu", "ティッシュ", "tisshu", "tisshu", System::hepburn},
            {"ぢ as zi", "hanazi", "はなぢ", "hanaji", "hanaji", System::kunrei},
            {"ぢ as di", "hanadi", "はなぢ", "hanaji", "hanaji", System::kunrei},
            {"づ as du", "tuduku", "つづく", "tsuzuku", "tsuzuku", System::kunrei},
            {"を as wo", "honwoyomu", "ほんをよむ", "honwoyomu", "honwoyomu", System::both},
            {"mixed", "sitsu", "しつ", "shitsu", "shitsu", System::mixed},
            // Capitals.
            {"Tuki", "Tuki", "つき", "Tsuki", "Tsuki", System::kunrei},
            {"To^kyo^", "To^kyo^", "とうきょう", "To^kyo^", "Toukyou", System::both},
            {"TO^HU", "TO^HU", "とうふ", "TO^FU", "TOUFU", System::kunrei},
            // No Hepburn spelling: dealt as written.
            {"kanji", "kisi", "岸", "kisi", "kisi", System::neither},
            {"misspelt", "ki^su", "きし", "ki^su", "ki^su", System::neither},
        });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string &a = row.answer, &k = row.kana;
        ASSERT_EQ(spell(a, k, Spelling::kunrei), a);
        ASSERT_EQ(spell(a, k, Spelling::hepburnMacron), row.macron);
        ASSERT_EQ(spell(a, k, Spelling::hepburnDoubled), row.doubled);
        ASSERT_EQ(systemOf(a, k), row.system);
        ASSERT_EQ(hepburn(a, k, LongVowels::marked).has_value(), row.system != System::neither);
    }
}

TEST(Romaji, shippedBank) {
    // Every answer has both Hepburn spellings, the doubled one without ^, and each reads back as Hepburn;
    // no ん is written so that it reads as part of the next kana.
    const QuestionBank bank = readQuestionBank(POKURAKU_SOURCE_DIR "/data/romaji.txt");
    ASSERT_TRUE(!bank.answers.empty());
    for (std::size_t i = 0; i < bank.answers.size(); ++i) {
        SCOPED_TRACE(bank.answers[i]);
        const std::string& k = bank.words[i];
        ASSERT_FALSE(remarksOn(bank.answers[i], k).nReadsOn);
        for (const LongVowels form : {LongVowels::marked, LongVowels::doubled}) {
            const std::optional<std::string> spelt = hepburn(bank.answers[i], k, form);
            ASSERT_TRUE(spelt.has_value());
            ASSERT_TRUE(form == LongVowels::marked || spelt->find('^') == std::string::npos);
            const System system = systemOf(*spelt, k);
            ASSERT_TRUE(system == System::hepburn || system == System::both) << *spelt;
        }
    }
}
