// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players: a computer with the move thinks for a moment, then
// presses what it chose through the same guard as a person's click. It is
// shown only what the screen shows (tableViewOf).
#include "studio/studio_form.h"

#include "core/runtime.h"
#include "screens/bargain_form.h"
#include "screens/two_boxes_form.h"
#include "computer/computer_player.h"
#include "computer/shared_vocabulary.h"
#include "studio/table_of_round.h"

#include <algorithm>

namespace {

// How long it thinks before a choice, and between two letters of its word.
constexpr int ThinkingLeastMs = 700, ThinkingMostMs = 2000;
constexpr int TypingLeastMs = 250, TypingMostMs = 550;

int between(Random& chance, int least, int most)
{
    return least + chance.below(most - least + 1);
}

}

bool StudioForm::isComputer(int seat) const
{
    return seat >= 1 && seat <= Round::Seats && m_computers[static_cast<std::size_t>(seat - 1)].has_value();
}

StudioForm::ComputerMove StudioForm::computerMove() const
{
    if (!isComputer(m_round.current()))
        return ComputerMove::None;
    if (m_bargain && m_bargain->isVisible())
        return m_bargain->isEnabled() && (m_bargain->blackBox.enabled || m_bargain->money.enabled) ? ComputerMove::Bargain
                                                                                                  : ComputerMove::None;
    if (m_twoBoxes && m_twoBoxes->isVisible())
        return m_twoBoxes->isEnabled() && (m_twoBoxes->leftBox.enabled || m_twoBoxes->rightBox.enabled) ? ComputerMove::Boxes
                                                                                                        : ComputerMove::None;
    if (!isVisible() || !isEnabled())
        return ComputerMove::None;
    switch (m_round.phase()) {
    case Phase::Choosing: return ComputerMove::Choice;
    case Phase::NamingLetter: return ComputerMove::Letter;
    case Phase::OpeningTile: return ComputerMove::Tile;
    case Phase::WordEntry: return ComputerMove::Word;
    default: return ComputerMove::None;
    }
}

bool StudioForm::computerToMove() const
{
    return computerMove() != ComputerMove::None;
}

bool StudioForm::heldByComputer(const Control& control) const
{
    const Phase phase = m_round.phase();
    if (!isComputer(m_round.current()) || phase == Phase::NoGame || phase == Phase::GameOver)
        return false;
    const auto is = [&control](const Control& c) { return &c == &control; };
    return is(spinButton) || is(wordButton) || is(takePrizeButton) || is(wordBox) ||
           std::any_of(letterButtons.begin(), letterButtons.end(), is) ||
           std::any_of(board.tiles.begin(), board.tiles.end(), is);
}

bool StudioForm::computerPress(const Form& form, const Control& control, const std::function<void()>& handler)
{
    return m_runtime.dispatcher.press(form, control, handler, Hand::Computer);
}

void StudioForm::watchComputerTurn()
{
    if (computerThinkingTimer.isRunning() || computerTypingTimer.isRunning() || !computerToMove())
        return;
    computerThinkingTimer.setInterval(between(m_computerChance, ThinkingLeastMs, ThinkingMostMs));
    computerThinkingTimer.start();
}

void StudioForm::computerThinkingTimeout()
{
    computerThinkingTimer.stop();
    // What it waits for may have gone while it thought.
    const ComputerMove move = computerMove();
    if (move == ComputerMove::None)
        return;
    const int seat = m_round.current();
    const computer::ComputerPlayer player(computer::sharedVocabulary(), *m_computers[static_cast<std::size_t>(seat - 1)]);
    Random& chance = m_computerChance;
    switch (move) {
    case ComputerMove::None:
        break;
    case ComputerMove::Choice:
        if (player.move(tableViewOf(m_round, seat, theme.text), chance) == computer::ComputerPlayer::Move::NameWord)
            computerPress(*this, wordButton, [this] { wordClicked(); });
        else
            computerPress(*this, spinButton, [this] { spinClicked(); });
        break;
    case ComputerMove::Letter: {
        const computer::TableView view = tableViewOf(m_round, seat, theme.text);
        if (m_round.prizeOnOffer() && player.takesPrize(view)) {
            computerPress(*this, takePrizeButton, [this] { takePrizeClicked(); });
            break;
        }
        const int n = Alphabet::indexOf(player.letter(view, chance));
        if (n && computerPress(*this, letterButtons[static_cast<std::size_t>(n)], [this, n] { letterClicked(n); }))
            break;
        // A letter it may not name: the first it may, rather than no move at all.
        for (int other = 1; other <= Alphabet::Size; ++other)
            if (computerPress(*this, letterButtons[static_cast<std::size_t>(other)], [this, other] { letterClicked(other); }))
                break;
        break;
    }
    case ComputerMove::Tile: {
        const int tile = 1 + player.tile(tableViewOf(m_round, seat, theme.text), chance);
        if (tile >= 1 && computerPress(*this, board.tiles[static_cast<std::size_t>(tile)], [this, tile] { tileClicked(tile); }))
            break;
        for (int other = 1; other <= Board::Tiles; ++other)
            if (computerPress(*this, board.tiles[static_cast<std::size_t>(other)], [this, other] { tileClicked(other); }))
                break;
        break;
    }
    case ComputerMove::Word:
        m_computerWord = player.word(tableViewOf(m_round, seat, theme.text));
        typeComputerLetter();
        break;
    case ComputerMove::Bargain: {
        BargainForm& b = *m_bargain;
        if (player.takesMoney(tableViewOf(m_round, seat, theme.text, b.offerAmount, b.askedAgain), chance))
            computerPress(b, b.money, [&b] { b.moneyClicked(); });
        else
            computerPress(b, b.blackBox, [&b] { b.blackBoxClicked(); });
        break;
    }
    case ComputerMove::Boxes: {
        TwoBoxesForm& boxes = *m_twoBoxes;
        if (player.box(chance) == 0)
            computerPress(boxes, boxes.leftBox, [&boxes] { boxes.leftBoxClicked(); });
        else
            computerPress(boxes, boxes.rightBox, [&boxes] { boxes.rightBoxClicked(); });
        break;
    }
    }
}

void StudioForm::computerTypingTimeout()
{
    computerTypingTimer.stop();
    if (computerMove() == ComputerMove::Word)
        typeComputerLetter();
}

// One more letter of its word into the word box, as typed on the keyboard;
// the word is handed in when it is as long as the board.
void StudioForm::typeComputerLetter()
{
    const QString typed = wordBox.text;
    // The board's length is on view: a word of another length is filled out or cut to it.
    const QChar next = typed.size() < m_computerWord.size() ? m_computerWord.at(typed.size()) : QChar(u'А');
    computerPress(*this, wordBox, [this, text = typed + next] { wordEdited(text); });
    if (computerMove() == ComputerMove::Word) {
        computerTypingTimer.setInterval(between(m_computerChance, TypingLeastMs, TypingMostMs));
        computerTypingTimer.start();
    } else {
        m_computerWord.clear();
    }
}
