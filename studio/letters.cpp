// SPDX-License-Identifier: GPL-3.0-or-later
// Naming a letter: the letter buttons and the judging of a letter.
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"
#include "runtime.h"

void StudioForm::letterClicked(int n)
{
    if (n < 1 || n > Alphabet::Size)
        return;
    takePrizeButton.hide();
    namedLetter = Alphabet::letter(n);
    if (wordEntryOpen) {
        setWordText(wordBox.text + namedLetter);
        return;
    }
    letterButtons[n].hide();
    disableLetters();
    evaluate();
}

void StudioForm::evaluate()
{
    wordSolvedAtBonus = false;
    if (wordEntryOpen)
        judgeWord();
    else
        judgeLetter();
    setWordText(QString());
}

void StudioForm::judgeLetter()
{
    const int count = board.open(namedLetter);
    soundOfOpenedTiles(count);

    if (count >= 1) {
        ++lettersInRow;
        const int slot = currentSlot();
        if (slot) {
            int& score = player(slot).roundScore;
            if (sector == QLatin1String("x2"))
                score = clampedScore(2LL * score);
            else
                score = clampedScore(static_cast<long long>(score) + static_cast<long long>(Wheel::points(sector)) * count);
        }
        hostSpeech.text = HostPhrases::correctLetter(m_runtime.random.below(3));
        if (count >= 2)
            hostSpeech.text = HostPhrases::manyLetters(m_runtime.random.below(3), count);

        bool bonusStarted = false;
        if (lettersInRow == 3) {
            bonusStarted = true;
            enableTurnButtons(false);
            disableLetters();
            if (board.allOpen())
                wordSolvedAtBonus = true;
            hostSpeech.text = HostPhrases::threeInRow(m_runtime.random.below(3));
            toBoxesTimer.start();
        }
        if (board.allOpen() && board.word() == answer && !bonusStarted) {
            hostSpeech.text = HostPhrases::wordGuessed();
            showRoundBanner();
            nextRoundTimer.start();
        }
    }

    if (count >= 1) {
        disableLetters();
        enableTurnButtons(true);
    }
    if (lettersInRow == 3)
        enableTurnButtons(false);
    if (count == 0) {
        sound(Sound::Buzz);
        hostSpeech.text = QStringLiteral("Увы, такой буквы в этом слове нет. Ход переходит другому.");
        missedLetterTimer.start();
    }
    lastPlayerAfterLetter(count);
    if (banner.visible)
        enableTurnButtons(false);
}

void StudioForm::missedLetterTimeout()
{
    missedLetterTimer.stop();
    disableLetters();
    enableTurnButtons(false);
    nextTurn();
}
