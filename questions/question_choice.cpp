// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a game's questions from the base: at random first, then from a
// listing of the playable records left, so the choice always ends.
#include "questions/question_choice.h"

#include "core/game_error.h"
#include "questions/question_file.h"
#include "core/random.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

// Random draws before the remaining playable records are listed instead.
constexpr int DrawsBeforeListing = 400;
// Records read at once by the listing: a megabyte.
constexpr std::int64_t ListingBlock = (1 << 20) / QuestionRecord::Size;

bool isPicked(const GameQuestions& g, std::int64_t record)
{
    return std::find(g.records.begin(), g.records.begin() + g.picked, record) != g.records.begin() + g.picked;
}

void take(GameQuestions& g, std::int64_t record, const QuestionRecord& data)
{
    g.records[g.picked] = record;
    g.questions[g.picked] = data.questionText();
    g.answers[g.picked] = data.answerText();
    ++g.picked;
}

// Random draws until the slots are full or the draws run out; records
// without an answer are remembered so they are not read again.
void drawAtRandom(GameQuestions& g, QuestionFile& file, Random& random, std::int64_t n)
{
    QuestionRecord record;
    std::unordered_set<std::int64_t> unplayable;  // a small base of empty answers is drawn from hundreds of times
    for (int draws = 0; n > 0 && g.picked < GameQuestions::Slots && draws < DrawsBeforeListing; ++draws) {
        const std::int64_t candidate = random.belowLarge(n);
        if (isPicked(g, candidate) || unplayable.count(candidate) != 0)
            continue;
        file.seek(candidate);
        file.read(record);
        if (record.answerLength() == 0)
            unplayable.insert(candidate);
        else
            take(g, candidate, record);
    }
}

// The playable records not picked yet, read in large blocks past the holes.
std::vector<std::int64_t> listPlayable(const GameQuestions& g, QuestionFile& file, std::int64_t n)
{
    std::vector<std::int64_t> left;
    // No larger than the base: a small one needs no megabyte to be listed.
    std::vector<char> block(static_cast<std::size_t>(std::min(ListingBlock, n)) * QuestionRecord::Size);
    for (std::int64_t first = file.nextDataRecord(0); first < n;) {
        const std::int64_t size = std::min(ListingBlock, n - first);
        file.readRecords(first, static_cast<std::size_t>(size), block.data());
        for (std::int64_t i = 0; i < size; ++i) {
            const char answerLength = block[static_cast<std::size_t>(i * QuestionRecord::Size + QuestionRecord::AnswerLengthOffset)];
            if (answerLength != 0 && !isPicked(g, first + i))
                left.push_back(first + i);
        }
        first = first + size < n ? file.nextDataRecord(first + size) : n;
    }
    return left;
}

void drawFromList(GameQuestions& g, QuestionFile& file, Random& random, std::vector<std::int64_t> left)
{
    QuestionRecord record;
    while (g.picked < GameQuestions::Slots && !left.empty()) {
        const std::int64_t i = random.belowLarge(static_cast<std::int64_t>(left.size()));
        const std::int64_t chosen = left[static_cast<std::size_t>(i)];
        left.erase(left.begin() + i);
        file.seek(chosen);
        file.read(record);
        take(g, chosen, record);
    }
}


}

QString questionsWord(int count)
{
    const int n100 = count % 100, n10 = count % 10;
    if (n100 >= 11 && n100 <= 14)
        return QStringLiteral("вопросов");
    if (n10 == 1)
        return QStringLiteral("вопрос");
    if (n10 >= 2 && n10 <= 4)
        return QStringLiteral("вопроса");
    return QStringLiteral("вопросов");
}

GameQuestions chooseGameQuestions(QuestionFile& file, Random& random, int roundCount)
{
    GameQuestions g;
    g.records.fill(-1);
    const std::int64_t n = file.count();
    drawAtRandom(g, file, random, n);
    // A small or sparse base: list what is left and draw from the list.
    if (g.picked < GameQuestions::Slots && n > 0)
        drawFromList(g, file, random, listPlayable(g, file, n));
    if (g.picked < roundCount)
        throw GameError(QStringLiteral("В базе вопросов %1 %2 с ответом, а для этой игры их нужно не меньше %3")
                            .arg(g.picked)
                            .arg(questionsWord(g.picked))
                            .arg(roundCount));
    return g;
}
