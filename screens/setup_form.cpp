// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_form.h"

#include "studio_form.h"

SetupForm::SetupForm() : Form(QStringLiteral("Введите имена игроков"), 369, 190)
{
    Label1.text = QStringLiteral("Имя первого игрока:");
    Label2.text = QStringLiteral("Имя второго игрока:");
    Label3.text = QStringLiteral("Имя третьего игрока:");
    Label4.text = QStringLiteral("Кол-во раундов:");
    Edit4.text = QStringLiteral("3");
    BitBtn1.text = QStringLiteral("OK");
}

void SetupForm::LevelChange(int position)
{
    Level = qBound(0, position, LevelMax);
    SetupRoundCount = Level + 1;
    Edit4.text = QString::number(SetupRoundCount);
}

void SetupForm::BitBtn1Click()
{
    PlayerName1 = Edit1.text;
    PlayerName2 = Edit2.text;
    PlayerName3 = Edit3.text;
    int players = 0;
    if (!PlayerName1.isEmpty()) {
        if (PlayerName2.isEmpty() && PlayerName3.isEmpty())
            players = 1;
        else if (!PlayerName2.isEmpty() && PlayerName3.isEmpty())
            players = 2;
        else if (!PlayerName2.isEmpty() && !PlayerName3.isEmpty())
            players = 3;
    }
    if (m_studio && players > 0) {
        const QString names[3] = {PlayerName1, PlayerName2, PlayerName3};
        for (int slot = 1; slot <= players; ++slot) {
            m_studio->player(slot).panel.show();
            m_studio->player(slot).nameLabel.show();
            m_studio->player(slot).nameLabel.text = names[slot - 1];
            m_studio->player(slot).roundLabel.show();
            m_studio->player(slot).roundLabel.text = QStringLiteral("0");
        }
        switchTo(*m_studio);
    }
    SetupRoundCount = Edit4.text.toInt();
    if (m_studio)
        m_studio->Edit2.text = QString::number(SetupRoundCount);
}
