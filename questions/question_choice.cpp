#include "question_choice.h"

#include "game_error.h"
#include "question_file.h"
#include "random.h"

#include <algorithm>
#include <vector>

namespace {

// Random draws before the remaining playable records are listed instead.
constexpr int DrawsBeforeListing = 400;

bool isPicked(const GameQuestions& g, int record)
{
    return std::find(g.records.begin(), g.records.begin() + g.picked, record) != g.records.begin() + g.picked;
}

void take(GameQuestions& g, int record, const QuestionRecord& data)
{
    g.records[g.picked] = record;
    g.questions[g.picked] = data.questionText();
    g.answers[g.picked] = data.answerText();
    ++g.picked;
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
    const int n = file.count();
    QuestionRecord record;
    std::vector<int> unplayable;

    for (int draws = 0; n > 0 && g.picked < GameQuestions::Slots && draws < DrawsBeforeListing; ++draws) {
        const int candidate = random.below(n);
        if (isPicked(g, candidate) || std::find(unplayable.begin(), unplayable.end(), candidate) != unplayable.end())
            continue;
        file.seek(candidate);
        file.read(record);
        if (record.answerLength() == 0)
            unplayable.push_back(candidate);
        else
            take(g, candidate, record);
    }

    if (g.picked < GameQuestions::Slots && n > 0) {
        // A small or sparse base: list what is left and draw from the list.
        std::vector<int> left;
        file.seek(0);
        for (int k = 0; k < n; ++k) {
            file.read(record);
            if (record.answerLength() > 0 && !isPicked(g, k))
                left.push_back(k);
        }
        while (g.picked < GameQuestions::Slots && !left.empty()) {
            const int i = random.below(static_cast<int>(left.size()));
            const int chosen = left[static_cast<std::size_t>(i)];
            left.erase(left.begin() + i);
            file.seek(chosen);
            file.read(record);
            take(g, chosen, record);
        }
    }

    if (g.picked < roundCount)
        throw GameError(QStringLiteral("В базе вопросов %1 %2 с ответом, а для этой игры их нужно не меньше %3")
                            .arg(g.picked)
                            .arg(questionsWord(g.picked))
                            .arg(roundCount));
    return g;
}
