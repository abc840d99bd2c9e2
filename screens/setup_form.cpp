// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_form.h"

#include "studio_form.h"

SetupForm::SetupForm() : Form(QStringLiteral("Введите имена игроков"), 369, 190)
{
    nameCaption1.text = QStringLiteral("Имя первого игрока:");
    nameCaption2.text = QStringLiteral("Имя второго игрока:");
    nameCaption3.text = QStringLiteral("Имя третьего игрока:");
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
    playerName1 = nameBox1.text;
    playerName2 = nameBox2.text;
    playerName3 = nameBox3.text;
    int players = 0;
    if (!playerName1.isEmpty()) {
        if (playerName2.isEmpty() && playerName3.isEmpty())
            players = 1;
        else if (!playerName2.isEmpty() && playerName3.isEmpty())
            players = 2;
        else if (!playerName2.isEmpty() && !playerName3.isEmpty())
            players = 3;
    }
    if (m_studio && players > 0) {
        const QString names[3] = {playerName1, playerName2, playerName3};
        for (int slot = 1; slot <= players; ++slot) {
            m_studio->player(slot).panel.show();
            m_studio->player(slot).nameLabel.show();
            m_studio->player(slot).nameLabel.text = names[slot - 1];
            m_studio->player(slot).roundLabel.show();
            m_studio->player(slot).roundLabel.text = QStringLiteral("0");
        }
        switchTo(*m_studio);
    }
    roundCount = roundsBox.text.toInt();
    if (m_studio)
        m_studio->roundCountCarrier.text = QString::number(roundCount);
}
