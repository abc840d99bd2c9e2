// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/setup_form.h"

SetupForm::SetupForm() : Form(QStringLiteral("Введите имена игроков"), 458, 218)
{
    nameCaptions[0].text = QStringLiteral("Имя первого игрока:");
    nameCaptions[1].text = QStringLiteral("Имя второго игрока:");
    nameCaptions[2].text = QStringLiteral("Имя третьего игрока:");
    roundsCaption.text = QStringLiteral("Кол-во раундов:");
    roundsBox.text = QStringLiteral("3");
    okButton.text = QStringLiteral("OK");
}

QStringList SetupForm::playerKindNames()
{
    QStringList names{QStringLiteral("Человек")};
    for (const computer::Level level : computer::AllLevels)
        names << QStringLiteral("Компьютер: ") + computer::traits(level).name;
    return names;
}

QString SetupForm::computerName(int place)
{
    // At most NameLength characters, like every name, and a different one at each place.
    static const std::array<QString, Seats> names = {QStringLiteral("Бот Вася"), QStringLiteral("Бот Петя"),
                                                     QStringLiteral("Бот Маша")};
    return names[static_cast<std::size_t>(qBound(0, place, Seats - 1))];
}

void SetupForm::roundsSliderMoved(int position)
{
    roundsSlider = qBound(0, position, RoundsSliderMax);
    roundCount = roundsSlider + 1;
    roundsBox.text = QString::number(roundCount);
}

void SetupForm::playerKindChosen(int place, int kind)
{
    if (place < 0 || place >= Seats)
        return;
    const auto i = static_cast<std::size_t>(place);
    kind = qBound(Person, kind, static_cast<int>(computer::AllLevels.size()));
    const bool wasComputer = playerKinds[i] != Person;
    playerKinds[i] = kind;
    QString& name = nameBoxes[i].text;
    if (kind != Person && (!wasComputer || name.isEmpty()))
        name = computerName(place);
    else if (kind == Person && name == computerName(place))
        name.clear();
}

void SetupForm::okClicked()
{
    for (int i = 0; i < Seats; ++i)
        playerNames[static_cast<std::size_t>(i)] = nameBoxes[static_cast<std::size_t>(i)].text;
    // The players sit from the first seat on, without a gap.
    QStringList names;
    for (const QString& name : playerNames) {
        if (name.isEmpty())
            break;
        names << name;
    }
    for (std::size_t i = static_cast<std::size_t>(names.size()); i < playerNames.size(); ++i)
        if (!playerNames[i].isEmpty())
            names.clear();
    Computers computers{};
    for (std::size_t i = 0; i < computers.size() && i < static_cast<std::size_t>(names.size()); ++i)
        if (playerKinds[i] != Person)
            computers[i] = computer::AllLevels[static_cast<std::size_t>(playerKinds[i] - 1)];
    roundCount = roundsBox.text.toInt();
    if (m_next && !names.isEmpty()) {
        if (m_done)
            m_done(names, roundCount, computers);
        switchTo(*m_next);
    }
}
