// SPDX-License-Identifier: GPL-3.0-or-later
// Naming a letter: the letter buttons and the judging of a letter.
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"
#include "runtime.h"

int StudioForm::sectorPoints(const QString& sector)
{
    bool ok = false;
    const int points = sector.toInt(&ok);
    return ok ? points : 0;
}

void StudioForm::SpeedButtonClick(int n)
{
    if (n < 1 || n > Alphabet::Size)
        return;
    TakePriz.hide();
    NamedLetter = Alphabet::letter(n);
    if (WordEntryMode) {
        setEdit1Text(Edit1.text + NamedLetter);
        return;
    }
    SpeedButton[n].hide();
    DisableAlphabet();
    Evaluate();
}

void StudioForm::Evaluate()
{
    WordSolvedAtBonus = false;
    if (WordEntryMode)
        judgeWord();
    else
        judgeLetter();
    setEdit1Text(QString());
}

void StudioForm::judgeLetter()
{
    const int points = sectorPoints(Sector);
    int count = 0;
    for (int i = 1; i <= Answer.size() && i <= 12; ++i) {
        if (Answer.at(i - 1) == NamedLetter) {
            ++count;
            Zas[i].hide();
        }
    }
    soundOfOpenedTiles(count);

    if (count >= 1) {
        ++LettersInRow;
        const int slot = currentSlot();
        if (slot) {
            int& score = player(slot).roundScore;
            if (Sector == QLatin1String("x2"))
                score = clampedScore(2LL * score);
            else
                score = clampedScore(static_cast<long long>(score) + static_cast<long long>(points) * count);
        }
        Question.text = HostPhrases::correctLetter(m_runtime.random.below(3));
        if (count >= 2)
            Question.text = HostPhrases::manyLetters(m_runtime.random.below(3), count);

        QString boardWord;
        if (allTilesHidden())
            for (int n = 1; n <= 12; ++n)
                boardWord += letters[n].text;

        bool bonusStarted = false;
        if (LettersInRow == 3) {
            bonusStarted = true;
            enableTurnButtons(false);
            DisableAlphabet();
            if (allTilesHidden())
                WordSolvedAtBonus = true;
            Question.text = HostPhrases::threeInRow(m_runtime.random.below(3));
            Timer10.start();
        }
        if (boardWord == Answer && allTilesHidden() && !bonusStarted) {
            Question.text = QStringLiteral("Вы отгадали слово!");
            showRoundBanner();
            Timer3.start();
        }
    }

    if (count >= 1) {
        DisableAlphabet();
        enableTurnButtons(true);
    }
    if (LettersInRow == 3)
        enableTurnButtons(false);
    if (count == 0) {
        sound(Sound::Buzz);
        Question.text = QStringLiteral("Увы, такой буквы в этом слове нет. Ход переходит другому.");
        Timer8.start();
    }
    lastPlayerAfterLetter(count);
    if (banner.visible)
        enableTurnButtons(false);
}

void StudioForm::Timer8Timer()
{
    Timer8.stop();
    DisableAlphabet();
    enableTurnButtons(false);
    NextTurn();
}
