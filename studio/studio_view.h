// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"
#include "studio/board.h"
#include "studio/seat_panel.h"
#include "studio/wheel.h"

#include <array>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class StudioForm;

// The studio's window: the picture, the board, the wheel labels, the host's
// box, the control panel, the player panels and the letter row, each at its
// pixel place, mirroring StudioForm.
class StudioView : public ScreenView {
public:
    StudioView(StudioForm& form, Dispatcher& dispatcher);
    void sync() override;

protected:
    // A Russian letter typed on the keyboard presses that letter's button; the
    // Latin M switches the sound off and on; the pause keys press the pause button.
    // Keys that are no letter in a Russian layout drive the turn from across
    // the room (a keyboard, a presenter's clicker): Space and Page Down spin
    // the wheel, Enter and Page Up open the word entry.
    void keyPressEvent(QKeyEvent* event) override;
    void fit() override;

private:
    void addWheel(StudioForm& f);
    void addBoard(StudioForm& f);
    void addHost(StudioForm& f);
    void addControlPanel(StudioForm& f);
    void addPlayerPanels(StudioForm& f);
    void addLetterRow(StudioForm& f);

    StudioForm& m_studio;
    std::array<QLabel*, Wheel::Sectors + 1> m_sectorLabels{};
    std::array<QLabel*, SeatPanel::Seats + 1> m_nameLabels{};
    // Above the panel of the player whose turn it is: a pointer that says so
    // without colour.
    std::array<QWidget*, SeatPanel::Seats + 1> m_turnPointers{};
    QLabel* m_sectorDisplay = nullptr;
    QLineEdit* m_wordBox = nullptr;
    QPlainTextEdit* m_theme = nullptr;
    void fitThemeToOneLine();
    void fitBoard();
    std::array<QLabel*, Board::Tiles + 1> m_letters{};
    std::array<QWidget*, Board::Tiles + 1> m_tiles{};
    QAbstractButton* m_speaker = nullptr;
    QAbstractButton* m_pause = nullptr;
};
