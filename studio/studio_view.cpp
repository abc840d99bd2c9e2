// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio/studio_view.h"

#include "widgets/board_tile.h"
#include "widgets/flat_button.h"
#include "widgets/fonts.h"
#include "widgets/glyph_button.h"
#include "widgets/speaker_button.h"
#include "widgets/pause_card.h"
#include "studio/studio_form.h"
#include "widgets/svg_picture.h"
#include "widgets/widget_kit.h"
#include "rules/alphabet.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor SkyBlue(166, 202, 240);

// A player panel is 70 pixels wide with a one-pixel frame; the name starts 4 in
// and keeps a pixel clear of the frame on the right.
constexpr int PanelWidth = 70, NameLeft = 4;
constexpr qreal NameRoom = PanelWidth - NameLeft - 2;

QFont nameFont()
{
    return Fonts::font(Fonts::Face::Serif, 13, true);
}

struct SectorPlace {
    int x, y, w;
};
constexpr std::array<SectorPlace, Wheel::Sectors> sectorPlaces = {{
    {688, 328, 27}, {639, 348, 13}, {584, 368, 27}, {504, 376, 11}, {424, 376, 18}, {344, 376, 11},
    {248, 368, 27}, {192, 348, 9},  {158, 324, 27}, {194, 301, 18}, {262, 284, 27}, {339, 274, 27},
    {427, 272, 27}, {511, 275, 27}, {595, 289, 27}, {655, 307, 27}}};

}

StudioView::StudioView(StudioForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher), m_studio(f)
{
    setLetterbox(QColor(14, 6, 34));  // the night of the studio's far corners
    (new SvgPicture(QStringLiteral(":/assets/studio.svg"), this))->setGeometry(rect());
    addWheel(f);
    addBoard(f);
    addHost(f);
    addControlPanel(f);
    addPlayerPanels(f);
    addLetterRow(f);
    // The pause card lies over the picture, above everything on it; the
    // control panel below stays in view, the pause button with it.
    auto* card = new PauseCard(this, QRect(0, 0, 792, 455), QStringLiteral("Pause или F12 — продолжить игру"));
    m_binder.label(f.pauseCard(), card);
    card->raise();
}

// The wheel's labels over the drawn sectors, and the sector beside the pointer.
void StudioView::addWheel(StudioForm& f)
{
    using Fonts::Face;
    // Each label sizes itself to its caption as the wheel turns.
    for (int k = 1; k <= Wheel::Sectors; ++k) {
        const SectorPlace& p = sectorPlaces[static_cast<std::size_t>(k - 1)];
        const bool odd = k % 2 == 1;
        QLabel* l = Kit::label(this, p.x, p.y, p.w, 21, Fonts::font(Face::Serif, 19), odd ? Qt::white : Qt::black,
                               odd ? Qt::black : Qt::white);
        m_sectorLabels[static_cast<std::size_t>(k)] = l;
        m_binder.label(f.wheel.labels[k], l);
    }
    // The sector beside the pointer, centred on the display's black screen (715–737)
    // and free to spread over its rim for "750".
    m_sectorDisplay = Kit::label(this, 712, 229, 28, 19, Fonts::font(Face::Serif, 12, true), Qt::white);
    m_sectorDisplay->setAlignment(Qt::AlignCenter);
    m_binder.label(f.wheel.pointer, m_sectorDisplay);
}

// The board: twelve tiles over the letters of the answer.
void StudioView::addBoard(StudioForm& f)
{
    using Fonts::Face;
    // The letters lie under their tiles.
    for (int n = 1; n <= Board::Tiles; ++n) {
        QLabel* l = Kit::label(this, 428 + 21 * (n - 1), 102, 20, 21, Fonts::font(Face::Serif, 19), Qt::black, Qt::white);
        l->setAlignment(Qt::AlignCenter);
        l->setObjectName(QStringLiteral("letter%1").arg(n));
        m_binder.label(f.board.letters[n], l);
        m_letters[static_cast<std::size_t>(n)] = l;
    }
    for (int n = 1; n <= Board::Tiles; ++n) {
        auto* tile = new BoardTile(this);
        tile->setGeometry(426 + 21 * (n - 1), 100, 21, 25);
        tile->setAccessibleName(QStringLiteral("Закрытая буква %1").arg(n));
        connect(tile, &QAbstractButton::clicked, this, [this, n] { press(m_studio.board.tiles[n], [this, n] { m_studio.tileClicked(n); }); });
        m_binder.plain(f.board.tiles[n], tile);
        m_tiles[static_cast<std::size_t>(n)] = tile;
    }
}

// The banner between rounds, the host's speech, the round's theme and its number.
void StudioView::addHost(StudioForm& f)
{
    using Fonts::Face;
    QLabel* banner = Kit::label(this, 134, 221, 508, 73, Fonts::font(Face::Serif, 64, false, true), QColor(0, 0, 128), SkyBlue);
    banner->setAlignment(Qt::AlignCenter);
    m_binder.label(f.banner, banner);

    auto* question = Kit::textBox(this, 225, 39, 129, 59, Fonts::standard(), Qt::white, Qt::black, false);
    question->setAccessibleDescription(QStringLiteral("Слова ведущего"));
    m_binder.textBox(f.hostSpeech, question);
    auto* theme = Kit::textBox(this, 255, 471, 193, 55, Fonts::standard(), Qt::white, Qt::black, true, true);
    theme->setAccessibleDescription(QStringLiteral("Тема раунда"));
    m_binder.textBox(f.theme, theme);
    m_theme = theme;

    auto* round = new QLineEdit(this);
    round->setGeometry(384, 3, 12, 18);
    round->setReadOnly(true);
    round->setFocusPolicy(Qt::NoFocus);
    round->setTextMargins(0, 0, 0, 0);
    round->setAccessibleDescription(QStringLiteral("Номер раунда"));
    round->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #7a7a7a; padding: 0px; background: white; }"));
    m_binder.lineEdit(f.roundBox, round);
}

// The spin and word buttons, the word box, the prize, "Новая игра", "Выход" and the speaker.
void StudioView::addControlPanel(StudioForm& f)
{
    using Fonts::Face;
    QPushButton* spin = Kit::button(this, 16, 471, 105, 25);
    connect(spin, &QPushButton::clicked, this, [this] { press(m_studio.spinButton, [this] { m_studio.spinClicked(); }); });
    m_binder.button(f.spinButton, spin);
    QPushButton* word = Kit::button(this, 16, 499, 105, 27);
    connect(word, &QPushButton::clicked, this, [this] { press(m_studio.wordButton, [this] { m_studio.wordClicked(); }); });
    m_binder.button(f.wordButton, word);

    // The word box turns letters into capitals as they are typed.
    auto* entry = new QLineEdit(this);
    entry->setGeometry(124, 504, 126, 22);
    entry->setFont(Fonts::font(Face::Sans, 11));
    connect(entry, &QLineEdit::textEdited, this, [this, entry](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = entry->cursorPosition();
            entry->setText(upper);
            entry->setCursorPosition(cursor);
        }
        press(m_studio.wordBox, [this, upper] { m_studio.wordEdited(upper); });
    });
    entry->setObjectName(QStringLiteral("wordBox"));
    entry->setAccessibleDescription(QStringLiteral("Слово целиком"));
    m_binder.lineEdit(f.wordBox, entry);
    m_wordBox = entry;

    auto* prize = new FlatButton(this, false);
    prize->setGeometry(332, 416, 209, 25);
    prize->setFont(Fonts::font(Face::Serif, 16, true, true));
    Kit::setColours(prize, Qt::white, QColor());
    connect(prize, &QAbstractButton::clicked, this, [this] { press(m_studio.takePrizeButton, [this] { m_studio.takePrizeClicked(); }); });
    m_binder.button(f.takePrizeButton, prize);

    QPushButton* newGame = Kit::button(this, 685, 472, 92, 25, QStringLiteral(":/assets/icons/all.svg"));
    connect(newGame, &QPushButton::clicked, this, [this] { press(m_studio.newGameButton, [this] { m_studio.newGameClicked(); }); });
    m_binder.button(f.newGameButton, newGame);
    QPushButton* leave = Kit::button(this, 685, 501, 92, 25, QStringLiteral(":/assets/icons/ignore.svg"));
    connect(leave, &QPushButton::clicked, this, [this] { press(m_studio.exitButton, [this] { m_studio.exitClicked(); }); });
    m_binder.button(f.exitButton, leave);

    // The speaker, in the free corner between the wheel emblem and the theme box.
    m_speaker = new SpeakerButton(this);
    m_speaker->setGeometry(219, 479, 26, 26);
    m_speaker->setAccessibleName(QStringLiteral("Звук"));
    m_speaker->setToolTip(QStringLiteral("Звук (M)"));
    connect(m_speaker, &QAbstractButton::clicked, this, [this] { press(m_studio.soundButton, [this] { m_studio.soundClicked(); }); });
    m_binder.plain(f.soundButton, m_speaker);
    // Full screen, below the speaker.
    addFullScreenButton(QRect(220, 506, 24, 24));

    // The pause, between the spin buttons and the wheel emblem; the pause keys press it too.
    m_pause = new GlyphButton(this, QStringLiteral(":/assets/icons/resume.svg"), QStringLiteral(":/assets/icons/pause.svg"));
    m_pause->setGeometry(127, 474, 26, 26);
    m_pause->setAccessibleName(QStringLiteral("Пауза"));
    connect(m_pause, &QAbstractButton::clicked, this, [this] { press(m_studio.pauseButton, [this] { m_studio.pauseClicked(); }); });
    m_binder.plain(f.pauseButton, m_pause);
    pauseWith(f.pauseButton, [this] { m_studio.pauseClicked(); });
}

// The three player panels: name, this round's points, the earlier rounds'.
void StudioView::addPlayerPanels(StudioForm& f)
{
    using Fonts::Face;
    for (int slot = 1; slot <= SeatPanel::Seats; ++slot) {
        auto* panel = new QGroupBox(this);
        panel->setGeometry(453 + 78 * (slot - 1), 471, PanelWidth, 55);
        Kit::setColours(panel, Qt::black, SkyBlue);
        panel->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(166,202,240); border: 1px solid #5a7fa8; "
                                            "margin-top: 5px; } QGroupBox::title { subcontrol-origin: margin; left: 5px; "
                                            "padding: 0 1px; }"));
        m_binder.plain(f.panel(slot).panel, panel);
        panel->setTitle(f.panel(slot).panel.text);
        QLabel* name = Kit::label(panel, NameLeft, 12, 29, 15, nameFont(), Qt::black);
        m_nameLabels[static_cast<std::size_t>(slot)] = name;
        m_binder.label(f.panel(slot).nameLabel, name, true);
        QLabel* roundScore = Kit::label(panel, 8, 26, 35, 13, Fonts::font(Face::Serif, 11, true), QColor(0, 128, 0));
        roundScore->setAccessibleDescription(QStringLiteral("Очки игрока %1 в этом раунде").arg(slot));
        m_binder.label(f.panel(slot).roundLabel, roundScore);
        QLabel* total = Kit::label(panel, 8, 38, 35, 13, Fonts::font(Face::Serif, 11, true), QColor(255, 0, 255));
        total->setAccessibleDescription(QStringLiteral("Очки игрока %1 за прошлые раунды").arg(slot));
        m_binder.label(f.panel(slot).totalLabel, total);
        // Centred above the panel, on the control panel's bar.
        auto* pointer = new SvgPicture(QStringLiteral(":/assets/turn_pointer.svg"), this);
        pointer->setGeometry(453 + 78 * (slot - 1) + (PanelWidth - 22) / 2, 457, 22, 15);
        pointer->setAttribute(Qt::WA_TransparentForMouseEvents);
        pointer->setAccessibleName(QStringLiteral("Сейчас ходит"));
        pointer->hide();
        m_turnPointers[static_cast<std::size_t>(slot)] = pointer;
    }
}

// The row of letter buttons at the window's foot.
void StudioView::addLetterRow(StudioForm& f)
{
    using Fonts::Face;
    for (int n = 1; n <= Alphabet::Size; ++n) {
        // 33 buttons of 25 pixels overlap by one to share their borders; the last
        // is a pixel narrower so that it ends at the window's edge (33 × 24 = 792).
        QPushButton* b = Kit::button(this, 24 * (n - 1), 539, n == Alphabet::Size ? 24 : 25, 25);
        b->setFont(Fonts::font(Face::System, 13, true));
        connect(b, &QPushButton::clicked, this, [this, n] { press(m_studio.letterButtons[n], [this, n] { m_studio.letterClicked(n); }); });
        m_binder.button(f.letterButtons[n], b);
    }
}

void StudioView::sync()
{
    auto wordBoxOpen = [this] { return m_wordBox->isVisibleTo(this) && m_wordBox->isEnabled(); };
    const bool wordBoxWasOpen = wordBoxOpen();
    ScreenView::sync();
    // The word box takes the keyboard as soon as it opens (or the pause ends),
    // and gives it back to the studio when it closes (or the game pauses), so
    // that no key goes on into a box that cannot take it.
    if (!wordBoxWasOpen && wordBoxOpen()) {
        m_wordBox->setFocus();
    } else if (wordBoxWasOpen && !wordBoxOpen()) {
        m_wordBox->clearFocus();
        setFocus();
    }
    // While the computer types its word, keys from the keyboard do not even show in the box.
    const bool computerTypes = m_studio.heldByComputer(m_studio.wordBox);
    if (m_wordBox->isReadOnly() != computerTypes)
        m_wordBox->setReadOnly(computerTypes);
    if (m_speaker->isChecked() != m_studio.soundOn() || m_speaker->accessibleDescription().isEmpty()) {
        m_speaker->setChecked(m_studio.soundOn());
        m_speaker->setAccessibleDescription(m_studio.soundOn() ? QStringLiteral("Звук включён")
                                                                 : QStringLiteral("Звук выключен"));
        m_speaker->update();
    }
    if (m_pause->isChecked() != m_studio.paused() || m_pause->toolTip().isEmpty()) {
        m_pause->setChecked(m_studio.paused());
        m_pause->setToolTip(m_studio.paused() ? QStringLiteral("Продолжить игру (Pause или F12)")
                                              : QStringLiteral("Пауза (Pause или F12)"));
        m_pause->setAccessibleDescription(m_studio.paused() ? QStringLiteral("Игра на паузе") : QString());
        m_pause->update();
    }
    for (int slot = 1; slot <= SeatPanel::Seats; ++slot) {
        QLabel* name = m_nameLabels[static_cast<std::size_t>(slot)];
        // The red name is the one whose turn it is; the pointer above the panel
        // says so without colour, and the description to a screen reader.
        const bool turn = m_studio.panel(slot).nameLabel.fontColor == Colors::Red;
        const QString description = turn ? QStringLiteral("Сейчас ходит") : QString();
        if (name->accessibleDescription() != description)
            name->setAccessibleDescription(description);
        QWidget* pointer = m_turnPointers[static_cast<std::size_t>(slot)];
        const bool pointed = turn && m_studio.panel(slot).panel.visible;
        if (pointer->isVisibleTo(this) != pointed)
            pointer->setVisible(pointed);
    }
}

void StudioView::fit()
{
    fitBoard();
    fitThemeToOneLine();
    // Labels that size themselves to their caption.
    for (int k = 1; k <= Wheel::Sectors; ++k)
        m_sectorLabels[static_cast<std::size_t>(k)]->adjustSize();
    for (int slot = 1; slot <= SeatPanel::Seats; ++slot) {
        QLabel* name = m_nameLabels[static_cast<std::size_t>(slot)];
        // Eight capitals are wider than the panel in the name's own font: a long
        // name gets a smaller one and shows whole.
        const QFont font = Fonts::fitted(scaled(nameFont()), name->text(), NameRoom * scale(), name);
        if (name->font() != font)
            name->setFont(font);
        name->adjustSize();
    }
}

// Full screen, the board's row is a fifth larger than the rest, over the
// stars at its ends, so that a letter is a twentieth of the screen's height
// read from the back of a room; windowed, every tile is at its own place.
void StudioView::fitBoard()
{
    const bool large = isFullScreen();
    const int step = large ? 25 : 21, left = large ? 402 : 426;
    const QSize tile = large ? QSize(25, 30) : QSize(21, 25);
    const int top = large ? 98 : 100;
    const QFont letterFont = scaled(Fonts::font(Fonts::Face::Serif, large ? 23 : 19));
    for (int n = 1; n <= Board::Tiles; ++n) {
        const int x = left + step * (n - 1);
        place(m_tiles[static_cast<std::size_t>(n)], QRect(QPoint(x, top), tile));
        QLabel* letter = m_letters[static_cast<std::size_t>(n)];
        place(letter, large ? QRect(x + 2, top + 3, 21, 24) : QRect(x + 2, top + 2, 20, 21));
        if (letter->font() != letterFont)
            letter->setFont(letterFont);
    }
}

// A text without a blank (the studio's greeting of stars) cannot wrap at a
// word: it is shown on one line in a font small enough to fit, not cut in two.
void StudioView::fitThemeToOneLine()
{
    const QString text = m_theme->toPlainText();
    QFont font = scaled(Fonts::standard());
    const qreal room = m_theme->viewport()->width() - 2 * m_theme->document()->documentMargin() - 2;
    if (!text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('\n')))
        font = Fonts::fitted(font, text, room, m_theme->viewport());
    if (m_theme->font() != font)
        m_theme->setFont(font);
}

void StudioView::keyPressEvent(QKeyEvent* event)
{
    // The Latin M switches the sound. A Russian layout types "Ь" on that key,
    // which stays the letter's: a player who is typing letters never switches
    // the sound off by accident.
    const bool latinM = event->key() == Qt::Key_M && event->text().compare(QLatin1String("m"), Qt::CaseInsensitive) == 0 &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (latinM) {
        press(m_studio.soundButton, [this] { m_studio.soundClicked(); });
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier));
    switch (plain ? event->key() : 0) {
    case Qt::Key_Space:
    case Qt::Key_PageDown:
        // A key held down repeats: the first press is the player's, the rest are not.
        if (!event->isAutoRepeat())
            press(m_studio.spinButton, [this] { m_studio.spinClicked(); });
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageUp:
        if (!event->isAutoRepeat())
            press(m_studio.wordButton, [this] { m_studio.wordClicked(); });
        return;
    default:
        break;
    }
    const QString text = event->text().toUpper();
    const int n = text.size() == 1 ? Alphabet::indexOf(text.at(0)) : 0;
    if (n) {
        // A letter presses its button; the dispatcher lets it through only while the button may be clicked.
        press(m_studio.letterButtons[n], [this, n] { m_studio.letterClicked(n); });
        return;
    }
    ScreenView::keyPressEvent(event);
}
