// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/studio/studio_play.h"

#include "rules/alphabet.h"

#include <stdexcept>

namespace Play {

std::vector<std::pair<QString, QString>> base(const QStringList& answers)
{
    auto records = sampleBase();
    for (int i = 0; i < answers.size() && i < static_cast<int>(records.size()); ++i)
        records[static_cast<std::size_t>(i)] = {answers[i], QStringLiteral("Вопрос ") + QString::number(i + 1)};
    return records;
}

void start(GameFixture& g, const QStringList& names, int rounds)
{
    g.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.startGame(names, rounds);
}

int sectorNumber(const QString& label)
{
    const auto& all = Sector::wheel();
    for (int k = 0; k < Sector::Count; ++k)
        if (all[static_cast<std::size_t>(k)].label() == label)
            return k + 1;
    throw std::logic_error("no such sector");
}

void spin(GameFixture& g, const QString& sector, int slowTurn)
{
    StudioForm& s = g.studio();
    g.random.push({sectorNumber(sector) - 1, slowTurn});
    if (!g.press(s, s.spinButton, [&] { s.spinClicked(); }))
        throw std::logic_error("the spin button cannot be pressed");
    while (s.wheelStepTimer.isRunning() || s.sectorMoveTimer.isRunning())
        g.clock.fireNext();
}

void letter(GameFixture& g, const QString& letter)
{
    const int n = Alphabet::indexOf(letter.at(0));
    StudioForm& s = g.studio();
    if (!g.press(s, s.letterButtons[static_cast<std::size_t>(n)], [&] { s.letterClicked(n); }))
        throw std::logic_error("the letter button cannot be pressed");
}

void nameWord(GameFixture& g, const QString& word)
{
    StudioForm& s = g.studio();
    if (!s.wordBox.visible && !g.press(s, s.wordButton, [&] { s.wordClicked(); }))
        throw std::logic_error("the word button cannot be pressed");
    g.click([&] { s.wordEdited(word); });
}

void waitFor(GameFixture& g, const Timer& timer)
{
    if (!timer.isRunning())
        throw std::logic_error("timer is not running");
    while (timer.isRunning() && g.clock.fireNext()) {
    }
}

}
