// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio_form.h"

#include "alphabet.h"
#include "runtime.h"

namespace {
constexpr int Interval1ms = 1;
}

const std::array<QString, 16>& StudioForm::sectors()
{
    static const std::array<QString, 16> all = {
        QStringLiteral("750"), QStringLiteral("П"),   QStringLiteral("100"), QStringLiteral("Б"),
        QStringLiteral("50"),  QStringLiteral("+"),   QStringLiteral("250"), QStringLiteral("0"),
        QStringLiteral("500"), QStringLiteral("x2"),  QStringLiteral("150"), QStringLiteral("300"),
        QStringLiteral("200"), QStringLiteral("450"), QStringLiteral("350"), QStringLiteral("400")};
    return all;
}

StudioForm::StudioForm(Runtime& runtime)
    : Form(QStringLiteral("Словодром"), 792, 562),
      Timer1(runtime, QStringLiteral("Timer1"), 2000, [this] { Timer1Timer(); }),
      Timer2(runtime, QStringLiteral("Timer2"), 3000, [this] { Timer2Timer(); }),
      Timer3(runtime, QStringLiteral("Timer3"), 5000, [this] { Timer3Timer(); }),
      Timer4(runtime, QStringLiteral("Timer4"), 4000, [this] { Timer4Timer(); }),
      Timer5(runtime, QStringLiteral("Timer5"), Interval1ms, [this] { Timer5Timer(); }),
      Timer6(runtime, QStringLiteral("Timer6"), 150, [this] { Timer6Timer(); }),
      Timer7(runtime, QStringLiteral("Timer7"), 3000, [this] { Timer7Timer(); }),
      Timer8(runtime, QStringLiteral("Timer8"), 3000, [this] { Timer8Timer(); }),
      Timer9(runtime, QStringLiteral("Timer9"), Interval1ms, [this] { Timer9Timer(); }),
      Timer10(runtime, QStringLiteral("Timer10"), 3000, [this] { Timer10Timer(); }),
      // The watcher and the score refresh only follow what events change, so
      // they run after every event instead of ticking every millisecond.
      Timer11(runtime, QStringLiteral("Timer11"), Interval1ms, [this] { Timer11Timer(); }, Timer::Mode::AfterEvent),
      ScoreTimer(runtime, QStringLiteral("ScoreTimer"), Interval1ms, [this] { ScoreTimerTimer(); },
                 Timer::Mode::AfterEvent),
      m_runtime(runtime)
{
    for (int n = 1; n <= 12; ++n) {
        Zas[n] = Control{true, false, {}, 0};
        letters[n] = Control{false, true, QStringLiteral("Ю"), Colors::Black};
    }
    for (int slot = 1; slot <= 3; ++slot) {
        player(slot).nameLabel.text = QStringLiteral("ИМЯ");
        player(slot).roundLabel.text = QStringLiteral("ОЧКИ");
        player(slot).totalLabel.text = QStringLiteral("ОЧКИ");
        player(slot).panel = Control{false, true, QStringLiteral("Игрок %1:").arg(slot), 0};
        player(slot).prizeCarrier = Control{false, true, {}, 0};
    }
    banner = Control{false, true, QStringLiteral("Следующий раунд!"), 0};
    for (int k = 1; k <= 16; ++k)
        S[k].text = sectors()[k - 1];
    SS.text = sectors()[0];
    for (int n = 1; n <= Alphabet::Size; ++n)
        SpeedButton[n] = Control{true, false, QString(Alphabet::letter(n)), 0};
    newGameButton.text = QStringLiteral("Новая игра");
    Question.text = QStringLiteral("Добро пожаловать на \nСловодром!");
    RaundQuestion.text = QStringLiteral("***************Словодром****************");
    KrutButton = Control{true, false, QStringLiteral("Крутить барабан"), 0};
    SlovoButton = Control{true, false, QStringLiteral("Назвать слово"), 0};
    Edit1.visible = false;
    TakePriz = Control{false, true, QStringLiteral("Взять приз"), 0};
    BitBtn1.text = QStringLiteral("Выход");
    Edit2 = Control{false, false, {}, 0};
    twobox = Control{false, true, QStringLiteral("twobox"), 0};
    SoundButton.text = QStringLiteral("Звук");
    ScoreTimer.start();
}

void StudioForm::link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end)
{
    m_menu = &menu;
    m_bargain = &bargain;
    m_twoBoxes = &twoBoxes;
    m_end = &end;
}

int StudioForm::currentSlot() const
{
    for (int slot = 1; slot <= 3; ++slot)
        if (player(slot).nameLabel.fontColor == Colors::Red)
            return slot;
    return 0;
}

int StudioForm::visiblePanels() const
{
    int n = 0;
    for (int slot = 1; slot <= 3; ++slot)
        n += player(slot).panel.visible ? 1 : 0;
    return n;
}

bool StudioForm::onePlayerLeft() const
{
    return PlayerCount != 1 && visiblePanels() == 1;
}

bool StudioForm::allTilesHidden() const
{
    for (int n = 1; n <= 12; ++n)
        if (Zas[n].visible)
            return false;
    return true;
}

bool StudioForm::anyLetterLeft() const
{
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (SpeedButton[n].visible)
            return true;
    return false;
}

void StudioForm::hideAllTiles()
{
    for (int n = 1; n <= 12; ++n)
        Zas[n].hide();
}

void StudioForm::setRed(int slot)
{
    for (int s = 1; s <= 3; ++s)
        player(s).nameLabel.fontColor = s == slot ? Colors::Red : Colors::Black;
}

void StudioForm::enableTurnButtons(bool enabled)
{
    KrutButton.enabled = enabled;
    SlovoButton.enabled = enabled;
}

void StudioForm::DisableAlphabet()
{
    for (int n = 1; n <= Alphabet::Size; ++n)
        SpeedButton[n].disable();
}

void StudioForm::showRoundBanner()
{
    // The banner that closes the last round says that the game is over,
    // whichever way the round ended.
    if (RoundNumber == RoundCount)
        banner.text = QStringLiteral("Игра окончена!");
    banner.show();
    sound(Sound::Applause);
}

void StudioForm::ScoreTimerTimer()
{
    for (int slot = 1; slot <= 3; ++slot) {
        player(slot).roundLabel.text = QString::number(player(slot).roundScore);
        player(slot).totalLabel.text = QString::number(player(slot).totalScore);
    }
}
