// SPDX-License-Identifier: GPL-3.0-or-later
// Games of computer players on the round model, with the studio's flow and
// the side screens' rules, every decision timed.
#include "bench/computer_match.h"

#include "computer/letters.h"
#include "core/random.h"
#include "rules/alphabet.h"
#include "rules/points.h"
#include "rules/round.h"
#include "screens/bargain_form.h"
#include "studio/table_of_round.h"

#include <QElapsedTimer>

#include <ctime>

namespace match {

using computer::ComputerPlayer;

namespace {

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Times whatever runs between its making and record().
class Stopwatch {
public:
    Stopwatch() : m_cpu(threadCpuMs()) { m_wall.start(); }
    void record(Times& times) const
    {
        times.wallMs.push_back(static_cast<double>(m_wall.nsecsElapsed()) / 1e6);
        times.cpuMs.push_back(threadCpuMs() - m_cpu);
    }

private:
    QElapsedTimer m_wall;
    double m_cpu;
};

int coveredTiles(const Round& round)
{
    int covered = 0;
    for (int tile = 1; tile <= round.board().size(); ++tile)
        covered += round.tileCovered(tile) ? 1 : 0;
    return covered;
}

// One game on the model, driven as the studio drives it.
class Table {
public:
    Table(const std::vector<const Mind*>& minds, Random& random, GameResult& result)
        : m_minds(minds), m_random(random), m_result(result)
    {
    }

    GameResult play(const std::vector<Question>& questions)
    {
        QStringList names;
        for (const Mind* mind : m_minds)
            names << mind->name();
        m_round.seat(names, static_cast<int>(questions.size()));
        m_round.newGame();
        m_round.beginGame();
        for (const Question& q : questions) {
            m_question = q.question;
            m_round.startRound(q.answer);
            playRound();
        }
        m_round.startRound(QString());  // the game is over: the last round's points count
        for (int seat = 1; seat <= static_cast<int>(m_minds.size()); ++seat)
            m_result.totals[static_cast<std::size_t>(seat - 1)] = m_round.player(seat).totalScore;
        m_result.winner = m_round.winner();
        return m_result;
    }

private:
    int seat() const { return m_round.current(); }
    const Mind& mind() const { return *m_minds[static_cast<std::size_t>(seat() - 1)]; }
    SeatCounts& counts() { return m_result.counts[static_cast<std::size_t>(seat() - 1)]; }

    // A decision of the player whose turn it is, timed when a computer makes it.
    template <class Decide>
    auto decide(Decide decision)
    {
        Times* times = mind().times();
        if (!times)
            return decision(mind());
        const Stopwatch watch;
        auto made = decision(mind());
        watch.record(*times);
        return made;
    }

    void playRound()
    {
        if (m_round.phase() != Phase::RoundOpening)
            return;
        m_round.nextTurn();
        // A round takes a few dozen events; thousands mean it cannot end.
        for (int events = 0; events < 5000; ++events) {
            // The studio's watcher of the last player's moves, after every event.
            if (m_round.lastPlayer() && m_round.phase() != Phase::RoundOver && m_round.phase() != Phase::WordEntry)
                m_round.forceWordIfMovesUsedUp();
            if (!step())
                return;
        }
        ++m_result.stuck;
    }

    // One event of the round; false once the round is over (or stuck).
    bool step()
    {
        Round& r = m_round;
        const int s = seat();
        switch (r.phase()) {
        case Phase::RoundOver:
        case Phase::GameOver:
            return false;
        case Phase::TurnStarting:
            r.openChoice();
            return true;
        case Phase::Choosing:
            if (decide([&](const Mind& m) { return m.move(r, s, m_question, m_random); }) == ComputerPlayer::Move::NameWord) {
                const QString word = decide([&](const Mind& m) { return m.word(r, s, m_question); });
                r.chooseWord();
                return judgeWord(word, false);
            }
            spin();
            return true;
        case Phase::NamingLetter:
            if (r.prizeOnOffer() && decide([&](const Mind& m) { return m.takesPrize(r, s, m_question); })) {
                ++counts().prizesTaken;
                r.takePrize();
                r.returnFromPrize(bargain());
                if (r.phase() != Phase::RoundOver)
                    r.nextTurn();
                return true;
            }
            return nameLetter(Alphabet::indexOf(decide([&](const Mind& m) { return m.letter(r, s, m_question, m_random); })));
        case Phase::OpeningTile: {
            const int tile = 1 + decide([&](const Mind& m) { return m.tile(r, s, m_question, m_random); });
            if (!r.canOpenTile(tile))
                return stuck();
            counts().boardsFilled += r.openTile(tile).solved ? 1 : 0;
            return true;
        }
        case Phase::AtBonus:
            twoBoxes();
            return true;
        case Phase::WordEntry:  // the last player's moves ran out
            return judgeWord(decide([&](const Mind& m) { return m.word(r, s, m_question); }), true);
        case Phase::LetterMissed:
            r.letterMissedDone();
            r.nextTurn();
            return true;
        default:
            return stuck();
        }
    }

    bool stuck()
    {
        ++m_result.stuck;
        return false;
    }

    void spin()
    {
        const Sector sector = Sector::wheel()[static_cast<std::size_t>(m_random.below(Sector::Count))];
        m_round.spin(sector);
        m_round.applySector();
        if (sector.kind == Sector::Kind::Zero || sector.kind == Sector::Kind::Bankrupt)
            m_round.nextTurn();
    }

    bool nameLetter(int letter)
    {
        if (letter < 1 || m_round.letterUsed(letter))
            return stuck();
        const Round::LetterOutcome out = m_round.nameLetter(letter);
        if (out.opened == 0) {
            m_round.letterMissedDone();
            m_round.nextTurn();
        }
        counts().boardsFilled += out.solved ? 1 : 0;
        return true;
    }

    bool judgeWord(const QString& word, bool forced)
    {
        // The word box hands in a word once it has the answer's length.
        if (word.size() != m_round.answer().size())
            return stuck();
        const Round::WordOutcome out = m_round.nameWord(word);
        if (out.right) {
            ++counts().wordsRight;
            counts().forcedRight += forced ? 1 : 0;
        } else {
            ++counts().wordsWrong;
            counts().forcedWrong += forced ? 1 : 0;
            if (out.playersLeft)
                m_round.nextTurn();
        }
        return true;
    }

    // The bargaining screen's rules: 3..12 offers, each drawn from its step's
    // range, a black box worth 10..offer + 209 behind each; the money clicked
    // twice takes the offer, the box refuses it, and after the last offer
    // the box opens.
    int bargain()
    {
        const Round& r = m_round;
        const int s = seat();
        const int limit = 3 + m_random.below(10);
        int offer = 0, box = 0;
        for (int step = 1;; ++step) {
            if (step <= BargainForm::OfferSteps) {
                offer = BargainForm::offerBase(step) + m_random.below(BargainForm::offerSpread(step));
                box = 10 + m_random.below(offer + 200);
            }
            if (step == limit + 1)
                return box;
            if (decide([&](const Mind& m) { return m.takesMoney(r, s, m_question, offer, false, m_random); }) &&
                decide([&](const Mind& m) { return m.takesMoney(r, s, m_question, offer, true, m_random); }))
                return offer;
        }
    }

    // The two boxes: the points lie in one at random, the player picks one.
    void twoBoxes()
    {
        const int lucky = 1 + m_random.below(2);
        const int chosen = 1 + decide([&](const Mind& m) { return m.box(m_random); });
        ++counts().bonuses;
        const bool solvedAtBonus = m_round.wordSolvedAtBonus();
        m_round.creditBonus(lucky == chosen ? Points::BoxPrize : 0);
        counts().boardsFilled += solvedAtBonus ? 1 : 0;
    }

    const std::vector<const Mind*>& m_minds;
    Random& m_random;
    GameResult& m_result;
    Round m_round;
    QString m_question;
};

}

QString ComputerMind::name() const
{
    return QStringLiteral("Робот ") + computer::traits(m_player.level()).name;
}

ComputerPlayer::Move ComputerMind::move(const Round& round, int seat, const QString& question, Random& random) const
{
    return m_player.move(tableViewOf(round, seat, question), random);
}

QChar ComputerMind::letter(const Round& round, int seat, const QString& question, Random& random) const
{
    return m_player.letter(tableViewOf(round, seat, question), random);
}

int ComputerMind::tile(const Round& round, int seat, const QString& question, Random& random) const
{
    return m_player.tile(tableViewOf(round, seat, question), random);
}

bool ComputerMind::takesPrize(const Round& round, int seat, const QString& question) const
{
    return m_player.takesPrize(tableViewOf(round, seat, question));
}

bool ComputerMind::takesMoney(const Round& round, int seat, const QString& question, int offer, bool askedAgain,
                              Random& random) const
{
    return m_player.takesMoney(tableViewOf(round, seat, question, offer, askedAgain), random);
}

int ComputerMind::box(Random& random) const
{
    return m_player.box(random);
}

QString ComputerMind::word(const Round& round, int seat, const QString& question) const
{
    return m_player.word(tableViewOf(round, seat, question));
}

QString ChildMind::name() const
{
    return QStringLiteral("Ребёнок");
}

namespace {

// He knows the word once at most a quarter of its tiles (at least one) are covered.
bool recognises(const Round& round)
{
    return coveredTiles(round) <= std::max<qsizetype>(1, round.board().size() / 4);
}

}

ComputerPlayer::Move ChildMind::move(const Round& round, int, const QString&, Random&) const
{
    return recognises(round) || !round.lettersLeft() ? ComputerPlayer::Move::NameWord
                                                               : ComputerPlayer::Move::Spin;
}

QChar ChildMind::letter(const Round& round, int, const QString&, Random& random) const
{
    std::vector<int> unused;
    for (int n = 1; n <= Alphabet::Size; ++n) {
        if (!round.letterUsed(n))
            unused.push_back(n);
    }
    if (unused.empty())
        return QChar();
    // A slip: any letter at all.
    if (random.below(100) < 20)
        return Alphabet::letter(unused[static_cast<std::size_t>(random.below(static_cast<int>(unused.size())))]);
    int best = unused.front();
    for (const int n : unused) {
        if (computer::frequency(computer::letterOf(Alphabet::letter(n))) >
            computer::frequency(computer::letterOf(Alphabet::letter(best))))
            best = n;
    }
    return Alphabet::letter(best);
}

int ChildMind::tile(const Round& round, int, const QString&, Random& random) const
{
    std::vector<int> covered;
    for (int tile = 1; tile <= round.board().size(); ++tile) {
        if (round.tileCovered(tile))
            covered.push_back(tile - 1);
    }
    return covered.empty() ? -1 : covered[static_cast<std::size_t>(random.below(static_cast<int>(covered.size())))];
}

int ChildMind::box(Random& random) const
{
    return random.below(2);
}

QString ChildMind::word(const Round& round, int, const QString&) const
{
    if (recognises(round))
        return round.answer();
    // Forced to guess early: the open letters and a wrong filler.
    QString guess = round.board();
    for (int tile = 1; tile <= guess.size(); ++tile) {
        if (round.tileCovered(tile))
            guess[tile - 1] = round.board().at(tile - 1) == QChar(u'Ъ') ? QChar(u'Ь') : QChar(u'Ъ');
    }
    return guess;
}

GameResult playGame(const std::vector<const Mind*>& minds, const std::vector<Question>& questions, Random& random)
{
    GameResult result;
    return Table(minds, random, result).play(questions);
}

}
