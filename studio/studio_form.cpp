// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"
#include "runtime.h"

namespace {
constexpr int Interval1ms = 1;
}

StudioForm::StudioForm(Runtime& runtime)
    : Form(QStringLiteral("Словодром"), 792, 562),
      firstTurnTimer(runtime, QStringLiteral("firstTurnTimer"), 2000, [this] { firstTurnTimeout(); }),
      promptTimer(runtime, QStringLiteral("promptTimer"), 3000, [this] { promptTimeout(); }),
      nextRoundTimer(runtime, QStringLiteral("nextRoundTimer"), 5000, [this] { nextRoundTimeout(); }),
      roundLostTimer(runtime, QStringLiteral("roundLostTimer"), 4000, [this] { roundLostTimeout(); }),
      prizeReturnTimer(runtime, QStringLiteral("prizeReturnTimer"), Interval1ms, [this] { prizeReturnTimeout(); }),
      wheelStepTimer(runtime, QStringLiteral("wheelStepTimer"), 150, [this] { wheelStepTimeout(); }),
      sectorMoveTimer(runtime, QStringLiteral("sectorMoveTimer"), 3000, [this] { sectorMoveTimeout(); }),
      missedLetterTimer(runtime, QStringLiteral("missedLetterTimer"), 3000, [this] { missedLetterTimeout(); }),
      boxesReturnTimer(runtime, QStringLiteral("boxesReturnTimer"), Interval1ms, [this] { boxesReturnTimeout(); }),
      toBoxesTimer(runtime, QStringLiteral("toBoxesTimer"), 3000, [this] { toBoxesTimeout(); }),
      // The watcher and the score refresh only follow what events change, so
      // they run after every event instead of ticking every millisecond.
      lastPlayerWatch(runtime, QStringLiteral("lastPlayerWatch"), Interval1ms, [this] { watchLastPlayer(); }, Timer::Mode::AfterEvent),
      scoreRefresh(runtime, QStringLiteral("scoreRefresh"), Interval1ms, [this] { refreshScores(); },
                 Timer::Mode::AfterEvent),
      m_runtime(runtime)
{
    for (int slot = 1; slot <= Player::Slots; ++slot) {
        player(slot).nameLabel.text = QStringLiteral("ИМЯ");
        player(slot).roundLabel.text = QStringLiteral("ОЧКИ");
        player(slot).totalLabel.text = QStringLiteral("ОЧКИ");
        player(slot).panel = Control{false, true, QStringLiteral("Игрок %1:").arg(slot), 0};
        player(slot).prizeCarrier = Control{false, true, {}, 0};
    }
    banner = Control{false, true, HostPhrases::nextRoundBanner(), 0};
    for (int n = 1; n <= Alphabet::Size; ++n)
        letterButtons[n] = Control{true, false, QString(Alphabet::letter(n)), 0};
    newGameButton.text = QStringLiteral("Новая игра");
    hostSpeech.text = QStringLiteral("Добро пожаловать на \nСловодром!");
    theme.text = QStringLiteral("***************Словодром****************");
    spinButton = Control{true, false, QStringLiteral("Крутить барабан"), 0};
    wordButton = Control{true, false, QStringLiteral("Назвать слово"), 0};
    wordBox.visible = false;
    takePrizeButton = Control{false, true, QStringLiteral("Взять приз"), 0};
    exitButton.text = QStringLiteral("Выход");
    roundCountCarrier = Control{false, false, {}, 0};
    boxPointsCarrier = Control{false, true, {}, 0};
    soundButton.text = QStringLiteral("Звук");
    scoreRefresh.start();
}

void StudioForm::link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end)
{
    m_menu = &menu;
    m_bargain = &bargain;
    m_twoBoxes = &twoBoxes;
    m_end = &end;
}

int StudioForm::currentSlot() const
{
    for (int slot = 1; slot <= Player::Slots; ++slot)
        if (player(slot).nameLabel.fontColor == Colors::Red)
            return slot;
    return 0;
}

int StudioForm::visiblePanels() const
{
    int n = 0;
    for (int slot = 1; slot <= Player::Slots; ++slot)
        n += player(slot).panel.visible ? 1 : 0;
    return n;
}

bool StudioForm::onePlayerLeft() const
{
    return playerCount != 1 && visiblePanels() == 1;
}

bool StudioForm::anyLetterLeft() const
{
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (letterButtons[n].visible)
            return true;
    return false;
}

void StudioForm::setRed(int slot)
{
    for (int s = 1; s <= Player::Slots; ++s)
        player(s).nameLabel.fontColor = s == slot ? Colors::Red : Colors::Black;
}

void StudioForm::enableTurnButtons(bool enabled)
{
    spinButton.enabled = enabled;
    wordButton.enabled = enabled;
}

void StudioForm::disableLetters()
{
    for (int n = 1; n <= Alphabet::Size; ++n)
        letterButtons[n].disable();
}

void StudioForm::showRoundBanner()
{
    // The banner that closes the last round says that the game is over,
    // whichever way the round ended.
    if (roundNumber == roundCount)
        banner.text = QStringLiteral("Игра окончена!");
    banner.show();
    sound(Sound::Applause);
}

void StudioForm::refreshScores()
{
    for (int slot = 1; slot <= Player::Slots; ++slot) {
        player(slot).roundLabel.text = QString::number(player(slot).roundScore);
        player(slot).totalLabel.text = QString::number(player(slot).totalScore);
    }
}
