#pragma once
// The character practice screen: a chart of 104 kana, a prompt taken from the practice data, and the player
// clicks the kana that matches the prompt. A timed run ends after 205 ticks of the run clock with a verdict;
// an untimed run ends when every kana but one has been found, or when the player leaves.
#include "screens/practice/rensyu_definition.h"
#include "services/data/practicedata.h"
#include "toolkit/screen.h"
#include <QString>
#include <cstdint>

class ScreenPeers;

class Rensyu : public toolkit::Screen {
public:
    explicit Rensyu(ScreenPeers& peers);

    // A timed run lasts this many ticks of the run clock; the time display counts down from it.
    static constexpr std::int16_t runTicks = 205;
    // The visit is finished at this many correct answers: one chart label is still unanswered then.
    static constexpr std::int16_t finishCount = 103;

    // Handlers, called by the window's events and directly by tests.
    void Label1_Click(std::int16_t index);
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void syokyuu_Click();
    void tyuukyuu_Click();
    void jyoukyuu_Click();
    void bb_Click(std::int16_t index);
    void rowaru_Click();

    // The screen's own procedures.
    void ChooseTarget();
    // Stops both timers, closes the screen and brings back the main game screen with the chart hidden.
    void leave();

    // Sound cues: the practice screen's own copies of the main screen's two cheering cues.
    void PlayCorrect();
    void PlayCorrect100();

    const RensyuControls& controls() const { return c; }

    // --- state: it outlives the window; a load resets only some of it ---
    PracticeTable table;
    std::int16_t targetIndex = 0;
    QString targetPrompt;
    QString targetAnswer;
    QString clickedText;
    std::int16_t correctCount = 0;
    std::int16_t tickCount = 0;
    std::int16_t tickLimit = runTicks;
    std::int16_t untimedFlag = 0;
    QString verdictText;
    std::int32_t practiceResult = 0;

    // The verdict for a number of correct answers.
    static QString verdictFor(std::int16_t correct);

protected:
    toolkit::ScreenWindow* build() override;
    void Form_Load() override;
    void forgetControls() override { c = RensyuControls{}; }
    // Closing the window from its frame leaves as "終わる" does, so the main screen comes back.
    void closeRequested() override { leave(); }
    // The chart window the visit shows is to be read while practising: the practice window stands beside it.
    const QWidget* standBeside() const override;

private:
    struct Level {
        int clockMs;
        const char* confirmation;
        const char* name;
    };
    void chooseLevel(const Level& level, QAction* chosen);
    void dropLevelItem(QAction* item);
    bool isMarked(std::int16_t label) const;
    bool anyUnmarkedRecord() const;

    ScreenPeers& peers_;
    RensyuControls c;
    // True from the moment a verdict is being given until the visit ends: late ticks are ignored.
    bool verdictGiven_ = false;
};
