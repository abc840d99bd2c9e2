// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game, the rounds, passing the turn, the prompt and leaving.
#include "studio_form.h"

#include "alphabet.h"
#include "end_form.h"
#include "question_choice.h"
#include "question_file.h"
#include "runtime.h"

namespace {

const QString& promptText(int r)
{
    static const QString prompts[3] = {
        QStringLiteral("Крутите барабан или назовите слово."),
        QStringLiteral("Вы можете крутить барабан или назвать слово."),
        QStringLiteral("Вы наверное уже знаете ответ - тогда назовите слово, нет - крутите барабан."),
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
    for (int n = 1; n <= 12; ++n)
        letters[n].hide();
    stopGameTimers();
    // The banner of a round that was ending goes too: nextRoundTimer would have hidden
    // it, and a banner left on view reads as a solved word to the letter rules.
    banner.text = QStringLiteral("Следующий раунд!");
    banner.hide();

    lastPlayerMoves = 0;
    for (Player& p : players)
        p.totalScore = 0;
    lettersInRow = 0;
    wheelTurns = wheelStep = wheelSlowTurn = 0;
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
    file.openExisting(m_runtime.workingFolder);
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
    for (int slot = 3; slot >= 1 && playerCount == 0; --slot)
        if (!player(slot).nameLabel.text.isEmpty())
            playerCount = slot;
    startRound();
}

void StudioForm::startRound()
{
    lastPlayerMoves = 0;
    for (int n = 1; n <= 12; ++n)
        tiles[n].disable();
    lastPlayerWatch.stop();
    enableTurnButtons(false);
    setRed(1);
    for (int n = 1; n <= Alphabet::Size; ++n)
        letterFree[static_cast<std::size_t>(n)] = 1;
    for (int n = 1; n <= 12; ++n) {
        letters[n].text.clear();
        letters[n].hide();
        tiles[n].hide();
    }
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
    const QString question = roundNumber >= 1 && roundNumber <= 10 ? roundQuestions[static_cast<std::size_t>(roundNumber)] : QString();
    hostSpeech.text = question;
    theme.text = question;
    answer = roundNumber >= 1 && roundNumber <= 10 ? roundAnswers[static_cast<std::size_t>(roundNumber)] : QString();
    wordEntryOpen = false;
    for (int slot = 1; slot <= playerCount; ++slot)
        player(slot).panel.show();
    for (int i = 1; i <= answer.size() && i <= 12; ++i) {
        tiles[i].show();
        letters[i].show();
        letters[i].text = answer.at(i - 1);
    }
    roundBox.text = QString::number(roundNumber);
    firstTurnPending = true;
    for (int slot = 1; slot <= 3; ++slot) {
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
    const QString result = shared ? QStringLiteral("Ничья!") : player(best).nameLabel.text;
    if (m_end)
        m_end->showResult(*this, result);
    sound(Sound::Finale);
}

void StudioForm::nextTurn()
{
    lettersInRow = 0;
    for (int n = 1; n <= 12; ++n)
        tiles[n].disable();
    disableLetters();
    wordEntryOpen = false;

    if (playerCount == 1) {
        setRed(1);
        firstTurnPending = false;
        hostSpeech.text = QStringLiteral("И снова ходит ") + player(1).nameLabel.text + QStringLiteral(".");
    } else {
        const int red = currentSlot();
        const bool p1 = player(1).panel.visible, p2 = player(2).panel.visible, p3 = player(3).panel.visible;
        auto moveTo = [this](int slot, const QString& lead) {
            setRed(slot);
            hostSpeech.text = lead + player(slot).nameLabel.text;
        };
        const QString now = QStringLiteral("Сейчас ходит "), again = QStringLiteral("Опять ходит ");
        if (red == 1 || red == 0) {
            if (firstTurnPending) {
                setRed(1);
                hostSpeech.text = QStringLiteral("Первым ходит ") + player(1).nameLabel.text + QStringLiteral(".");
                firstTurnPending = false;
            } else if (p2) {
                moveTo(2, now);
            } else if (p3) {
                moveTo(3, now);
            } else {
                moveTo(1, again);
            }
        } else if (red == 2) {
            if (p3)
                moveTo(3, now);
            else if (p1)
                moveTo(1, now);
            else
                moveTo(2, again);
        } else {
            if (p1)
                moveTo(1, now);
            else if (p2)
                moveTo(2, now);
            else
                moveTo(3, again);
        }
    }

    if (onePlayerLeft()) {
        lastPlayerWatch.start();
        enableTurnButtons(true);
        if (lastPlayerMoves == 0)
            hostSpeech.text = QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!");
        if (lastPlayerMoves == 3)
            lastPlayerMoves = 4;
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
    if (lastPlayerMoves == 0 && !lastPlayerWatch.isRunning()) {
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
    for (int n = 1; n <= 12; ++n)
        tiles[n].disable();
    enableTurnButtons(false);
    takePrizeButton.hide();
    if (m_menu)
        switchTo(*m_menu);
}
