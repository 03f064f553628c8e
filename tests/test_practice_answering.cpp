// SPDX-License-Identifier: MIT
// Answering on the practice screen: right and wrong clicks, the marks and the prompts left on answered kana,
// the count, the cues for every tenth answer, the finish at the 103rd answer with the data the game ships,
// the target choice that draws only unanswered kana and never loops when none is left, and prompts in the
// chosen spelling. The target timer's restart and the window left in front at the finish are checked on the
// desktop, in qt/test_screens_drawn.
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/record/rowcodec.h"
#include "support/practicechart.h"
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace std::string_literals;

namespace {
const toolkit::Colour mark{255, 0, 0};
const toolkit::Colour white{255, 255, 255};
std::int16_t targetLabel(const PracticeScreen& r) {
    return r.state().table.labelList[static_cast<std::size_t>(r.state().targetIndex)];
}
} // namespace

TEST(PracticeAnswering, rightAndWrongClicks) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const PracticeScreenControls& c = r.controls();
    r.onStartClicked();
    // A wrong click changes nothing but the count's display, which it writes even at 0.
    r.onChartLabelClicked(1);
    ASSERT_EQ(c.chartLabels(1)->text(), "い"s);
    ASSERT_EQ(c.countLabel->text(), "0こ"s);
    ASSERT_EQ(r.state().targetIndex, 0);
    ASSERT_EQ(c.chartLabels(1)->backColor(), white);
    ASSERT_TRUE(game.sound.played.empty());

    r.onChartLabelClicked(0);
    ASSERT_EQ(c.countLabel->text(), "1こ"s);
    // The screen keeps what the chart shows: the kana answered, and its caption now the prompt.
    ASSERT_EQ(r.state().answeredKana.count(), std::size_t(1));
    ASSERT_TRUE(r.state().answeredKana.test(0));
    ASSERT_EQ(r.state().chartCaptions[0], promptFor(0));
    ASSERT_EQ(r.state().chartCaptions[1], "い"s);
    ASSERT_EQ(c.chartLabels(0)->backColor(), mark);
    ASSERT_TRUE(!c.chartLabels(0)->hasBorder());
    ASSERT_EQ(c.chartLabels(0)->text(), promptFor(0)); // the answered kana now shows its prompt
    ASSERT_EQ(game.sound.played, std::vector<Cue>{Cue::Correct});
    ASSERT_TRUE(r.state().targetIndex != 0);
    ASSERT_EQ(c.chartLabels(targetLabel(r))->backColor(), white);
    ASSERT_EQ(c.promptLabel->text(), r.state().targetPrompt);
    ASSERT_EQ(r.state().targetPrompt, promptFor(targetLabel(r)));
    ASSERT_EQ(r.state().targetAnswer, expectedKana(targetLabel(r)));

    // An answered kana is a wrong click from then on, even when it is clicked again.
    const std::int16_t target = r.state().targetIndex;
    r.onChartLabelClicked(0);
    ASSERT_EQ(c.chartLabels(0)->text(), promptFor(0));
    ASSERT_EQ(r.state().correctCount, 1);
    ASSERT_EQ(r.state().targetIndex, target);
    ASSERT_EQ(game.sound.played.size(), 1u);
    // A target timer tick only writes the same prompt again.
    r.onTargetTick();
    ASSERT_EQ(r.state().targetIndex, target);
    ASSERT_EQ(c.promptLabel->text(), r.state().targetPrompt);
}

TEST(PracticeAnswering, cuesForEveryTenthAnswer) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    r.onStartClicked();
    std::vector<Cue> expected;
    for (int n = 1; n <= 100; ++n) {
        // A wrong click before each answer: never a cue.
        r.onChartLabelClicked(targetLabel(r) == 4 ? 3 : 4);
        answerCurrentTarget(r);
        ASSERT_EQ(r.state().correctCount, n);
        expected.push_back(n % 10 == 0 ? Cue::Correct100 : Cue::Correct);
        ASSERT_EQ(r.controls().countLabel->text(), std::to_string(n) + "こ");
    }
    ASSERT_EQ(game.sound.played, expected);
    ASSERT_EQ(std::count(game.sound.played.begin(), game.sound.played.end(), Cue::Correct100), 10);
}

TEST(PracticeAnswering, targetChoiceNeverLoopsForever) {
    // Three records but only two kana: once both are answered no record is left to draw.
    GameFixture game;
    PracticeScreen& r = openPractice(game, "a,あ,0\r\ni,い,1\r\na2,あ,0\r\n"s);
    r.onStartClicked();
    answerCurrentTarget(r);
    ASSERT_EQ(targetLabel(r), 1); // record 2 names the answered あ, so only record 1 can be drawn
    answerCurrentTarget(r);
    ASSERT_EQ(r.state().correctCount, 2);
    // The last target stays; the choice returns, and so do later ones.
    ASSERT_EQ(r.state().targetIndex, 1);
    r.onTargetTick();
    r.chooseTarget();
    ASSERT_EQ(r.state().targetIndex, 1);
    ASSERT_EQ(r.controls().promptLabel->text(), "i"s);
    // Its kana now shows the prompt, so no further click can count.
    for (std::int16_t k = 0; k < 104; ++k)
        r.onChartLabelClicked(k);
    ASSERT_EQ(r.state().correctCount, 2);
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(PracticeAnswering, shippedDataReachesTheFinish) {
    // The practice data that ships with the game fits the chart: every record's kana is its label's caption,
    // and 103 right answers in a row end the visit.
    std::ifstream shipped(POKURAKU_SOURCE_DIR "/data/romajimojiren.txt", std::ios::binary);
    ASSERT_TRUE(shipped.is_open());
    std::ostringstream bytes;
    bytes << shipped.rdbuf();
    GameFixture game;
    game.writeBytes("romajimojiren.txt"s, bytes.str());
    game.start();
    game.program->mainScreen().onPracticeMenu();
    PracticeScreen& r = game.program->practiceScreen();
    ASSERT_TRUE(game.errors.details.empty());
    ASSERT_TRUE(r.state().table.recordCount >= 104);
    for (int i = 0; i < r.state().table.recordCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        ASSERT_EQ(r.state().table.answerList[k], expectedKana(r.state().table.labelList[k]));
    }
    r.onNoTimeMenu(0);
    r.onBeginClicked();
    const auto target = static_cast<std::size_t>(r.state().targetIndex);
    r.onChartLabelClicked(r.state().table.labelList[target] == 0 ? 1 : 0); // a wrong kana first
    for (int n = 0; n < 103 && r.isLoaded(); ++n)
        answerCurrentTarget(r);
    ASSERT_EQ(r.state().correctCount, 103);
    // The record keeps each prompt once, right unless a wrong kana was clicked for it.
    ASSERT_EQ(game.recordStore.rows.size(), 103u);
    EXPECT_FALSE(std::get<record::PracticeAnswer>(*record::decode(game.recordStore.rows[0])).right);
    EXPECT_TRUE(std::get<record::PracticeAnswer>(*record::decode(game.recordStore.rows[1])).right);
    ASSERT_TRUE(!r.isLoaded());
    ASSERT_TRUE(game.program->mainScreen().isVisible());
}

// A prompt the data writes in Kunrei is shown in the Hepburn the player chose, bracketed kana too.
TEST(PracticeAnswering, promptsInTheChosenSpelling) {
    const std::pair<std::string, std::string> rows[] = {
        {"si,し,11", "shi"}, {"zya,じゃ(ぢゃ),95", "ja"}, {"di,ぢ,66", "ji"}, {"du,づ,67", "zu"}};
    for (const auto& [record, hepburn] : rows) {
        GameFixture game;
        game.start();
        game.program->mainScreen().onSpellingMenu(romaji::Spelling::hepburnDoubled);
        PracticeScreen& r = openPractice(game, record + "\r\n");
        r.onStartClicked();
        ASSERT_EQ(r.controls().promptLabel->text(), hepburn) << record;
    }
}

// Typed romaji answers as a click on its kana does, right or wrong; the help line shows the letters.
TEST(PracticeAnswering, typedRomajiAnswers) {
    GameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData()); // the prompts run from r0 to r103
    r.onStartClicked();                                         // the target is あ, r0
    const auto type = [&r](const std::string& keys) {
        for (char key : keys)
            r.window()->keyDown({key == '\b' ? toolkit::keys::backspace : key, std::string(1, key)});
    };
    type("r1"); // r10 to r19 and r100 to r103 go on from it
    ASSERT_EQ(r.controls().typingLabel->text(), typingHelp + "r1"s);
    type("\b12R0"); // す: wrong; then あ
    ASSERT_EQ(r.controls().chartLabels(12)->text(), expectedKana(12));
    ASSERT_EQ(r.state().correctCount, 1);
    ASSERT_EQ(game.sound.played, std::vector<Cue>{Cue::Correct});
}
