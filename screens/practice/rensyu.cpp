#include "screens/practice/rensyu.h"
#include "screens/datafile_message.h"
#include "screens/peers.h"
#include "screens/practice/rensyu_chart.h"

using namespace toolkit;

Rensyu::Rensyu(ScreenPeers& peers) : Screen(peers), peers_(peers) {}

ScreenWindow* Rensyu::build() {
    ScreenWindow* window = buildRensyu(c);
    // Every window comes up with the chart unanswered, each label showing its kana.
    answeredKana.reset();
    for (int k = 0; k < practice::chartSize; ++k)
        chartCaptions[static_cast<std::size_t>(k)] = chartKana(k);
    for (std::int16_t k = 0; k < c.Label1.count(); ++k)
        on(c.Label1(k), &Label::clicked, [this, k] { Label1_Click(k); });
    on(c.Command1, &Button::clicked, [this] { Command1_Click(); });
    on(c.Command2, &Button::clicked, [this] { Command2_Click(); });
    on(c.Timer1, &Timer::tick, [this] { Timer1_Timer(); });
    on(c.Timer2, &Timer::tick, [this] { Timer2_Timer(); });
    on(c.syokyuu, &QAction::triggered, [this] { syokyuu_Click(); });
    on(c.tyuukyuu, &QAction::triggered, [this] { tyuukyuu_Click(); });
    on(c.jyoukyuu, &QAction::triggered, [this] { jyoukyuu_Click(); });
    on(c.bb(0), &QAction::triggered, [this] { bb_Click(0); });
    on(c.rowaru, &QAction::triggered, [this] { rowaru_Click(); });
    return window;
}

// Each visit starts with the main screen out of the way, the chart beside the practice screen, fresh counts
// and the practice data read anew. The target and its texts stay from the previous visit.
void Rensyu::Form_Load() {
    verdictGiven_ = false;
    peers_.form1().hide();
    peers_.form2().show();
    c.Command1->show();
    tickLimit = practice::runTicks;
    untimedFlag = 0;
    correctCount = 0;
    tickCount = 0;
    table =
        readingDataFile([this] { return loadPracticeTable(peers_.services().dataPath(practiceDataFile)); });
}

const QWidget* Rensyu::standBeside() const {
    return peers_.form2().window();
}

void Rensyu::leave() {
    if (c.Timer1) c.Timer1->setEnabled(false);
    if (c.Timer2) c.Timer2->setEnabled(false);
    close();
    peers_.form1().show();
    peers_.form2().hide();
    peers_.setChartMenuCaption(QStringLiteral("ローマ字表"));
}

void Rensyu::rowaru_Click() {
    leave();
}
