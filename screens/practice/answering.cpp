#include "screens/peers.h"
#include "screens/practice/rensyu.h"
#include "screens/practice/rensyu_look.h"

// The current target stays as long as its kana is unanswered, so the first target of a visit is the one the
// previous visit ended on. Otherwise targets are drawn among the records whose kana is still unanswered; when
// none is left, the last target stays rather than drawing for ever.
void Rensyu::ChooseTarget() {
    Random& random = peers_.services().random;
    random.seedFromClock();
    targetIndex = practice::nextTarget(table, answeredKana, targetIndex, random);
    targetPrompt = QString::fromStdString(table.promptList[static_cast<std::size_t>(targetIndex)]);
    targetAnswer = QString::fromStdString(table.answerList[static_cast<std::size_t>(targetIndex)]);
    if (c.Label2) c.Label2->setText(targetPrompt);
}

// Normally the target is unanswered and the tick only writes its prompt again; after a level is chosen the
// first tick shows the visit's first target even before START.
void Rensyu::Timer1_Timer() {
    ChooseTarget();
}

void Rensyu::Label1_Click(std::int16_t index) {
    toolkit::Label* label = c.Label1(index);
    const auto k = static_cast<std::size_t>(index);
    clickedText = chartCaptions[k];
    if (practice::answersTarget(clickedText, targetAnswer)) {
        answeredKana.set(k);
        label->setBackColor(rensyuLook::answeredMark);
        label->setBorder(false);
        ++correctCount;
        if (practice::cueForAnswer(correctCount) == Cue::Correct100)
            PlayCorrect100();
        else
            PlayCorrect();
        // The answered kana now shows what was asked for it.
        chartCaptions[k] = targetPrompt;
        label->setText(targetPrompt);
        ChooseTarget();
        if (untimedFlag == 0) {
            // Restart the target timer's period: the new prompt stays a full second before it is shown again.
            c.Timer1->setEnabled(false);
            c.Timer1->setEnabled(true);
        }
    }
    c.Label4->setText(QStringLiteral("%1こ").arg(correctCount));
    if (practice::finishesVisit(correctCount)) {
        peers_.cright().show();
        PlayCorrect100();
        PlayCorrect();
        PlayCorrect100();
        leave();
        // The leaving steps bring the main screen up over the opening that was just started: the reward
        // belongs in front until it closes itself.
        if (peers_.cright().isLoaded()) peers_.cright().show();
    }
}

void Rensyu::PlayCorrect() {
    peers_.services().sound.play(Cue::Correct);
}
void Rensyu::PlayCorrect100() {
    peers_.services().sound.play(Cue::Correct100);
}
