// SPDX-License-Identifier: GPL-3.0-or-later
// Naming the whole word.
#include "studio_form.h"

#include "alphabet.h"

#include <QList>

void StudioForm::SlovoButtonClick()
{
    enableTurnButtons(false);
    // Naming the word gives up a prize on offer.
    TakePriz.hide();
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (!SpeedButton[n].visible)
            LetterFree[static_cast<std::size_t>(n)] = 0;
    openWordEntry();
}

void StudioForm::openWordEntry()
{
    Edit1.show();
    for (int n = 1; n <= Alphabet::Size; ++n) {
        SpeedButton[n].enable();
        SpeedButton[n].show();
    }
    WordEntryMode = true;
    Timer1.stop();
}

void StudioForm::setEdit1Text(const QString& text)
{
    if (Edit1.text == text)
        return;
    Edit1.text = text;
    Edit1Change();
}

void StudioForm::Edit1Edited(const QString& text)
{
    setEdit1Text(text.toUpper());
}

void StudioForm::Edit1Change()
{
    // Counted in characters, not UTF-16 units, so that nothing typed can
    // make the word look longer than it is.
    const qsizetype length = Edit1.text.toUcs4().size();
    // Only an open entry hands a word in: text that reaches a closed box is
    // neither a word nor a letter.
    if (!WordEntryMode || !Edit1.visible || Answer.isEmpty() || length != Answer.size())
        return;
    NamedWord = Edit1.text;
    Edit1.hide();
    Evaluate();
}

void StudioForm::judgeWord()
{
    NamedWord = Edit1.text;
    Timer11.stop();
    // A word handed in settles the turn itself: neither the pause after a
    // missed letter (Timer8) may pass the turn afterwards, nor a prompt still
    // due from the turn's announcement (Timer2, pending when the last player
    // names the word at once) reopen the spin and word buttons.
    Timer8.stop();
    Timer2.stop();
    const int slot = currentSlot();
    if (NamedWord != Answer) {
        sound(Sound::WrongWord);
        if (slot)
            player(slot).panel.hide();
        if (visiblePanels() > 0) {
            NextTurn();
        } else {
            Question.text = QStringLiteral("К сожалению ни один игрок не назвал слово. И мы переходим в следующий раунд!");
            DisableAlphabet();
            hideAllTiles();
            Timer4.start();
        }
    } else {
        Question.text = QStringLiteral("!!!!Правильно!!!!");
        sound(Sound::Fanfare);
        DisableAlphabet();
        if (slot)
            player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + 2000);
        showRoundBanner();
        hideAllTiles();
        Timer3.start();
    }
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (LetterFree[static_cast<std::size_t>(n)] == 0)
            SpeedButton[n].hide();
}
