// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host_phrases.h"

#include <array>
#include <map>

namespace HostPhrases {

QString sector(const Sector& sector, int r)
{
    using Row = std::array<const char*, 3>;
    // The points sectors by their points, the others by their kind.
    static const std::map<int, Row> byPoints = {
        {100, {"Выпало 100 очков! А теперь назовите букву.", "У вас 100 очков! Назовите букву.", "Эти 100 очков будут вашими, если вы правильно назовёте букву."}},
        {50, {"Выпало 50 очков! А теперь назовите букву.", "У вас 50 очков! Назовите букву.", "Эти 50 очков будут вашими, если вы правильно назовёте букву."}},
        {250, {"Выпало 250 очков! А теперь назовите букву.", "250 очков — очень неплохо! Назовите букву.", "Эти 250 очков будут вашими, если вы правильно назовёте букву."}},
        {500, {"Выпало 500 очков! Вам везёт, назовите букву.", "У вас 500 очков! Назовите букву.", "Эта куча очков будет ваша, если вы правильно назовёте букву."}},
        {750, {"750 очков — максимум! А теперь назовите букву.", "У вас 750 очков! С вас буква.", "Эти 750 очков будут вашими, если вы правильно назовёте букву."}},
        {150, {"Выпало 150 очков! А теперь назовите букву.", "150 очков на барабане! Назовите букву.", "Эти 150 очков будут вашими, если вы правильно назовёте букву."}},
        {300, {"Выпало 300 очков! С вас буква.", "У вас 300 очков! Назовите букву.", "300 очков — вполне неплохо. Назовите букву."}},
        {200, {"200 на барабане! Назовите букву.", "Выпал сектор — 200 очков. С вас буква!", "Эти 200 очков будут вашими, если вы правильно назовёте букву."}},
        {450, {"450, вам повезло! А теперь назовите букву.", "У вас 450 очков! Назовите букву.", "У вас счастливая рука, 450 очков, назовите букву."}},
        {350, {"Выпало 350 очков! Вам везёт, назовите букву.", "У вас 350 очков! Назовите букву.", "Эта куча очков будет ваша, если вы правильно назовёте букву."}},
        {400, {"Выпало 400 очков! Вам везёт, назовите букву.", "У вас 400 очков! Назовите букву.", "Эта куча очков будет ваша, если вы правильно назовёте букву."}},
    };
    static const std::map<Sector::Kind, Row> byKind = {
        {Sector::Kind::Zero, {"У вас 0. Ход переходит другому.", "0 — это переход хода.", "Вам не повезло, у вас 0."}},
        {Sector::Kind::Bankrupt, {"У вас банкрот. Увы, все очки сгорели.", "Банкрот! У вас теперь 0 очков.", "Ход переходит другому."}},
        {Sector::Kind::Prize, {"Приз на барабане! Будем брать приз? Если нет, то у вас есть право назвать букву.", "У вас приз! Берёте приз или продолжите игру и назовёте букву?", "Приз!!! Выбираете приз?"}},
        {Sector::Kind::Plus, {"У вас есть возможность открыть любую букву.", "Сектор + на барабане, какую букву вы открываете?", "Поздравляю, у вас есть возможность открыть любую букву."}},
        {Sector::Kind::Double, {"Ваши очки умножатся на два, если вы правильно назовёте букву!", "Сектор x2. Назовите букву!", "Очки умножаются на два при правильно названной букве."}},
    };
    if (r < 0 || r > 2)
        return QString();
    const Row* row = nullptr;
    if (sector.kind == Sector::Kind::Points) {
        const auto it = byPoints.find(sector.points);
        row = it == byPoints.end() ? nullptr : &it->second;
    } else {
        const auto it = byKind.find(sector.kind);
        row = it == byKind.end() ? nullptr : &it->second;
    }
    return row ? QString::fromUtf8((*row)[static_cast<std::size_t>(r)]) : QString();
}

QString correctLetter(int r)
{
    static const char* const phrases[3] = {
        "Есть такая буква в этом слове. Крутите барабан или назовёте слово?",
        "Правильно, вы, наверное, знали! Что будем делать?",
        "Правильно! Будете ли вы крутить барабан или назовёте слово?",
    };
    return QString::fromUtf8(phrases[r]);
}

QString manyLetters(int r, int count)
{
    static const char* const halves[3][2] = {
        {"В этом слове таких букв — ", ". Крутим барабан или назовём слово?"},
        {"Таких букв здесь ", ". Знаете слово? Нет — крутите барабан!"},
        {"Поздравляю, таких букв здесь ", ". Крутим барабан или назовём слово?"},
    };
    return QString::fromUtf8(halves[r][0]) + QString::number(count) + QString::fromUtf8(halves[r][1]);
}

QString threeInRow(int r)
{
    static const char* const phrases[3] = {
        "Есть такая буква в этом слове! Но вы ещё имеете право на две шкатулки!",
        "За три угаданные буквы вы имеете право на две шкатулки!",
        "Правильно! Две шкатулки в студию!",
    };
    return QString::fromUtf8(phrases[r]);
}

QString tileOpened()
{
    return QStringLiteral("Теперь вы можете крутить барабан или назвать слово!");
}

QString wordGuessed()
{
    return QStringLiteral("Вы отгадали слово!");
}

QString nextRoundBanner()
{
    return QStringLiteral("Следующий раунд!");
}

QString gameOverBanner()
{
    return QStringLiteral("Игра окончена!");
}

QString welcomeAtStart()
{
    return QStringLiteral("Добро пожаловать на \nСловодром!");
}

QString welcome()
{
    return QStringLiteral("Добро пожаловать на Словодром!");
}

QString turn(Round::TurnOutcome::Kind kind, const QString& name)
{
    switch (kind) {
    case Round::TurnOutcome::Kind::Again:
        return QStringLiteral("И снова ходит ") + name + QStringLiteral(".");
    case Round::TurnOutcome::Kind::First:
        return QStringLiteral("Первым ходит ") + name + QStringLiteral(".");
    case Round::TurnOutcome::Kind::Next:
        return QStringLiteral("Сейчас ходит ") + name + QStringLiteral(".");
    case Round::TurnOutcome::Kind::Same:
        return QStringLiteral("Опять ходит ") + name + QStringLiteral(".");
    }
    return QString();
}

QString prompt(int r)
{
    static const char* const prompts[3] = {
        "Крутите барабан или назовите слово.",
        "Вы можете крутить барабан или назвать слово.",
        "Вы, наверное, уже знаете ответ — тогда назовите слово, нет — крутите барабан.",
    };
    return QString::fromUtf8(prompts[r]);
}

QString missedLetter()
{
    return QStringLiteral("Увы, такой буквы в этом слове нет. Ход переходит другому.");
}

QString wordRight()
{
    return QStringLiteral("Правильно!!!!");
}

QString nobodyNamedWord()
{
    return QStringLiteral("К сожалению, ни один игрок не назвал слово. И мы переходим в следующий раунд!");
}

QString allTilesOpen()
{
    return QStringLiteral("Все буквы открыты!");
}

QString nobodyLeftAfterPrize()
{
    return QStringLiteral("Как я вижу, у нас не осталось игроков! Переходим в следующий раунд!");
}

QString afterBoxes()
{
    return QStringLiteral("А теперь вы можете крутить барабан либо назвать слово!");
}

QString lastPlayerStarts()
{
    return QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!");
}

QString movesLeft(LastPlayerMoves taken)
{
    switch (taken) {
    case LastPlayerMoves::FirstTaken:
        return QStringLiteral("У вас осталось два результативных хода!");
    case LastPlayerMoves::SecondTaken:
        return QStringLiteral("У вас остался только один результативный ход!");
    case LastPlayerMoves::ThirdTaken:
        return QStringLiteral("Это ваш последний ход.");
    default:
        return QString();
    }
}

QString lastPlayerLetter(bool right)
{
    return right ? QStringLiteral("Правильно! Назовём слово?") : QStringLiteral("Нет такой буквы в этом слове. Что будем делать?");
}

QString lastPlayerTileOpened()
{
    return QStringLiteral("Буква открыта!");
}

QString movesUsedUp()
{
    return QStringLiteral("Три хода истекли. Назовите слово.");
}

QString lastPlayerSolved()
{
    return QStringLiteral("Правильно!!!");
}

}
