// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/game_fixture.h"

GameFixture::GameFixture() : GameFixture(sampleBase())
{
}

GameFixture::GameFixture(const std::vector<std::pair<QString, QString>>& base)
    : runtime(clock, random, folder.path())
{
    folder.writeBase(base);
    runtime.dispatcher.setErrorReporter([this](const QString& m) { errors << m; });
    runtime.sound.plug(&sounds);
    screens = std::make_unique<GameScreens>(runtime);
}

void GameFixture::startGame(const QStringList& names, int rounds)
{
    click([&] { screens->menu.newGameClicked(); });
    SetupForm& setup = screens->setup;
    click([&] {
        setup.nameBoxes[0].text = names.value(0);
        setup.nameBoxes[1].text = names.value(1);
        setup.nameBoxes[2].text = names.value(2);
        setup.roundsSliderMoved(rounds - 1);
        setup.okClicked();
    });
    click([&] { studio().newGameClicked(); });
}

std::vector<std::pair<QString, QString>> sampleBase()
{
    return {{QStringLiteral("КОТ"), QStringLiteral("Домашний зверь, ловит мышей")},
            {QStringLiteral("ДОМ"), QStringLiteral("Где живут люди")},
            {QStringLiteral("ЛЕС"), QStringLiteral("Много деревьев")},
            {QStringLiteral("МОРЕ"), QStringLiteral("Солёная вода")},
            {QStringLiteral("САД"), QStringLiteral("Яблони и груши")},
            {QStringLiteral("ЁЖ"), QStringLiteral("Колючий зверёк")},
            {QStringLiteral("РЕКА"), QStringLiteral("Течёт к морю")},
            {QStringLiteral("ГОРА"), QStringLiteral("Высокая вершина")},
            {QStringLiteral("ЗИМА"), QStringLiteral("Время года со снегом")},
            {QStringLiteral("ПОЛЕ"), QStringLiteral("Растёт пшеница")}};
}
