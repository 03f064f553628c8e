// SPDX-License-Identifier: MIT
#include "screens/navigator.h"
#include "screens/practice/look.h"
#include "screens/practice/practice_screen.h"
#include "services/record/review.h"
#include <algorithm>

// The current target stays as long as its kana is unanswered, so the first target of a visit is the one the
// previous visit ended on. Otherwise targets are drawn among the records whose kana is still unanswered; when
// none is left, the last target stays rather than drawing for ever.
void PracticeScreen::chooseTarget() {
    Random& random = navigator_.services().random;
    random.seedFromClock();
    // The record is read only when a new kana is drawn, not on every tick that shows the prompt again.
    const auto current = static_cast<std::size_t>(s.targetIndex);
    if (s.weakDeal && current < s.table.labelList.size() &&
        practice::isAnswered(s.answeredKana, s.table.labelList[current]))
        s.targetIndex =
            practice::nextWeakTarget(s.table, s.answeredKana, s.targetIndex, weakKana(), random.next());
    else
        s.targetIndex = practice::nextTarget(s.table, s.answeredKana, s.targetIndex, random);
    const auto k = static_cast<std::size_t>(s.targetIndex);
    s.targetAnswer = s.table.answerList[k];
    // The prompt in the spelling the player chose, long vowels drawn with a macron where that spelling does.
    const romaji::Spelling spelling = navigator_.spelling();
    s.targetPrompt = romaji::spell(s.table.promptList[k], s.targetAnswer, spelling);
    if (romaji::drawsMacrons(spelling)) s.targetPrompt = romaji::withMacrons(s.targetPrompt);
    if (c.promptLabel) c.promptLabel->setText(s.targetPrompt);
}

// Normally the target is unanswered and the tick only writes its prompt again; after a level is chosen the
// first tick shows the visit's first target even before START.
void PracticeScreen::onTargetTick() {
    chooseTarget();
}

void PracticeScreen::onChartLabelClicked(std::int16_t index) {
    toolkit::Label* label = c.chartLabels(index);
    const auto k = static_cast<std::size_t>(index);
    const std::string clicked = s.chartCaptions[k];
    if (practice::answersTarget(clicked, s.targetAnswer)) {
        recordPrompt();
        s.answeredKana.set(k);
        label->setBackColor(practiceLook::answeredMark);
        label->setBorder(false);
        ++s.correctCount;
        if (practice::cueForAnswer(s.correctCount) == Cue::Correct100)
            play(Cue::Correct100);
        else
            play(Cue::Correct);
        // The answered kana now shows what was asked for it.
        s.chartCaptions[k] = s.targetPrompt;
        label->setText(s.targetPrompt);
        chooseTarget();
        promptShown();
        if (!s.untimed) {
            // Restart the target timer's period: the new prompt stays a full second before it is shown again.
            c.targetTimer->setEnabled(false);
            c.targetTimer->setEnabled(true);
        }
    } else
        s.promptMissed = true;
    c.countLabel->setText(std::to_string(s.correctCount) + "こ");
    if (practice::finishesVisit(s.correctCount)) {
        navigator_.playOpening();
        play(Cue::Correct100);
        play(Cue::Correct);
        play(Cue::Correct100);
        leave();
        navigator_.keepOpeningInFront();
    }
}

std::map<std::string, int> PracticeScreen::weakKana() const {
    return record::reviewBoxes(navigator_.record().entries(), navigator_.player()).kana;
}

void PracticeScreen::recordPrompt() {
    const record::Time now = navigator_.now();
    navigator_.record().add(
        record::PracticeAnswer{navigator_.player(), now, s.targetAnswer, !s.promptMissed,
                               static_cast<int>(std::max<record::Time>(0, now - s.promptShownAt))});
}

void PracticeScreen::promptShown() {
    s.promptShownAt = navigator_.now();
    s.promptMissed = false;
}

void PracticeScreen::play(Cue cue) {
    navigator_.services().sound.play(cue);
}

// The keyboard picks a kana by its romaji: the chart label of the record picked is clicked, a right or a
// wrong answer as the mouse gives it. Enter, Backspace and Escape act only while letters are typed;
// otherwise they, Space and every key that types no character are left to the focused button.
bool PracticeScreen::onKeyDown(const toolkit::KeyPress& key) {
    switch (key.key) {
    case toolkit::keys::enter:
    case toolkit::keys::keypadEnter:
        if (s.typedLetters.empty()) return false;
        typed(practice::typeEnter(s.table, s.typedLetters));
        return true;
    case toolkit::keys::backspace:
        if (s.typedLetters.empty()) return false;
        typed({s.typedLetters.substr(0, s.typedLetters.size() - 1), std::nullopt});
        return true;
    case toolkit::keys::escape:
        if (s.typedLetters.empty()) return false;
        typed({});
        return true;
    default:
        break;
    }
    if (key.text.size() != 1 || key.text[0] <= ' ' || key.text[0] > '~') return false;
    typed(practice::typeLetter(s.table, s.typedLetters, key.text[0]));
    return true;
}

void PracticeScreen::typed(const practice::Typing& typing) {
    s.typedLetters = typing.letters;
    c.typingLabel->setText(typingHelp + s.typedLetters);
    if (typing.picked)
        onChartLabelClicked(
            s.table.labelList[static_cast<std::size_t>(*typing.picked)]); // may close the window
}
