// SPDX-License-Identifier: MIT
#pragma once
// The main game screen: a word, its romaji letters dealt onto tiles, the answer lines, judging and score,
// retry and hint, the chase field of twelve creatures, and the menus.
#include "screens/main/letterkeys.h"
#include "screens/main/main_screen_definition.h"
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include "services/data/questionbank.h"
#include "services/romaji/romaji.h"
#include "services/sound/sound.h"
#include "toolkit/screen.h"
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Navigator;

class MainScreen : public toolkit::Screen {
public:
    explicit MainScreen(Navigator& navigator);
    ~MainScreen() override;

    // The question bank holds 401 entries at most.
    static constexpr int bankSize = QuestionBank::capacity;
    static constexpr int maxAnswerLength = QuestionBank::maxAnswerLength;

    // Handlers, called by the window's events and directly by tests.
    void onTilePressed(std::int16_t index);
    void onOkClicked();
    void onRetryClicked();
    void onHintClicked();
    void onChaseTick();
    void onCatchTick();
    void onCreatureClicked(std::int16_t index);
    void onSlotClicked(std::int16_t index);
    void onChartMenu();
    void onPracticeMenu();
    void onQuitMenu();
    void onMakerMenuOpened();
    void onOpeningMenu();
    void onSpellingMenu(romaji::Spelling spelling);
    void onClearColoursMenu();
    void onLessMotionMenu();
    void onSpeakClicked();  // says the word in play
    void onReadAloudMenu(); // turns speaking each new word on or off, remembered for the next start
    void onRecordMenu();
    void onReviewMenu(); // にがてを れんしゅう: missed words come more often, or the plain deal again
    void onPlayerMenu(std::size_t index); // the index-th player of the record
    void onAddPlayerMenu();
    void onRenamePlayerMenu();
    void onRemovePlayerMenu();
    bool onKeyDown(const toolkit::KeyPress& key); // keyboard play; true when the key was taken

    // The screen's own procedures.
    void pickQuestion();
    void dealTiles();

    // Asks for a sound cue and goes on at once; the screen decides nothing from the result.
    void play(Cue cue);

    // Puts creature i at a place on the field, or shows or hides it there: the state changes and its picture
    // box follows.
    void moveCreatureTo(std::int16_t i, mainscreen::TwipPoint place);
    void setCreatureShown(std::int16_t i, bool shown);
    // The one place a creature's state changes: parked starts its wait, every other state ends it.
    void setCreatureState(std::int16_t i, mainscreen::CreatureState state);

    const MainScreenControls& controls() const { return c; }
    // Checks the 見え方 items that are in force.
    void showLookChoice();
    // The chart menu item's caption; the end of a practice visit offers the chart again without touching
    // chartShown.
    void setChartMenuCaption(const std::string& caption);
    // The player in force in the caption, and the players in the プレイヤー menu.
    void showPlayer();

    // The game as it stands: it outlives the window.
    struct State {
        std::array<std::string, bankSize> romajiList;
        std::array<std::string, bankSize> wordList;
        std::array<std::int16_t, bankSize> usedFlags{};
        std::int16_t questionCount = 0;

        std::string answer;
        romaji::Spelling spelling = romaji::Spelling::kunrei; // the spelling of the word in play
        std::string questionWord;
        std::int16_t answerLength = 0;
        std::int16_t score = 0;
        std::int16_t solvedCount = 0;
        std::int16_t placedCount = 0;
        bool hintTaken = false;
        std::int16_t hintLevel = 0;
        std::int16_t hintLength = 0;
        // The board and the three answer lines as they stand; the tiles, answerLabel, markedLineLabel and
        // plainLineLabel show them.
        std::array<std::string, 24> dealtLetters;
        std::array<bool, 24> tileShown{}; // a pressed tile, or one beyond the answer, is hidden
        std::string answerLine; // the typed answer: every letter as pressed, what the OK button judges
        std::string markedLine;
        std::string plainLine;
        std::array<std::int16_t, 12> creatureSpeed{};
        std::int16_t eatenCount = 0;
        // Where each creature stands, in twips, and whether it is out on the field.
        std::array<mainscreen::TwipPoint, 12> creaturePlace{};
        std::array<bool, 12> creatureShown{};
        std::array<mainscreen::CreatureState, 12> creatureState{};
        std::int16_t catchStep = 0;
        std::int16_t catchIndex = 0;
        std::array<std::int16_t, 12> returnTicks{}; // chase ticks a parked creature has waited
        std::int16_t praiseStampTicks = 0;
        bool chartShown = false;
        bool creditShown = false;
        std::string resultText;
        // What the record keeps of the game and of the word in play.
        bool reviewDeal = false;  // にがてを れんしゅう: words missed come back more often
        std::string listedAnswer; // the word's answer as the word list writes it
        std::int64_t gameStart = 0;
        std::int64_t wordDealtAt = 0;
        std::int16_t wrongOks = 0;
        std::int16_t hintsTaken = 0;
        std::int16_t savedCount = 0;
        std::vector<std::string> missedSyllables;
    };
    const State& state() const { return s; }

    // Where a check must start from a given game (a score near a threshold, a creature about to come back):
    // the only ways to change the game other than through the handlers. Each sets what it names and
    // nothing else (no label is redrawn).
    void setScoreForTests(int score) { s.score = static_cast<std::int16_t>(score); }
    void setAnswerForTests(std::string answer) { s.answer = std::move(answer); }
    void setAnswerLineForTests(std::string typed) { s.answerLine = std::move(typed); }
    void setPlacedCountForTests(int count) { s.placedCount = static_cast<std::int16_t>(count); }
    void setSolvedCountForTests(int count) { s.solvedCount = static_cast<std::int16_t>(count); }
    void setEatenCountForTests(int count) { s.eatenCount = static_cast<std::int16_t>(count); }
    void setHintLevelForTests(int level) { s.hintLevel = static_cast<std::int16_t>(level); }
    void setPraiseTicksForTests(int ticks) { s.praiseStampTicks = static_cast<std::int16_t>(ticks); }
    void setCreatureSpeedForTests(std::int16_t i, int speed) {
        s.creatureSpeed[i] = static_cast<std::int16_t>(speed);
    }
    // Creature i parked, its slot's picture ready to come back after the given ticks of waiting.
    void parkCreatureForTests(std::int16_t i, int ticksWaited) {
        setCreatureState(i, mainscreen::CreatureState::parked);
        s.returnTicks[i] = static_cast<std::int16_t>(ticksWaited);
    }

protected:
    std::unique_ptr<toolkit::Window> build() override;
    void onLoad() override;
    void forgetControls() override { c = MainScreenControls{}; }
    void closeRequested() override;

private:
    void readQuestionBank();
    TileBoard tileBoard() const; // the tiles' letters and visibility, as the keyboard presses them
    void saveNearestCreature();  // the Down arrow's click
    void setTileShown(std::int16_t k, bool shown);
    void showScore();
    // Empties the answer line and the marked and plain lines.
    void clearAnswerLines();
    // Stores a new score, kept within the 16-bit range so no sum can crash the game, and shows it.
    void setScore(int value);
    // Steps of one chase tick for creature i.
    void moveCreature(std::int16_t i);
    void eatCreature(std::int16_t i);
    void bringBackCreature(std::int16_t i);
    void endGame();
    // The record: the word just answered right, and the game as it stands (written again each time, so a
    // game cut short keeps all but the word in play).
    void recordWord();
    void recordGame();
    void recordWrongAnswer();
    int pickedWord(); // the next word's number in the lists
    // The long-vowel mark as the word in play draws it, and the answer as the player reads it.
    mainscreen::MarkLook markLook() const;
    std::string shownAnswer(const std::string& answer) const;
    void showSpellingChoice();
    // The spoken word's button and menu item, shown while the device has a voice; the new word said when
    // the player chose so.
    void showSpeaking();
    void speakNewWord();
    bool readAloudRemembered() const;
    bool reviewRemembered() const; // にがてを れんしゅう, as chosen last time
    void showLongVowelHelp();
    Navigator& navigator_;
    MainScreenControls c;
    State s;
    // True while a chase tick runs (its result box may be open): no second tick may start meanwhile.
    bool chaseTickRunning_ = false;
    bool resultOpen_ = false; // the game is over and its result box is open
    bool readAloud_ = false;  // each new word is spoken (読み上げ)
};
