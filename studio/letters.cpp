// SPDX-License-Identifier: GPL-3.0-or-later
// Naming a letter: the letter buttons and the judging of a letter.
#include "studio/studio_form.h"

#include "host/host_phrases.h"
#include "core/runtime.h"

void StudioForm::letterClicked(int n)
{
    if (n < 1 || n > Alphabet::Size)
        return;
    if (m_round.phase() == Phase::WordEntry) {
        // In the word entry a letter is typed into the word.
        setWordText(wordBox.text + Alphabet::letter(n));
        return;
    }
    judgeLetter(n);
    setWordText(QString());
}

void StudioForm::judgeLetter(int n)
{
    const LastPlayerMoves movesBefore = m_round.lastPlayerMoves();
    const Round::LetterOutcome out = m_round.nameLetter(n);
    soundOfOpenedTiles(out.opened);

    if (out.opened >= 1) {
        hostSpeech.text = HostPhrases::correctLetter(m_runtime.random.below(HostPhrases::Variants));
        if (out.opened >= 2)
            hostSpeech.text = HostPhrases::manyLetters(m_runtime.random.below(HostPhrases::Variants), out.opened);
        if (out.bonus) {
            hostSpeech.text = HostPhrases::threeInRow(m_runtime.random.below(HostPhrases::Variants));
            toBoxesTimer.start();
        }
        if (out.solved) {
            hostSpeech.text = HostPhrases::wordGuessed();
            roundWon();
        }
    } else {
        sound(Sound::Buzz);
        hostSpeech.text = HostPhrases::missedLetter();
        missedLetterTimer.start();
    }

    // The last player hears how his moves stand.
    if (movesBefore != LastPlayerMoves::Off) {
        if (movesBefore < LastPlayerMoves::ThirdTaken)
            hostSpeech.text = HostPhrases::lastPlayerLetter(out.opened >= 1);
        if (movesBefore == LastPlayerMoves::ThirdTaken)
            hostSpeech.text = HostPhrases::movesUsedUp();
        if (out.solved) {
            hostSpeech.text = HostPhrases::lastPlayerSolved();
            lastPlayerWatch.stop();
        }
    }
}

void StudioForm::missedLetterTimeout()
{
    missedLetterTimer.stop();
    m_round.letterMissedDone();
    nextTurn();
}
