// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game, the rounds, passing the turn, the prompt and leaving.
#include "studio/studio_form.h"

#include "screens/end_form.h"
#include "host/host_phrases.h"
#include "questions/question_choice.h"
#include "questions/question_file.h"
#include "core/runtime.h"

void StudioForm::stopGameTimers()
{
    for (Timer* t : {&firstTurnTimer, &promptTimer, &nextRoundTimer, &roundLostTimer, &prizeReturnTimer, &wheelStepTimer, &sectorMoveTimer, &missedLetterTimer, &boxesReturnTimer, &toBoxesTimer, &lastPlayerWatch,
                      &computerThinkingTimer, &computerTypingTimer})
        t->stop();
}

void StudioForm::playersNamed(const QStringList& names, int rounds, const ComputerLevels& computers)
{
    m_round.seat(names, rounds);
    m_computers = computers;
}

void StudioForm::newGameClicked()
{
    m_letterPlaces = 0;
    stopGameTimers();
    // The banner of a round that was ending goes too.
    banner.text = HostPhrases::nextRoundBanner();
    m_round.newGame();
    wheel.rest();
    pickedRecords.fill(0);
    roundQuestions.fill(QString());
    roundAnswers.fill(QString());

    QuestionFile file;
    file.openForReading(m_runtime.workingFolder);
    m_round.beginGame();
    const GameQuestions chosen = chooseGameQuestions(file, m_runtime.random, m_round.roundCount());
    for (int i = 0; i < GameQuestions::Slots; ++i) {
        pickedRecords[static_cast<std::size_t>(i + 1)] = chosen.records[static_cast<std::size_t>(i)];
        roundQuestions[static_cast<std::size_t>(i + 1)] = chosen.questions[static_cast<std::size_t>(i)];
        roundAnswers[static_cast<std::size_t>(i + 1)] = chosen.answers[static_cast<std::size_t>(i)];
    }
    file.close();
    startRound();
}

void StudioForm::clearForNewPlayers()
{
    hostSpeech.text = HostPhrases::welcome();
    roundBox.text = QStringLiteral("1");
    m_round.clearSeats();
    m_computers = {};
}

void StudioForm::startRound()
{
    lastPlayerWatch.stop();
    const int number = m_round.roundNumber() + 1;
    // No word box outlives its round.
    setWordText(QString());
    const bool drawn = number >= 1 && number <= GameQuestions::Slots;
    const QString question = drawn ? roundQuestions[static_cast<std::size_t>(number)] : QString();
    hostSpeech.text = question;
    theme.text = question;
    m_round.startRound(drawn ? roundAnswers[static_cast<std::size_t>(number)] : QString());
    m_letterPlaces = m_round.board().size();
    roundBox.text = QString::number(number);
    if (m_round.phase() == Phase::GameOver)
        endOfGame();
    else
        firstTurnTimer.start();
}

void StudioForm::endOfGame()
{
    const int winner = m_round.winner();
    if (m_end && !winner)
        m_end->showDraw(*this);
    else if (m_end)
        m_end->showWinner(*this, m_round.player(winner).name);
    sound(Sound::Finale);
}

void StudioForm::nextTurn()
{
    const Round::TurnOutcome turn = m_round.nextTurn();
    hostSpeech.text = HostPhrases::turn(turn.kind, m_round.player(turn.seat).name);
    if (m_round.lastPlayer()) {
        lastPlayerWatch.start();
        if (turn.lastPlayerStarts)
            hostSpeech.text = HostPhrases::lastPlayerStarts();
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
    const int r = m_runtime.random.below(HostPhrases::Variants);
    if (m_round.lastPlayerMoves() == LastPlayerMoves::Off && !lastPlayerWatch.isRunning()) {
        hostSpeech.text = HostPhrases::prompt(r);
        m_round.openChoice();
    }
}

void StudioForm::nextRoundTimeout()
{
    nextRoundTimer.stop();
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
    m_round.leave();
    if (m_menu)
        switchTo(*m_menu);
}
