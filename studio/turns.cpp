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
    for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer10, &Timer11})
        t->stop();
}

void StudioForm::SpeedButton34Click()
{
    for (int n = 1; n <= 12; ++n)
        letters[n].hide();
    stopGameTimers();
    // The banner of a round that was ending goes too: Timer3 would have hidden
    // it, and a banner left on view reads as a solved word to the letter rules.
    banner.text = QStringLiteral("Следующий раунд!");
    banner.hide();

    EffectiveMoveCount = 0;
    for (Player& p : players)
        p.totalScore = 0;
    LettersInRow = 0;
    WheelTurns = WheelStep = WheelSlowTurn = 0;
    SectorNumber = 0;
    RoundCount = 0;
    PlayerCount = 0;
    RoundNumber = 0;
    PickedRecords.fill(0);
    RoundQuestions.fill(QString());
    RoundAnswers.fill(QString());
    WordEntryMode = false;
    FirstTurnPending = false;
    Sector.clear();
    Answer.clear();
    NamedWord.clear();
    for (Player& p : players)
        p.roundScore = 0;
    // A word entry left open by the old game goes with it.
    Edit1.hide();

    QuestionFile file;
    file.openExisting(m_runtime.workingFolder);
    RoundCount = Edit2.text.toInt();
    TakePriz.hide();
    const GameQuestions chosen = chooseGameQuestions(file, m_runtime.random, RoundCount);
    for (int i = 0; i < GameQuestions::Slots; ++i) {
        PickedRecords[static_cast<std::size_t>(i + 1)] = chosen.records[static_cast<std::size_t>(i)];
        RoundQuestions[static_cast<std::size_t>(i + 1)] = chosen.questions[static_cast<std::size_t>(i)];
        RoundAnswers[static_cast<std::size_t>(i + 1)] = chosen.answers[static_cast<std::size_t>(i)];
    }
    file.close();

    // The players are those the set-up screen named, whether or not they are
    // still in the round that was going on.
    PlayerCount = 0;
    for (int slot = 3; slot >= 1 && PlayerCount == 0; --slot)
        if (!player(slot).nameLabel.text.isEmpty())
            PlayerCount = slot;
    StartRound();
}

void StudioForm::StartRound()
{
    EffectiveMoveCount = 0;
    for (int n = 1; n <= 12; ++n)
        Zas[n].disable();
    Timer11.stop();
    enableTurnButtons(false);
    setRed(1);
    for (int n = 1; n <= Alphabet::Size; ++n)
        LetterFree[static_cast<std::size_t>(n)] = 1;
    for (int n = 1; n <= 12; ++n) {
        letters[n].text.clear();
        letters[n].hide();
        Zas[n].hide();
    }
    for (int n = 1; n <= Alphabet::Size; ++n) {
        SpeedButton[n].disable();
        SpeedButton[n].show();
    }
    ++RoundNumber;
    // No word box outlives its round.
    Edit1.hide();
    WordEntryMode = false;
    setEdit1Text(QString());
    Question.show();
    RaundQuestion.show();
    const QString question = RoundNumber >= 1 && RoundNumber <= 10 ? RoundQuestions[static_cast<std::size_t>(RoundNumber)] : QString();
    Question.text = question;
    RaundQuestion.text = question;
    Answer = RoundNumber >= 1 && RoundNumber <= 10 ? RoundAnswers[static_cast<std::size_t>(RoundNumber)] : QString();
    WordEntryMode = false;
    for (int slot = 1; slot <= PlayerCount; ++slot)
        player(slot).panel.show();
    for (int i = 1; i <= Answer.size() && i <= 12; ++i) {
        Zas[i].show();
        letters[i].show();
        letters[i].text = Answer.at(i - 1);
    }
    LabeledEdit1.text = QString::number(RoundNumber);
    FirstTurnPending = true;
    for (int slot = 1; slot <= 3; ++slot) {
        player(slot).totalScore = clampedScore(static_cast<long long>(player(slot).totalScore) + player(slot).roundScore);
        player(slot).roundScore = 0;
    }
    if (RoundNumber == RoundCount + 1)
        endOfGame();
    else
        Timer1.start();
}

void StudioForm::endOfGame()
{
    // The winner has more points than each of the others; a shared top is a draw.
    int best = 1;
    bool shared = false;
    for (int slot = 2; slot <= PlayerCount; ++slot) {
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

void StudioForm::NextTurn()
{
    LettersInRow = 0;
    for (int n = 1; n <= 12; ++n)
        Zas[n].disable();
    DisableAlphabet();
    WordEntryMode = false;

    if (PlayerCount == 1) {
        setRed(1);
        FirstTurnPending = false;
        Question.text = QStringLiteral("И снова ходит ") + player(1).nameLabel.text + QStringLiteral(".");
    } else {
        const int red = currentSlot();
        const bool p1 = player(1).panel.visible, p2 = player(2).panel.visible, p3 = player(3).panel.visible;
        auto moveTo = [this](int slot, const QString& lead) {
            setRed(slot);
            Question.text = lead + player(slot).nameLabel.text;
        };
        const QString now = QStringLiteral("Сейчас ходит "), again = QStringLiteral("Опять ходит ");
        if (red == 1 || red == 0) {
            if (FirstTurnPending) {
                setRed(1);
                Question.text = QStringLiteral("Первым ходит ") + player(1).nameLabel.text + QStringLiteral(".");
                FirstTurnPending = false;
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
        Timer11.start();
        enableTurnButtons(true);
        if (EffectiveMoveCount == 0)
            Question.text = QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!");
        if (EffectiveMoveCount == 3)
            EffectiveMoveCount = 4;
    }
    Timer2.start();
}

void StudioForm::Timer1Timer()
{
    Timer1.stop();
    NextTurn();
}

void StudioForm::Timer2Timer()
{
    Timer2.stop();
    const int r = m_runtime.random.below(3);
    if (EffectiveMoveCount == 0 && !Timer11.isRunning()) {
        Question.text = promptText(r);
        KrutButton.show();
        SlovoButton.show();
        enableTurnButtons(true);
    }
}

void StudioForm::Timer3Timer()
{
    Timer3.stop();
    banner.hide();
    StartRound();
}

void StudioForm::Timer4Timer()
{
    Timer4.stop();
    StartRound();
}

void StudioForm::BitBtn1Click()
{
    // The game is abandoned: nothing of it may run on behind the menu, and only
    // "Новая игра" can start play again.
    stopGameTimers();
    Edit1.hide();
    WordEntryMode = false;
    DisableAlphabet();
    for (int n = 1; n <= 12; ++n)
        Zas[n].disable();
    enableTurnButtons(false);
    TakePriz.hide();
    if (m_menu)
        switchTo(*m_menu);
}
