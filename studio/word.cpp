// SPDX-License-Identifier: GPL-3.0-or-later
// Naming the whole word.
#include "studio/studio_form.h"

#include "host/host_phrases.h"

void StudioForm::wordClicked()
{
    m_round.chooseWord();
    openWordEntry();
}

void StudioForm::openWordEntry()
{
    // The first turn cannot come any more: the word is being named.
    firstTurnTimer.stop();
}

void StudioForm::setWordText(const QString& text)
{
    if (wordBox.text == text)
        return;
    wordBox.text = text;
    wordChanged();
}

void StudioForm::wordEdited(const QString& text)
{
    setWordText(text.toUpper());
}

void StudioForm::wordChanged()
{
    // Counted in characters, not UTF-16 units, so that nothing typed can
    // make the word look longer than it is.
    const qsizetype length = wordBox.text.toUcs4().size();
    // Only an open entry hands a word in: text that reaches a closed box is
    // neither a word nor a letter.
    const QString& answer = m_round.answer();
    if (m_round.phase() != Phase::WordEntry || answer.isEmpty() || length != answer.size())
        return;
    judgeWord();
    setWordText(QString());
}

void StudioForm::judgeWord()
{
    lastPlayerWatch.stop();
    // A word handed in settles the turn itself: neither the pause after a
    // missed letter (missedLetterTimer) may pass the turn afterwards, nor a prompt still
    // due from the turn's announcement (promptTimer, pending when the last player
    // names the word at once) reopen the spin and word buttons.
    missedLetterTimer.stop();
    promptTimer.stop();
    const Round::WordOutcome out = m_round.nameWord(wordBox.text);
    if (!out.right) {
        sound(Sound::WrongWord);
        if (out.playersLeft) {
            nextTurn();
        } else {
            hostSpeech.text = HostPhrases::nobodyNamedWord();
            roundLostTimer.start();
        }
    } else {
        hostSpeech.text = HostPhrases::wordRight();
        sound(Sound::Fanfare);
        roundWon();
    }
}
