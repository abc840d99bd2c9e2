// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/setup_form.h"

SetupForm::SetupForm() : Form(QStringLiteral("Введите имена игроков"), 369, 190)
{
    nameCaptions[0].text = QStringLiteral("Имя первого игрока:");
    nameCaptions[1].text = QStringLiteral("Имя второго игрока:");
    nameCaptions[2].text = QStringLiteral("Имя третьего игрока:");
    roundsCaption.text = QStringLiteral("Кол-во раундов:");
    roundsBox.text = QStringLiteral("3");
    okButton.text = QStringLiteral("OK");
}

void SetupForm::roundsSliderMoved(int position)
{
    roundsSlider = qBound(0, position, RoundsSliderMax);
    roundCount = roundsSlider + 1;
    roundsBox.text = QString::number(roundCount);
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
    roundCount = roundsBox.text.toInt();
    if (m_next && !names.isEmpty()) {
        if (m_done)
            m_done(names, roundCount);
        switchTo(*m_next);
    }
}
