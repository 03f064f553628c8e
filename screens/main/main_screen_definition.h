// SPDX-License-Identifier: MIT
#pragma once
// The main screen's controls, built from its definition: every label, tile, picture box, button, the line,
// the two timers and the menu bar, with the state they have when the window is created.
#include "services/romaji/romaji.h"
#include "toolkit/controlarray.h"
#include "toolkit/guard.h"
#include "toolkit/window.h"
#include <array>
#include <memory>

// The spellings the 書き方 menu offers, in its order: each with its item's caption and defined name, and
// what the last 遊び方 explanation says of long vowels while a word in that spelling is in play.
struct SpellingChoice {
    romaji::Spelling spelling;
    const char* caption;
    const char* objectName;
    const char* longVowelHelp;
};
inline constexpr SpellingChoice spellingChoices[] = {
    {romaji::Spelling::kunrei, "訓令式　（si  tu  o^）", "kunreiItem",
     "※　＾　はａｉｕｅｏの後でクリックします"},
    {romaji::Spelling::hepburnMacron, "ヘボン式（shi  tsu  ō）", "hepburnMacronItem",
     "※　¯　はａｉｕｅｏの後でクリックします（－キーでも）"},
    {romaji::Spelling::hepburnDoubled, "ヘボン式（shi  tsu  oo）", "hepburnDoubledItem",
     "※　のばす音に印はありません。かなのとおりに書きます（とう→tou）"},
};
// The main window's caption; the player in force follows it.
inline constexpr char mainCaption[] = "ポクラク　　　　　　　 Ver.7.2";
// How many players the プレイヤー menu can list.
inline constexpr std::size_t maxPlayers = 40;

// The 遊び方 explanation of the long-vowel mark, counted from 0.
inline constexpr std::size_t longVowelHelpItem = 6;

struct MainScreenControls {
    toolkit::ControlArray<toolkit::Label> tiles{"Label1"};               // letter tiles 0..23
    toolkit::Label* answerLabel = nullptr;                               // answer line, never shown
    toolkit::Label* wordLabel = nullptr;                                 // question word
    toolkit::Label* scoreLabel = nullptr;                                // score
    toolkit::Label* markedLineLabel = nullptr;                           // marked line
    toolkit::Label* creditLabel = nullptr;                               // author credit line
    toolkit::Label* plainLineLabel = nullptr;                            // plain line
    toolkit::Label* hintLabel = nullptr;                                 // hint
    toolkit::ControlArray<toolkit::Label> vowelLabels{"Label9"};         // vowel reminders 0..4
    toolkit::ControlArray<toolkit::PictureBox> creatures{"Picture1"};    // creatures 0..11
    toolkit::ControlArray<toolkit::PictureBox> parkingSlots{"Picture2"}; // slots 0..11
    toolkit::PictureBox* blankPicture = nullptr; // blank: copying its picture clears a box
    toolkit::PictureBox* praiseStamp = nullptr;  // correct-answer mark
    toolkit::PictureBox* cliffSign = nullptr;    // cliff sign
    toolkit::PictureBox* eatenMark = nullptr;    // eaten mark
    toolkit::Button* okButton = nullptr;         // OK
    toolkit::Button* retryButton = nullptr;      // retry
    toolkit::Button* hintButton = nullptr;       // hint
    toolkit::Line* answerRule = nullptr;
    toolkit::Timer* chaseTimer = nullptr; // chase tick
    toolkit::Timer* catchTimer = nullptr; // catch animation
    toolkit::MenuItem* chartMenuItem = nullptr;
    toolkit::MenuItem* practiceMenuItem = nullptr;
    toolkit::MenuItem* quitMenuItem = nullptr;
    toolkit::MenuItem* howToPlayMenu = nullptr;
    // The spelling answers are dealt in: Kunrei as the word list writes it, or Hepburn with long vowels
    // marked or doubled.
    toolkit::MenuItem* spellingMenu = nullptr;
    std::array<toolkit::MenuItem*, 3> spellingItems{}; // in the order of spellingChoices
    // How the game looks and moves: colours anyone can read, and less motion.
    toolkit::MenuItem* lookMenu = nullptr;
    toolkit::MenuItem* clearColoursItem = nullptr;
    toolkit::MenuItem* lessMotionItem = nullptr;
    // The word spoken by the device's Japanese voice: a button by the word band, and a choice that speaks
    // each new word; both only where the device has such a voice (speaking.cpp).
    toolkit::Button* speakButton = nullptr;
    toolkit::MenuItem* readAloudItem = nullptr;
    toolkit::MenuItem* makerMenu = nullptr;
    toolkit::MenuItem* makerMessageItem = nullptr;
    toolkit::MenuItem* openingMenuItem = nullptr;
    // The learning record: きろく and にがてを れんしゅう, and who plays.
    toolkit::MenuItem* recordMenu = nullptr;
    toolkit::MenuItem* recordViewItem = nullptr;
    toolkit::MenuItem* reviewItem = nullptr;
    toolkit::MenuItem* playerMenu = nullptr;
    std::array<toolkit::MenuItem*, maxPlayers>
        playerItems{}; // the record's players in order; the rest hidden
    toolkit::MenuItem* addPlayerItem = nullptr;
    toolkit::MenuItem* renamePlayerItem = nullptr;
    toolkit::MenuItem* removePlayerItem = nullptr;
};

// Twelve creatures, in index order (the zodiac's): the tooltip names the animal in romaji, the score above
// which it appears, and the animal's name in kana, which screen readers say for it and for its slot.
struct CreatureDef {
    const char* toolTip;
    const char* picture;
    int threshold;
    const char* name;
};
extern const CreatureDef creatureDefs[12];

class MainScreen;

// The button and the 見え方 item of the spoken word, wired to the screen (speaking.cpp).
void buildSpeaking(toolkit::Window& window, MainScreenControls& c, MainScreen& screen, toolkit::Guard& guard);

// Builds the window and every control, and connects each control's event to its handler of the screen.
std::unique_ptr<toolkit::Window> buildMainScreen(MainScreenControls& c, MainScreen& screen,
                                                 toolkit::Guard& guard);
