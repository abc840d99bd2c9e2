// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer player thinks: the words it knows that fit the board decide
// its letter, its tile and when it names the word.
#include "computer/computer_player.h"

#include "computer/candidates.h"
#include "core/random.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

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

// The last player has a few letters left before he must name the word: the
// one whose places (none among them) part the fitting words into the
// smallest groups on average tells him most, whether it hits or not. The
// spread is the sum of the squares of the groups' sizes; among equals the
// letter in more words (a hit keeps the turn), then the commoner.
Letter splittingLetter(const std::vector<const Word*>& fitting, const Clues& clues)
{
    constexpr int Patterns = 1 << MaxWordLength;
    // The groups' sizes by letter and places; kept between calls (and left
    // at zero), since clearing a quarter of a megabyte costs more than the count.
    thread_local std::vector<std::uint16_t> groups(static_cast<std::size_t>((Letters + 1) * Patterns), 0);
    // Each letter's places in a word, a bit per tile.
    const auto placesIn = [](const Word& word) {
        std::array<std::uint16_t, Letters + 1> places{};
        for (int i = 0; i < word.length; ++i)
            places[word.letters[static_cast<std::size_t>(i)]] |= static_cast<std::uint16_t>(1u << i);
        return places;
    };
    std::array<long long, Letters + 1> spread{};
    std::array<int, Letters + 1> holding{};
    for (const Word* word : fitting) {
        const auto places = placesIn(*word);
        for (Letter l = 1; l <= Letters; ++l) {
            if (clues.used & bit(l))
                continue;
            std::uint16_t& group = groups[static_cast<std::size_t>(l * Patterns + places[l])];
            spread[l] += 2 * static_cast<long long>(group) + 1;
            ++group;
            holding[l] += places[l] ? 1 : 0;
        }
    }
    for (const Word* word : fitting) {
        const auto places = placesIn(*word);
        for (Letter l = 1; l <= Letters; ++l)
            groups[static_cast<std::size_t>(l * Patterns + places[l])] = 0;
    }
    Letter best = 0;
    for (Letter l = 1; l <= Letters; ++l) {
        if (clues.used & bit(l))
            continue;
        const auto key = [&](Letter x) { return std::make_tuple(-spread[x], holding[x], frequency(x)); };
        if (!best || key(l) > key(best))
            best = l;
    }
    return best;
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
    // covered, since the word may be one it does not know at all. Measured
    // on the bundled base: of the times one word it knows fits with a fifth,
    // two fifths, three fifths of the tiles covered, it is the answer 98, 96
    // and 90 in 100 — about 30 % times the square of the covered share amiss.
    const int coveredPercent = 100 * clues.covered / std::max(clues.length, 1);
    guess.chancePercent = (100 - 3 * coveredPercent * coveredPercent / 1000) / guess.candidates;
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
    const auto fitting = candidates(m_vocabulary, clues, level.knownShare);
    if (view.movesLeft != TableView::NotLastPlayer && fitting.size() > 1)
        return capital(splittingLetter(fitting, clues));
    // The letter in most of the words that fit; among equals the commoner.
    std::array<int, Letters + 1> count{};
    for (const Word* word : fitting) {
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
