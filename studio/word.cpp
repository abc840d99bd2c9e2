// SPDX-License-Identifier: GPL-3.0-or-later
// Naming the whole word.
#include "studio_form.h"

#include "alphabet.h"

#include <QList>

void StudioForm::wordClicked()
{
    enableTurnButtons(false);
    // Naming the word gives up a prize on offer.
    takePrizeButton.hide();
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (!letterButtons[n].visible)
            letterFree[static_cast<std::size_t>(n)] = 0;
    openWordEntry();
}

void StudioForm::openWordEntry()
{
    wordBox.show();
    for (int n = 1; n <= Alphabet::Size; ++n) {
        letterButtons[n].enable();
        letterButtons[n].show();
    }
    wordEntryOpen = true;
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
    if (!wordEntryOpen || !wordBox.visible || answer.isEmpty() || length != answer.size())
        return;
    namedWord = wordBox.text;
    wordBox.hide();
    evaluate();
}

void StudioForm::judgeWord()
{
    namedWord = wordBox.text;
    lastPlayerWatch.stop();
    // A word handed in settles the turn itself: neither the pause after a
    // missed letter (missedLetterTimer) may pass the turn afterwards, nor a prompt still
    // due from the turn's announcement (promptTimer, pending when the last player
    // names the word at once) reopen the spin and word buttons.
    missedLetterTimer.stop();
    promptTimer.stop();
    const int slot = currentSlot();
    if (namedWord != answer) {
        sound(Sound::WrongWord);
        if (slot)
            player(slot).panel.hide();
        if (visiblePanels() > 0) {
            nextTurn();
        } else {
            hostSpeech.text = QStringLiteral("К сожалению, ни один игрок не назвал слово. И мы переходим в следующий раунд!");
            disableLetters();
            board.reveal();
            roundLostTimer.start();
        }
    } else {
        hostSpeech.text = QStringLiteral("Правильно!!!!");
        sound(Sound::Fanfare);
        disableLetters();
        if (slot)
            player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + 2000);
        showRoundBanner();
        board.reveal();
        nextRoundTimer.start();
    }
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (letterFree[static_cast<std::size_t>(n)] == 0)
            letterButtons[n].hide();
}
