// SPDX-License-Identifier: GPL-3.0-or-later
// Long play's checks after every event: the sounds, the turn, the scores,
// the last player's moves and the bargaining.
#include "tests/studio/long_play_player.h"

#include "rules/alphabet.h"
#include "rules/points.h"
#include "tests/support/rule_numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace LongPlay {

void RandomPlayer::checkSounds(Kind kind, const QString& what, const Snapshot& before)
{
    const RecordedSounds& heard = m_g.sounds;
    if (!s().soundOn() || what == QStringLiteral("speaker")) {
        if (!heard.played.empty())
            fail(QStringLiteral("%1 sounds with the sound switched off").arg(heard.played.size()));
        return;
    }
    auto expect = [&](Sound sound, int n, const char* moment) {
        if (heard.count(sound) != n)
            fail(QStringLiteral("%1 %2 sounds, not %3, at %4").arg(heard.count(sound)).arg(soundName(sound)).arg(n).arg(QString::fromUtf8(moment)));
    };
    expect(Sound::WheelTick, s().wheel.labels[1].text != before.atPointer ? 1 : 0, "a step of the wheel");
    const bool stopped = kind == Kind::Tick && before.spinning && !s().wheelStepTimer.isRunning();
    using K = Sector::Kind;
    const Sector::Kind sector = s().round().sector().kind;
    const bool bright = sector == K::Plus || sector == K::Prize;
    expect(Sound::Bankrupt, stopped && sector == K::Bankrupt ? 1 : 0, "the wheel's stop");
    expect(Sound::Miss, stopped && sector == K::Zero ? 1 : 0, "the wheel's stop");
    expect(Sound::SectorPoints, stopped && (sector == K::Points || sector == K::Double) ? 1 : 0, "the wheel's stop");
    const bool sideScreen = m_g.screens->bargain.isVisible() || m_g.screens->twoBoxes.isVisible();
    expect(Sound::Sting, (stopped && bright ? 1 : 0) + (sideScreen && !before.sideScreen ? 1 : 0), "a sting");
    expect(Sound::Applause, s().banner.visible && !before.banner ? 1 : 0, "the round's banner");
    expect(Sound::Finale, m_g.screens->endOfGame.isVisible() && !before.endScreen ? 1 : 0, "the end of the game");
    // A box opens: one of the two boxes, or the prize box once the bargaining is settled.
    const BargainForm& bargain = m_g.screens->bargain;
    const TwoBoxesForm& boxes = m_g.screens->twoBoxes;
    // The black box opened pays when it holds more than the offer just refused;
    // the money taken pays when it is at least what the box held.
    const bool chosen = what.startsWith(QStringLiteral("boxes: "));
    const bool settled = what.startsWith(QStringLiteral("bargain: ")) && !bargain.blackBox.enabled &&
                         !bargain.money.enabled;
    const bool paid = what == QStringLiteral("bargain: money") ? bargain.offerAmount >= bargain.blackBoxPoints
                                                               : bargain.blackBoxPoints > before.offer;
    expect(Sound::Win, (chosen && boxes.chosenBox == boxes.luckyBox) || (settled && paid) ? 1 : 0, "an opened box");
    expect(Sound::Lose, (chosen && boxes.chosenBox != boxes.luckyBox) || (settled && !paid) ? 1 : 0, "an opened box");
    if (!m_gameOn || kind == Kind::NewGame || s().round().roundNumber() != before.roundNumber)
        return;
    int opened = 0;
    for (int i = 1; i <= 12; ++i)
        opened += before.covered[i] && !s().board.tiles[i].visible ? 1 : 0;
    // A verdict on the word uncovers the whole board at once, without chimes.
    const bool verdict = heard.count(Sound::Fanfare) + heard.count(Sound::WrongWord) > 0 ||
                         (kind == Kind::Tick && heard.count(Sound::Applause) > 0);
    if (!verdict)
        expect(Sound::Chime, opened, "opened tiles");
    if (kind == Kind::Letter && !before.wordEntry)
        expect(Sound::Buzz, opened == 0 ? 1 : 0, "a letter");
}

void RandomPlayer::follow(Kind kind, const QString& what, const Snapshot& before)
{
    const auto& f = *m_g.screens;
    if (kind == Kind::NewGame || s().round().roundNumber() != before.roundNumber) {
        m_prizeTaker = 0;
        m_lastPlayerSpins = 0;
    }
    if (what == QStringLiteral("take the prize"))
        m_prizeTaker = before.current;
    if (what.startsWith(QStringLiteral("bargain: ")) && !f.bargain.blackBox.enabled && !f.bargain.money.enabled)
        m_prizeWon = what == QStringLiteral("bargain: money") ? f.bargain.offerAmount : f.bargain.blackBoxPoints;
    if (what.startsWith(QStringLiteral("boxes: ")))
        m_boxWon = f.twoBoxes.chosenBox == f.twoBoxes.luckyBox ? Rules::LuckyBoxPoints : 0;
    if (what == QStringLiteral("spin") && s().round().playerCount() != 1 && s().round().playersInRound() == 1)
        ++m_lastPlayerSpins;
    if (s().hostSpeech.text == QStringLiteral("Правильно!!!!") && before.wordEntry && !s().wordBox.visible &&
        (kind == Kind::Typing || kind == Kind::Letter))
        ++m_report.wordsRight;
    if ((kind == Kind::Typing || kind == Kind::Letter) && before.wordEntry && before.current &&
        !s().player(before.current).inRound)
        ++m_report.wordsWrong;
    if (s().round().roundNumber() != before.roundNumber && s().round().roundNumber() > 1)
        ++m_report.roundsPlayed;
    if (m_gameOn && f.endOfGame.isVisible()) {
        m_gameOn = false;
        ++m_report.gamesFinished;
    }
}

void RandomPlayer::check(Kind kind, const QString& what, const Snapshot& before)
{
    auto& f = *m_g.screens;
    int screens = 0;
    for (const Form* form : std::initializer_list<const Form*>{&f.menu, &f.studio, &f.editor, &f.setup, &f.bargain,
                                                                &f.twoBoxes, &f.endOfGame, &f.rules})
        screens += form->isVisible() ? 1 : 0;
    if (screens != 1)
        return fail(QStringLiteral("%1 screens on view").arg(screens));

    for (int slot = 1; slot <= 3; ++slot)
        if (s().player(slot).roundScore < 0 || s().player(slot).totalScore < 0)
            return fail(QStringLiteral("negative score of player %1").arg(slot));

    if (m_gameOn) {
        int red = 0;
        for (int slot = 1; slot <= 3; ++slot)
            red += s().panel(slot).nameLabel.fontColor == Colors::Red ? 1 : 0;
        if (red != 1)
            return fail(QStringLiteral("%1 red names").arg(red));
        if (!s().player(s().round().current()).inRound && s().round().playersInRound() > 0 && s().spinButton.enabled)
            return fail(QStringLiteral("the player who is out of the round may spin"));
        if (s().round().roundNumber() >= 1 && s().round().roundNumber() <= s().round().roundCount()) {
            const QString& answer = s().round().answer();
            for (int i = 1; i <= 12; ++i) {
                if (i <= answer.size()) {
                    if (s().board.letters[i].text != QString(answer.at(i - 1)))
                        return fail(QStringLiteral("board letter %1 is not the answer's").arg(i));
                } else if (s().board.tiles[i].visible || !s().board.letters[i].text.isEmpty()) {
                    return fail(QStringLiteral("tile %1 beyond the answer is shown").arg(i));
                }
            }
        }
    }

    if (!checkLastPlayer(what, before) || !checkTurn(before))
        return;
    if (kind == Kind::StrayPress && m_strayGotThrough)
        return fail(QStringLiteral("a person's press reached the game in the computer's turn"));
    if (kind == Kind::StrayTyping || kind == Kind::StrayPress) {
        const Snapshot after = snapshot();
        if (after.round != before.round || after.total != before.total || after.current != before.current ||
            after.spin != before.spin || after.word != before.word || after.typed != before.typed ||
            after.covered != before.covered || after.sideScreen != before.sideScreen || after.offer != before.offer)
            return fail(kind == Kind::StrayTyping ? QStringLiteral("text typed into the closed word box changed the game")
                                                  : QStringLiteral("a person's press in the computer's turn changed the game"));
    }
    if (!checkScores(kind, what, before))
        return;
    checkBargain();
    checkHostWords();
    if (!m_stopped && !checkComputers())
        return;
    if (!canGoOn())
        fail(QStringLiteral("stuck: nothing to press and no timer pending"));
}

bool RandomPlayer::checkLastPlayer(const QString& what, const Snapshot& before)
{
    StudioForm& st = s();
    if (st.wheelStepTimer.isRunning() && (st.spinButton.enabled || st.wordButton.enabled))
        return fail(QStringLiteral("a turn button is enabled while the wheel turns")), false;
    if (st.wheelStepTimer.isRunning() && st.wordBox.visible)
        return fail(QStringLiteral("the word box is open while the wheel turns")), false;
    // The last player left has exactly three spins, and then must name the word.
    const bool lastPlayer = st.round().playerCount() != 1 && st.round().playersInRound() == 1;
    if (m_lastPlayerSpins > Rules::LastPlayerMoves || (lastPlayer && st.spinButton.enabled && m_lastPlayerSpins == Rules::LastPlayerMoves))
        return fail(QStringLiteral("the last player may spin after his three moves")), false;
    if (st.wordBox.visible && !before.wordBoxOpen && what != QStringLiteral("name the word") && m_lastPlayerSpins != Rules::LastPlayerMoves)
        return fail(QStringLiteral("the word asked for after %1 moves").arg(m_lastPlayerSpins)), false;
    return true;
}

bool RandomPlayer::checkComputers()
{
    if (!m_options.computers)
        return true;
    const StudioForm& st = s();
    if (st.computerToMove() && !st.computerThinkingTimer.isRunning() && !st.computerTypingTimer.isRunning())
        return fail(QStringLiteral("a computer has the move and neither thinks nor types")), false;
    const auto& f = *m_g.screens;
    const bool inPlay = st.isVisible() || f.bargain.isVisible() || f.twoBoxes.isVisible();
    if (m_gameOn && inPlay && st.isComputer(st.round().current()) && !m_g.clock.hasPending())
        return fail(QStringLiteral("a computer has the turn and nothing is pending")), false;
    return true;
}

bool RandomPlayer::checkTurn(const Snapshot& before)
{
    StudioForm& st = s();
    // The highest total wins; a shared top is a draw.
    const EndForm& end = m_g.screens->endOfGame;
    if (end.isVisible() && !before.endScreen) {
        int best = 1, sharing = 1;
        for (int slot = 2; slot <= st.round().playerCount(); ++slot) {
            if (st.player(slot).totalScore > st.player(best).totalScore)
                best = slot, sharing = 1;
            else if (st.player(slot).totalScore == st.player(best).totalScore)
                ++sharing;
        }
        const QString result = sharing > 1 ? QStringLiteral("Ничья!") : st.panel(best).nameLabel.text;
        if (end.resultBox.text != result)
            return fail(QStringLiteral("the result is \"%1\", not \"%2\"").arg(end.resultBox.text, result)), false;
    }
    if (!m_gameOn || st.round().roundNumber() != before.roundNumber)
        return true;
    if (st.round().current() != before.current && st.round().lettersInRow() != 0)
        return fail(QStringLiteral("the turn passed with %1 letters in a row").arg(st.round().lettersInRow())), false;
    // Once credited, the prize-taker is out of the round.
    if (m_prizeTaker && st.isVisible() && !st.prizeReturnTimer.isRunning()) {
        if (st.player(m_prizeTaker).inRound)
            return fail(QStringLiteral("player %1 took the prize and stays in the round").arg(m_prizeTaker)), false;
        if (st.round().current() == m_prizeTaker && st.round().playersInRound() > 0)
            return fail(QStringLiteral("player %1 took the prize and has the turn").arg(m_prizeTaker)), false;
    }
    const TwoBoxesForm& boxes = m_g.screens->twoBoxes;
    if (boxes.isVisible() && boxes.leftBox.enabled && boxes.luckyBox != 1 && boxes.luckyBox != 2)
        return fail(QStringLiteral("lucky box %1").arg(boxes.luckyBox)), false;
    return true;
}

bool RandomPlayer::checkScores(Kind kind, const QString& what, const Snapshot& before)
{
    std::array<int, 4> round{}, total{};
    for (int slot = 1; slot <= 3; ++slot) {
        round[slot] = s().player(slot).roundScore;
        total[slot] = s().player(slot).totalScore;
    }
    if (kind == Kind::NewGame) {
        for (int slot = 1; slot <= 3; ++slot)
            if (round[slot] != 0 || total[slot] != 0)
                return fail(QStringLiteral("a new game starts with points")), false;
        return true;
    }
    const bool roundChanged = s().round().roundNumber() != before.roundNumber;
    if (roundChanged) {
        for (int slot = 1; slot <= 3; ++slot)
            if (round[slot] != 0 || total[slot] != clampedScore(static_cast<long long>(before.total[slot]) + before.round[slot]))
                return fail(QStringLiteral("round points did not move to the total of player %1").arg(slot)), false;
        return true;
    }
    // What the event must have made of each round score: only the current
    // player's changes, and only by the rule of the event.
    std::array<long long, 4> expected{};
    for (int slot = 1; slot <= 3; ++slot)
        expected[slot] = before.round[slot];
    const int current = before.current;
    long long& mine = expected[current];
    const QString& answer = s().round().answer();
    // A word is handed in when it is as long as the answer.
    QString word;
    if (kind == Kind::Typing)
        word = what.mid(5).toUpper();
    else if (kind == Kind::Letter)
        word = before.typed + what.mid(7);
    const bool handedIn = before.wordEntry && before.wordBoxOpen && !answer.isEmpty() && word != before.typed &&
                          word.toUcs4().size() == answer.size();
    if (current == 0) {
        // Nobody's turn: nobody scores.
    } else if (handedIn) {
        if (word == answer)
            mine = clampedScore(mine + Rules::RightWord);
    } else if (kind == Kind::Letter && !before.wordEntry) {
        int opened = 0;
        for (int i = 1; i <= 12; ++i)
            opened += before.covered[i] && !s().board.tiles[i].visible ? 1 : 0;
        // The number on the sector for every tile opened; "x2" doubles, "П" gives nothing.
        if (opened > 0)
            mine = before.sector.kind == Sector::Kind::Double ? clampedScore(2 * mine)
                                                              : clampedScore(mine + static_cast<long long>(before.sector.points) * opened);
    } else if (kind == Kind::Tick && before.sectorMoving && !s().sectorMoveTimer.isRunning()) {
        if (before.sector.kind == Sector::Kind::Bankrupt)
            mine = 0;
    } else if (kind == Kind::Tick && before.prizeReturning && !s().prizeReturnTimer.isRunning()) {
        mine = clampedScore(mine + m_prizeWon);
    } else if (kind == Kind::Tick && before.boxesReturning && !s().boxesReturnTimer.isRunning()) {
        mine = clampedScore(mine + m_boxWon);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        if (total[slot] != before.total[slot])
            return fail(QStringLiteral("total of player %1 changed inside a round").arg(slot)), false;
        if (round[slot] != expected[slot])
            return fail(QStringLiteral("round score of player %1 went from %2 to %3, not %4 (sector %5)")
                            .arg(slot).arg(before.round[slot]).arg(round[slot]).arg(expected[slot]).arg(before.sector.label())), false;
    }
    return true;
}

void RandomPlayer::checkBargain()
{
    const BargainForm& b = m_g.screens->bargain;
    if (!b.isVisible() || b.offerStep < 1)
        return;
    if (b.offerLimit < Rules::OfferCount.low || b.offerLimit > Rules::OfferCount.high)
        return fail(QStringLiteral("offer limit %1").arg(b.offerLimit));
    if (b.offerStep <= 12) {
        const Rules::Range range = Rules::Offers[b.offerStep - 1];
        if (b.offerAmount < range.low || b.offerAmount > range.high)
            return fail(QStringLiteral("offer %1 at step %2").arg(b.offerAmount).arg(b.offerStep));
        if (b.blackBoxPoints < Rules::BoxLeast || b.blackBoxPoints > b.offerAmount + Rules::BoxOverOffer)
            return fail(QStringLiteral("the box holds %1 at offer %2").arg(b.blackBoxPoints).arg(b.offerAmount));
    }
    if (b.offerStep > b.offerLimit + 1)
        return fail(QStringLiteral("step %1 beyond the limit %2").arg(b.offerStep).arg(b.offerLimit));
}

void RandomPlayer::checkHostWords()
{
    const auto& f = *m_g.screens;
    for (const QString* said : std::initializer_list<const QString*>{&s().hostSpeech.text, &f.bargain.hostSpeech.text, &f.twoBoxes.hostSpeech.text}) {
        const QString& text = *said;
        // The question comes from the base as it was typed.
        if (text.isEmpty() || text == s().theme.text)
            continue;
        // A turn's announcement ends in the name as it was typed, then a full stop.
        bool turn = false;
        for (const char* prefix : {"Первым ходит ", "И снова ходит ", "Сейчас ходит ", "Опять ходит "})
            turn = turn || text.startsWith(QString::fromUtf8(prefix));
        if (turn) {
            if (!text.endsWith(QLatin1Char('.')))
                return fail(QStringLiteral("the host says \"%1\" with no full stop").arg(text));
            continue;
        }
        static const QRegularExpression misplaced(QStringLiteral(R"((\s[!?.,:]|\.\.|!\.|\?\?|\s-\s|\s\s|^[!?.,]|[^!?.]$))"));
        const QRegularExpressionMatch bad = misplaced.match(QString(text).remove(QLatin1Char('\n')));
        if (bad.hasMatch())
            return fail(QStringLiteral("the host says \"%1\" (\"%2\")").arg(text, bad.captured()));
        // 1, 21 очко; 2–4, 22–24 очка; 0, 5–20, 25… очков; and буква likewise.
        static const QRegularExpression count(QStringLiteral(R"((\d+) (очк|букв)([а-яё]*))"));
        for (auto it = count.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const long long n = m.captured(1).toLongLong();
            const int form = n % 100 >= 11 && n % 100 <= 14 ? 2 : n % 10 == 1 ? 0 : n % 10 >= 2 && n % 10 <= 4 ? 1 : 2;
            const bool points = m.captured(2) == QStringLiteral("очк");
            const QString ending = QString::fromUtf8((points ? std::array{"о", "а", "ов"} : std::array{"а", "ы", ""})[form]);
            if (m.captured(3) != ending)
                return fail(QStringLiteral("the host says \"%1\"").arg(m.captured()));
        }
    }
}
}
