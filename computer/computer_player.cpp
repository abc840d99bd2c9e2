// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer player thinks: the words it knows that fit the board decide
// its letter, its tile and when it names the word.
#include "computer/computer_player.h"

#include "computer/candidates.h"
#include "core/random.h"

#include <algorithm>

namespace computer {

namespace {

// Unused letters by how often they occur in Russian: a pick weighted by
// frequency when `random` is given, else the commonest.
Letter commonLetter(LetterSet used, Random* random)
{
    int total = 0;
    for (Letter l = 1; l <= Letters; ++l)
        total += (used & bit(l)) ? 0 : frequency(l);
    if (total == 0)
        return 0;
    if (random) {
        int draw = random->below(total);
        for (Letter l = 1; l <= Letters; ++l) {
            if (used & bit(l))
                continue;
            draw -= frequency(l);
            if (draw < 0)
                return l;
        }
    }
    Letter best = 0;
    for (Letter l = 1; l <= Letters; ++l) {
        if (!(used & bit(l)) && (!best || frequency(l) > frequency(best)))
            best = l;
    }
    return best;
}

bool chance(Random& random, int percent)
{
    return percent > 0 && random.below(100) < percent;
}

}

ComputerPlayer::ComputerPlayer(const Vocabulary& vocabulary, Level level)
    : m_vocabulary(vocabulary), m_level(level)
{
}

Guess ComputerPlayer::guess(const TableView& view) const
{
    const Clues clues = Clues::of(view);
    const auto fitting = candidates(m_vocabulary, clues, traits(m_level).knownShare);
    Guess guess;
    guess.candidates = static_cast<int>(fitting.size());
    if (fitting.empty())
        return guess;
    guess.word = fitting.front()->text();
    // One of the fitting words, each as likely; and less sure while much is
    // covered, since the word may be one it does not know at all.
    const int length = std::max(clues.length, 1);
    guess.chancePercent = 100 * (3 * length - clues.covered) / (3 * length * guess.candidates);
    return guess;
}

ComputerPlayer::Move ComputerPlayer::move(const TableView& view, Random&) const
{
    if (view.movesLeft == 0)
        return Move::NameWord;
    const Clues clues = Clues::of(view);
    LetterSet all = 0;
    for (Letter l = 1; l <= Letters; ++l)
        all |= bit(l);
    if ((clues.used & all) == all)
        return Move::NameWord;
    return guess(view).chancePercent >= traits(m_level).wordThresholdPercent ? Move::NameWord : Move::Spin;
}

QChar ComputerPlayer::letter(const TableView& view, Random& random) const
{
    const Clues clues = Clues::of(view);
    const LevelTraits& level = traits(m_level);
    if (chance(random, level.letterNoisePercent))
        return capital(commonLetter(clues.used, &random));
    // The letter in most of the words that fit; among equals the commoner.
    std::array<int, Letters + 1> count{};
    for (const Word* word : candidates(m_vocabulary, clues, level.knownShare)) {
        const LetterSet unused = word->set & ~clues.used;
        for (Letter l = 1; l <= Letters; ++l)
            count[l] += (unused & bit(l)) ? 1 : 0;
    }
    Letter best = 0;
    for (Letter l = 1; l <= Letters; ++l) {
        if (count[l] > 0 && (!best || count[l] > count[best] || (count[l] == count[best] && frequency(l) > frequency(best))))
            best = l;
    }
    return capital(best ? best : commonLetter(clues.used, nullptr));
}

int ComputerPlayer::tile(const TableView& view, Random& random) const
{
    const Clues clues = Clues::of(view);
    std::vector<int> covered;
    for (int i = 0; i < clues.length; ++i) {
        if (!clues.open[static_cast<std::size_t>(i)])
            covered.push_back(i);
    }
    if (covered.empty())
        return -1;
    const LevelTraits& level = traits(m_level);
    const auto fitting = candidates(m_vocabulary, clues, level.knownShare);
    if (fitting.empty() || chance(random, level.letterNoisePercent))
        return covered[static_cast<std::size_t>(random.below(static_cast<int>(covered.size())))];
    // The tile that leaves the fewest words on average once its letter shows:
    // the sum of the squares of how many words hold each letter there.
    int best = covered.front();
    long long bestSpread = -1;
    for (const int i : covered) {
        std::array<int, Letters + 1> count{};
        for (const Word* word : fitting)
            ++count[word->letters[static_cast<std::size_t>(i)]];
        long long spread = 0;
        for (const int c : count)
            spread += static_cast<long long>(c) * c;
        if (bestSpread < 0 || spread < bestSpread) {
            bestSpread = spread;
            best = i;
        }
    }
    return best;
}

bool ComputerPlayer::takesPrize(const TableView& view) const
{
    const int fitting = guess(view).candidates;
    return fitting == 0 || fitting > traits(m_level).prizeAbove;
}

bool ComputerPlayer::takesMoney(const TableView& view, Random& random) const
{
    const LevelTraits& level = traits(m_level);
    if (view.offer < level.moneyWanted)
        return false;
    return !(view.askedAgain && chance(random, level.waverPercent));
}

int ComputerPlayer::box(Random& random) const
{
    return random.below(2);
}

QString ComputerPlayer::word(const TableView& view) const
{
    const Guess best = guess(view);
    if (!best.word.isEmpty())
        return best.word;
    const Clues clues = Clues::of(view);
    QString made;
    LetterSet used = clues.used;
    for (int i = 0; i < clues.length; ++i) {
        const QChar shown = view.board.at(i);
        if (shown != TableView::Covered) {
            made += shown;
            continue;
        }
        const Letter filler = commonLetter(used, nullptr);
        made += filler ? capital(filler) : QChar(u'А');
        used |= bit(filler);
    }
    return made;
}

}
