// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game, the rounds, passing the turn, the prompt and leaving.
#include "studio_form.h"

#include "alphabet.h"
#include "end_form.h"
#include "host_phrases.h"
#include "question_choice.h"
#include "question_file.h"
#include "runtime.h"

#include <algorithm>

namespace {

const QString& promptText(int r)
{
    static const QString prompts[3] = {
        QStringLiteral("Крутите барабан или назовите слово."),
        QStringLiteral("Вы можете крутить барабан или назвать слово."),
        QStringLiteral("Вы, наверное, уже знаете ответ — тогда назовите слово, нет — крутите барабан."),
    };
    return prompts[r];
}

}

void StudioForm::stopGameTimers()
{
    for (Timer* t : {&firstTurnTimer, &promptTimer, &nextRoundTimer, &roundLostTimer, &prizeReturnTimer, &wheelStepTimer, &sectorMoveTimer, &missedLetterTimer, &boxesReturnTimer, &toBoxesTimer, &lastPlayerWatch})
        t->stop();
}

void StudioForm::newGameClicked()
{
    board.hideLetters();
    stopGameTimers();
    // The banner of a round that was ending goes too: nextRoundTimer would have hidden
    // it, and a banner left on view reads as a solved word to the letter rules.
    banner.text = HostPhrases::nextRoundBanner();
    banner.hide();

    lastPlayerMoves = LastPlayerMoves::Off;
    for (Player& p : players)
        p.totalScore = 0;
    lettersInRow = 0;
    wheel.rest();
    sectorNumber = 0;
    roundCount = 0;
    playerCount = 0;
    roundNumber = 0;
    pickedRecords.fill(0);
    roundQuestions.fill(QString());
    roundAnswers.fill(QString());
    wordEntryOpen = false;
    firstTurnPending = false;
    sector.clear();
    answer.clear();
    namedWord.clear();
    for (Player& p : players)
        p.roundScore = 0;
    // A word entry left open by the old game goes with it.
    wordBox.hide();

    QuestionFile file;
    file.openForReading(m_runtime.workingFolder);
    roundCount = roundCountCarrier.text.toInt();
    takePrizeButton.hide();
    const GameQuestions chosen = chooseGameQuestions(file, m_runtime.random, roundCount);
    for (int i = 0; i < GameQuestions::Slots; ++i) {
        pickedRecords[static_cast<std::size_t>(i + 1)] = chosen.records[static_cast<std::size_t>(i)];
        roundQuestions[static_cast<std::size_t>(i + 1)] = chosen.questions[static_cast<std::size_t>(i)];
        roundAnswers[static_cast<std::size_t>(i + 1)] = chosen.answers[static_cast<std::size_t>(i)];
    }
    file.close();

    // The players are those the set-up screen named, whether or not they are
    // still in the round that was going on.
    playerCount = 0;
    for (int slot = Player::Slots; slot >= 1 && playerCount == 0; --slot)
        if (!player(slot).nameLabel.text.isEmpty())
            playerCount = slot;
    startRound();
}

void StudioForm::clearForNewPlayers()
{
    wordBox.hide();
    spinButton.disable();
    wordButton.disable();
    hostSpeech.text = QStringLiteral("Добро пожаловать на Словодром!");
    board.wipe();
    banner.hide();
    takePrizeButton.hide();
    roundBox.text = QStringLiteral("1");
    for (int slot = 1; slot <= Player::Slots; ++slot) {
        player(slot).nameLabel.text.clear();
        player(slot).roundLabel.text = QStringLiteral("0");
        player(slot).panel.hide();
    }
}

void StudioForm::startRound()
{
    lastPlayerMoves = LastPlayerMoves::Off;
    board.setTilesEnabled(false);
    lastPlayerWatch.stop();
    enableTurnButtons(false);
    setRed(1);
    for (int n = 1; n <= Alphabet::Size; ++n)
        letterFree[static_cast<std::size_t>(n)] = 1;
    for (int n = 1; n <= Alphabet::Size; ++n) {
        letterButtons[n].disable();
        letterButtons[n].show();
    }
    ++roundNumber;
    // No word box outlives its round.
    wordBox.hide();
    wordEntryOpen = false;
    setWordText(QString());
    hostSpeech.show();
    theme.show();
    const bool drawn = roundNumber >= 1 && roundNumber <= GameQuestions::Slots;
    const QString question = drawn ? roundQuestions[static_cast<std::size_t>(roundNumber)] : QString();
    hostSpeech.text = question;
    theme.text = question;
    answer = drawn ? roundAnswers[static_cast<std::size_t>(roundNumber)] : QString();
    wordEntryOpen = false;
    for (int slot = 1; slot <= playerCount; ++slot)
        player(slot).panel.show();
    board.setWord(answer);
    roundBox.text = QString::number(roundNumber);
    firstTurnPending = true;
    for (int slot = 1; slot <= Player::Slots; ++slot) {
        player(slot).totalScore = clampedScore(static_cast<long long>(player(slot).totalScore) + player(slot).roundScore);
        player(slot).roundScore = 0;
    }
    if (roundNumber == roundCount + 1)
        endOfGame();
    else
        firstTurnTimer.start();
}

void StudioForm::endOfGame()
{
    // The winner has more points than each of the others; a shared top is a draw.
    int best = 1;
    bool shared = false;
    for (int slot = 2; slot <= playerCount; ++slot) {
        if (player(slot).totalScore > player(best).totalScore) {
            best = slot;
            shared = false;
        } else if (player(slot).totalScore == player(best).totalScore) {
            shared = true;
        }
    }
    if (m_end && shared)
        m_end->showDraw(*this);
    else if (m_end)
        m_end->showWinner(*this, player(best).nameLabel.text);
    sound(Sound::Finale);
}

// The turn goes round to the next player still in the round; with nobody
// else left it stays.
void StudioForm::passTurn()
{
    const int from = std::max(1, currentSlot());
    for (int step = 1; step < Player::Slots; ++step) {
        const int slot = (from - 1 + step) % Player::Slots + 1;
        if (player(slot).panel.visible) {
            setRed(slot);
            hostSpeech.text = QStringLiteral("Сейчас ходит ") + player(slot).nameLabel.text + QStringLiteral(".");
            return;
        }
    }
    setRed(from);
    hostSpeech.text = QStringLiteral("Опять ходит ") + player(from).nameLabel.text + QStringLiteral(".");
}

void StudioForm::nextTurn()
{
    lettersInRow = 0;
    board.setTilesEnabled(false);
    disableLetters();
    wordEntryOpen = false;

    if (playerCount == 1) {
        setRed(1);
        firstTurnPending = false;
        hostSpeech.text = QStringLiteral("И снова ходит ") + player(1).nameLabel.text + QStringLiteral(".");
    } else if (firstTurnPending && currentSlot() <= 1) {
        setRed(1);
        hostSpeech.text = QStringLiteral("Первым ходит ") + player(1).nameLabel.text + QStringLiteral(".");
        firstTurnPending = false;
    } else {
        passTurn();
    }

    if (onePlayerLeft()) {
        lastPlayerWatch.start();
        enableTurnButtons(true);
        if (lastPlayerMoves == LastPlayerMoves::Off)
            hostSpeech.text = QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!");
        if (lastPlayerMoves == LastPlayerMoves::ThirdTaken)
            lastPlayerMoves = LastPlayerMoves::UsedUp;
    }
    promptTimer.start();
}

void StudioForm::firstTurnTimeout()
{
    firstTurnTimer.stop();
    nextTurn();
}

void StudioForm::promptTimeout()
{
    promptTimer.stop();
    const int r = m_runtime.random.below(3);
    if (lastPlayerMoves == LastPlayerMoves::Off && !lastPlayerWatch.isRunning()) {
        hostSpeech.text = promptText(r);
        spinButton.show();
        wordButton.show();
        enableTurnButtons(true);
    }
}

void StudioForm::nextRoundTimeout()
{
    nextRoundTimer.stop();
    banner.hide();
    startRound();
}

void StudioForm::roundLostTimeout()
{
    roundLostTimer.stop();
    startRound();
}

void StudioForm::exitClicked()
{
    // The game is abandoned: nothing of it may run on behind the menu, and only
    // "Новая игра" can start play again.
    stopGameTimers();
    wordBox.hide();
    wordEntryOpen = false;
    disableLetters();
    board.setTilesEnabled(false);
    enableTurnButtons(false);
    takePrizeButton.hide();
    if (m_menu)
        switchTo(*m_menu);
}
