// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio/studio_form.h"

#include "screens/bargain_form.h"
#include "screens/end_form.h"
#include "host/host_phrases.h"
#include "core/runtime.h"
#include "screens/two_boxes_form.h"

namespace {
// The delays of the game's pauses, in milliseconds.
constexpr int ThemeReadMs = 2000;       // the theme is read before the first turn
constexpr int PromptMs = 3000;          // a turn announced, then the prompt
constexpr int BannerMs = 5000;          // the banner between rounds
constexpr int RoundLostMs = 4000;       // nobody named the word
constexpr int SectorShownMs = 3000;     // the sector announced, then it takes effect
constexpr int LetterMissedMs = 3000;    // a missed letter, then the turn passes
constexpr int ToBoxesMs = 3000;         // three letters in a row, then the two boxes
constexpr int HandBackMs = 1;           // back from a side screen: at once, as an event of its own
constexpr int AfterEveryEventMs = 1;    // nominal: run after every event, never by the clock
}

StudioForm::StudioForm(Runtime& runtime)
    : Form(QStringLiteral("Словодром"), 792, 562),
      firstTurnTimer(runtime, QStringLiteral("firstTurnTimer"), ThemeReadMs, [this] { firstTurnTimeout(); }),
      promptTimer(runtime, QStringLiteral("promptTimer"), PromptMs, [this] { promptTimeout(); }),
      nextRoundTimer(runtime, QStringLiteral("nextRoundTimer"), BannerMs, [this] { nextRoundTimeout(); }),
      roundLostTimer(runtime, QStringLiteral("roundLostTimer"), RoundLostMs, [this] { roundLostTimeout(); }),
      prizeReturnTimer(runtime, QStringLiteral("prizeReturnTimer"), HandBackMs, [this] { prizeReturnTimeout(); }),
      wheelStepTimer(runtime, QStringLiteral("wheelStepTimer"), Wheel::FirstStepMs, [this] { wheelStepTimeout(); }),
      sectorMoveTimer(runtime, QStringLiteral("sectorMoveTimer"), SectorShownMs, [this] { sectorMoveTimeout(); }),
      missedLetterTimer(runtime, QStringLiteral("missedLetterTimer"), LetterMissedMs, [this] { missedLetterTimeout(); }),
      boxesReturnTimer(runtime, QStringLiteral("boxesReturnTimer"), HandBackMs, [this] { boxesReturnTimeout(); }),
      toBoxesTimer(runtime, QStringLiteral("toBoxesTimer"), ToBoxesMs, [this] { toBoxesTimeout(); }),
      // The watcher and the presenting only follow what events change, so
      // they run after every event instead of ticking every millisecond; the
      // presenting comes last, after whatever the watcher changed.
      lastPlayerWatch(runtime, QStringLiteral("lastPlayerWatch"), AfterEveryEventMs, [this] { watchLastPlayer(); }, Timer::Mode::AfterEvent),
      presentTimer(runtime, QStringLiteral("presentTimer"), AfterEveryEventMs, [this] { present(); }, Timer::Mode::AfterEvent),
      // The computer's turn follows the presented screen, as a person's eye would.
      computerTurnWatch(runtime, QStringLiteral("computerTurnWatch"), AfterEveryEventMs, [this] { watchComputerTurn(); }, Timer::Mode::AfterEvent),
      computerThinkingTimer(runtime, QStringLiteral("computerThinkingTimer"), 1000, [this] { computerThinkingTimeout(); }),
      computerTypingTimer(runtime, QStringLiteral("computerTypingTimer"), 300, [this] { computerTypingTimeout(); }),
      m_runtime(runtime)
{
    for (int seat = 1; seat <= SeatPanel::Seats; ++seat) {
        panel(seat).nameLabel.text = QStringLiteral("ИМЯ");
        panel(seat).roundLabel.text = QStringLiteral("ОЧКИ");
        panel(seat).totalLabel.text = QStringLiteral("ОЧКИ");
        panel(seat).panel = Control{false, true, QStringLiteral("Игрок %1:").arg(seat), 0};
    }
    banner = Control{false, true, HostPhrases::nextRoundBanner(), 0};
    for (int n = 1; n <= Alphabet::Size; ++n)
        letterButtons[n] = Control{true, false, QString(Alphabet::letter(n)), 0};
    newGameButton.text = QStringLiteral("Новая игра");
    hostSpeech.text = HostPhrases::welcomeAtStart();
    theme.text = QStringLiteral("***************Словодром****************");
    spinButton = Control{true, false, QStringLiteral("Крутить барабан"), 0};
    wordButton = Control{true, false, QStringLiteral("Назвать слово"), 0};
    wordBox.visible = false;
    takePrizeButton = Control{false, true, QStringLiteral("Взять приз"), 0};
    exitButton.text = QStringLiteral("Выход");
    soundButton.text = QStringLiteral("Звук");
    pauseButton.text = QStringLiteral("Пауза");
    // The one button that works in a pause: the one that ends it.
    runtime.dispatcher.letThroughWhenHeld(pauseButton);
    presentTimer.start();
    computerTurnWatch.start();
}

void StudioForm::link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end)
{
    m_menu = &menu;
    m_bargain = &bargain;
    m_twoBoxes = &twoBoxes;
    m_end = &end;
    bargain.onDone([this](int points) { prizeSettled(points); });
    twoBoxes.onDone([this](int points) { boxesSettled(points); });
}

void StudioForm::present()
{
    const Round& r = m_round;
    const Phase phase = r.phase();
    // In a pause nothing but the pause button can be used, and every control says so.
    const bool pause = paused();
    for (int seat = 1; seat <= SeatPanel::Seats; ++seat) {
        SeatPanel& p = panel(seat);
        const Player& who = r.player(seat);
        p.panel.visible = who.inRound;
        p.nameLabel.text = who.name;
        // The one whose turn it is stands out in red.
        p.nameLabel.fontColor = seat == r.current() ? Colors::Red : Colors::Black;
        p.roundLabel.text = QString::number(who.roundScore);
        p.totalLabel.text = QString::number(who.totalScore);
    }
    board.present(r, m_letterPlaces);
    const bool letters = r.canNameLetter() && !pause;
    for (int n = 1; n <= Alphabet::Size; ++n) {
        letterButtons[n].visible = !r.letterUsed(n);
        letterButtons[n].enabled = letters;
    }
    if (pause)
        for (int n = 1; n <= Board::Tiles; ++n)
            board.tiles[n].enabled = false;
    spinButton.enabled = r.canSpin() && !pause;
    wordButton.enabled = r.canNameWord() && !pause;
    wordBox.visible = phase == Phase::WordEntry;
    takePrizeButton.visible = r.prizeOnOffer();
    for (Control* c : {&wordBox, &takePrizeButton, &newGameButton, &exitButton, &soundButton})
        c->enabled = !pause;
    // A game on can be paused.
    pauseButton.enabled = pause || (phase != Phase::NoGame && phase != Phase::GameOver);
    // The banner between rounds, unless the round just ran out of players who
    // could name the word.
    banner.visible = phase == Phase::RoundOver && r.roundEnd() != Round::RoundEnd::NobodyNamedIt;
}

void StudioForm::pauseClicked()
{
    m_runtime.pause.toggle();
}

bool StudioForm::paused() const
{
    return m_runtime.pause.isOn();
}

const Control& StudioForm::pauseCard() const
{
    return m_runtime.pause.card;
}

void StudioForm::showRoundBanner()
{
    // The banner that closes the last round says that the game is over,
    // whichever way the round ended.
    if (m_round.roundNumber() == m_round.roundCount())
        banner.text = HostPhrases::gameOverBanner();
    sound(Sound::Applause);
}

// The word is out: the banner, and the next round after it.
void StudioForm::roundWon()
{
    showRoundBanner();
    nextRoundTimer.start();
}
