// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player's costs and play, without the studio: how long reading
// the dictionary takes, how many words each level knows, and rounds in which
// one computer player alone uncovers each answer of the bundled base (only
// the bench knows the answer; the player sees the board), every decision
// timed. computer_bench [ROUNDS_PER_LEVEL]
#include "bench/timing.h"
#include "computer/computer_player.h"
#include "computer/candidates.h"
#include "core/random.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace computer;
using timing::percentile;
using timing::threadCpuMs;
using timing::median;

namespace {

double msSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// The answers of the bundled base that the board can hold.
QStringList bundledAnswers()
{
    QFile file(QStringLiteral(SLOVODROM_SOURCE_DIR "/assets/questions.txt"));
    QStringList answers;
    if (!file.open(QIODevice::ReadOnly))
        return answers;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int tab = static_cast<int>(line.indexOf('\t'));
        if (line.startsWith('#') || tab < 1)
            continue;
        const QString answer = QString::fromUtf8(line.left(tab));
        if (answer.size() <= MaxWordLength && std::all_of(answer.begin(), answer.end(), [](QChar c) { return letterOf(c) != 0; }))
            answers << answer;
    }
    return answers;
}

// Decision times: on the clock, and in processor time, which a busy machine
// does not stretch (a decision preempted half-way shows on the clock only).
struct Times {
    std::vector<double> wall, cpu;
};

class Stopwatch {
public:
    void start()
    {
        m_cpu = threadCpuMs();
        m_wall.start();
    }
    void record(Times& times) const
    {
        times.wall.push_back(msSince(m_wall));
        times.cpu.push_back(threadCpuMs() - m_cpu);
    }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

struct RoundResult {
    bool named = false;  // it named the word (else every letter was used up)
    bool right = false;
    int letters = 0;     // letters it named before the word
};

// One round alone: the wheel is skipped, one sector in sixteen is "+", one is
// "П" (weighed, then a letter); it plays until it names the word.
RoundResult playAlone(const ComputerPlayer& player, const QString& answer, Random& random, Times& times)
{
    TableView view;
    view.question = QStringLiteral("?");
    view.board = QString(answer.size(), TableView::Covered);
    RoundResult result;
    Stopwatch timer;
    auto open = [&](QChar letter) {
        view.usedLetters += letter;
        for (int i = 0; i < answer.size(); ++i) {
            if (answer.at(i) == letter)
                view.board[i] = letter;
        }
    };
    for (int turn = 0; turn < 40; ++turn) {
        timer.start();
        const ComputerPlayer::Move move = player.move(view, random);
        timer.record(times);
        if (move == ComputerPlayer::Move::NameWord || !view.board.contains(TableView::Covered)) {
            timer.start();
            const QString word = player.word(view);
            timer.record(times);
            result.named = true;
            result.right = word == answer;
            return result;
        }
        const int sector = random.below(16);
        timer.start();
        if (sector == 0) {
            const int tile = player.tile(view, random);
            timer.record(times);
            if (tile >= 0)
                open(answer.at(tile));
            continue;
        }
        if (sector == 1) {
            player.takesPrize(view);
            timer.record(times);
            timer.start();
        }
        const QChar letter = player.letter(view, random);
        timer.record(times);
        if (letter.isNull())
            break;
        open(letter);
        ++result.letters;
    }
    return result;
}

}

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const QString path = Vocabulary::systemDictionary();

    // Reading the dictionary: the first time, then again (the file is in the
    // page cache either way after the first); the file read alone is the floor.
    QElapsedTimer timer;
    timer.start();
    Vocabulary vocabulary = Vocabulary::load(path);
    const double firstMs = msSince(timer);
    std::vector<double> loads, loadsCpu, reads;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        reads.push_back(msSince(timer));
        const double cpu = threadCpuMs();
        timer.start();
        vocabulary = Vocabulary::load(path);
        loads.push_back(msSince(timer));
        loadsCpu.push_back(threadCpuMs() - cpu);
    }
    std::printf("dictionary %s, %lld bytes\n", qPrintable(path), static_cast<long long>(QFile(path).size()));
    std::printf("load_first_ms %.2f\n", firstMs);
    std::printf("load_median_ms %.2f (of %zu; processor time %.2f; the file read alone %.2f)\n", median(loads),
                loads.size(), median(loadsCpu), median(reads));
    std::printf("vocabulary_words %d\n", vocabulary.size());

    const QStringList answers = bundledAnswers();
    int inVocabulary = 0;
    for (const QString& answer : answers)
        inVocabulary += vocabulary.contains(answer) ? 1 : 0;
    std::printf("bundled_answers_in_vocabulary %d of %lld\n", inVocabulary, static_cast<long long>(answers.size()));
    if (answers.isEmpty())
        return 1;

    std::printf("\n| level | words known | rounds | named the word | right | wrong | letters before the word (mean) | decision p50 | p95 | max | p95, processor time | max, processor time |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    bool withinGoal = true;
    for (const Level level : AllLevels) {
        const LevelTraits& t = traits(level);
        int known = 0;
        for (int length = 1; length <= MaxWordLength; ++length) {
            for (const Word& word : vocabulary.ofLength(length))
                known += word.familiarity < t.knownShare ? 1 : 0;
        }
        const ComputerPlayer player(vocabulary, level);
        SeededRandom random(20261208);
        Times times;
        int named = 0, right = 0, letters = 0;
        for (int r = 0; r < rounds; ++r) {
            const RoundResult result = playAlone(player, answers.at(r % answers.size()), random, times);
            named += result.named ? 1 : 0;
            right += result.right ? 1 : 0;
            letters += result.letters;
        }
        const double p95 = percentile(times.wall, 0.95);
        withinGoal = withinGoal && p95 <= 5.0;
        std::printf("| %s | %d | %d | %d | %.1f %% | %.1f %% | %.1f | %.3f ms | %.3f ms | %.3f ms | %.3f ms | %.3f ms |\n", qPrintable(t.name), known,
                    rounds, named, 100.0 * right / rounds, named ? 100.0 * (named - right) / named : 0.0,
                    static_cast<double>(letters) / rounds, median(times.wall), p95, percentile(times.wall, 1.0),
                    percentile(times.cpu, 0.95), percentile(times.cpu, 1.0));
    }
    std::printf("\ndecision_p95_within_5ms %s\n", withinGoal ? "yes" : "no");
    return withinGoal ? 0 : 1;
}
