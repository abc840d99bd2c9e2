// SPDX-License-Identifier: GPL-3.0-or-later
// Long play's pauses: in a pause no control acts, no timer ticks and nothing
// changes; after it the game stands exactly where it stood.
#include "tests/studio/long_play_player.h"

#include "core/pause.h"
#include "rules/alphabet.h"

namespace LongPlay {

bool RandomPlayer::canPause()
{
    const auto& f = *m_g.screens;
    return m_gameOn && ((s().isVisible() && s().pauseButton.enabled) || f.bargain.isVisible() || f.twoBoxes.isVisible());
}

bool RandomPlayer::togglePause()
{
    auto& f = *m_g.screens;
    Pause& pause = m_g.runtime.pause;
    if (s().isVisible())
        return m_g.press(s(), s().pauseButton, [this] { s().pauseClicked(); });
    const Form& side = f.bargain.isVisible() ? static_cast<const Form&>(f.bargain) : f.twoBoxes;
    return m_g.press(side, pause.key, [&pause] { pause.toggle(); });
}

QString RandomPlayer::whereItStands()
{
    const auto& f = *m_g.screens;
    return describe() + QStringLiteral(" screens %1%2%3 offer %4/%5 of %6, box %7 boxes %8%9")
                            .arg(int(s().isVisible()))
                            .arg(int(f.bargain.isVisible()))
                            .arg(int(f.twoBoxes.isVisible()))
                            .arg(f.bargain.offerStep)
                            .arg(f.bargain.offerAmount)
                            .arg(f.bargain.offerLimit)
                            .arg(f.bargain.blackBoxPoints)
                            .arg(int(f.twoBoxes.leftBox.enabled))
                            .arg(int(f.twoBoxes.rightBox.enabled));
}

void RandomPlayer::pauseAWhile()
{
    auto& f = *m_g.screens;
    StudioForm& st = s();
    const QString before = whereItStands();
    m_log.push_back(QStringLiteral("pause"));
    if (!togglePause())
        return fail(QStringLiteral("the pause cannot be pressed"));
    ++m_report.pauses;
    if (!m_g.runtime.pause.isOn() || !m_g.runtime.pause.card.visible)
        return fail(QStringLiteral("paused, but no pause on view"));
    if (m_g.clock.hasPending())
        return fail(QStringLiteral("a timer is pending in the pause"));
    const QString inPause = whereItStands();
    m_g.sounds.clear();

    // Whatever a player tries, nothing acts: every click and key that would
    // have acted goes through the same guard and must be refused.
    const std::vector<std::pair<const Control*, std::function<void()>>> studioControls = {
        {&st.spinButton, [this] { s().spinClicked(); }},       {&st.wordButton, [this] { s().wordClicked(); }},
        {&st.takePrizeButton, [this] { s().takePrizeClicked(); }}, {&st.newGameButton, [this] { s().newGameClicked(); }},
        {&st.exitButton, [this] { s().exitClicked(); }},         {&st.soundButton, [this] { s().soundClicked(); }},
        {&st.wordBox, [this] { s().wordEdited(s().round().answer()); }},
    };
    auto pick = [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_pauseRng); };
    for (int attempt = 0; attempt < 12; ++attempt) {
        bool acted = false;
        QString what;
        switch (pick(4)) {
        case 0: {
            const auto& [control, handler] = studioControls[static_cast<std::size_t>(pick(static_cast<int>(studioControls.size())))];
            acted = m_g.press(st, *control, handler);
            what = control->text;
            break;
        }
        case 1: {
            const int n = 1 + pick(Alphabet::Size);
            acted = m_g.press(st, st.letterButtons[n], [this, n] { s().letterClicked(n); });
            what = Alphabet::letter(n);
            break;
        }
        case 2: {
            const int n = 1 + pick(12);
            acted = m_g.press(st, st.board.tiles[n], [this, n] { s().tileClicked(n); });
            what = QStringLiteral("tile %1").arg(n);
            break;
        }
        default:
            acted = m_g.press(f.bargain, f.bargain.blackBox, [&f] { f.bargain.blackBoxClicked(); }) ||
                    m_g.press(f.bargain, f.bargain.money, [&f] { f.bargain.moneyClicked(); }) ||
                    m_g.press(f.twoBoxes, f.twoBoxes.leftBox, [&f] { f.twoBoxes.leftBoxClicked(); }) ||
                    m_g.press(f.twoBoxes, f.twoBoxes.rightBox, [&f] { f.twoBoxes.rightBoxClicked(); });
            what = QStringLiteral("a side screen's picture");
            break;
        }
        if (acted)
            return fail(QStringLiteral("%1 acted in the pause").arg(what));
    }
    // Up to ten minutes pass, and nothing happens.
    m_g.advance(1 + pick(10 * 60 * 1000));
    if (m_g.clock.hasPending())
        return fail(QStringLiteral("a timer is pending in the pause"));
    if (whereItStands() != inPause)
        return fail(QStringLiteral("the game changed in the pause:\n    %1\n    %2").arg(inPause, whereItStands()));
    if (!m_g.sounds.played.empty())
        return fail(QStringLiteral("a sound in the pause"));

    m_log.push_back(QStringLiteral("resume"));
    if (!togglePause())
        return fail(QStringLiteral("the pause cannot be ended"));
    if (m_g.runtime.pause.isOn() || m_g.runtime.pause.card.visible)
        return fail(QStringLiteral("resumed, but the pause is on view"));
    if (whereItStands() != before)
        return fail(QStringLiteral("the pause changed the game:\n    %1\n    %2").arg(before, whereItStands()));
}

}
