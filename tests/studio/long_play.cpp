// SPDX-License-Identifier: GPL-3.0-or-later
#include "long_play.h"

#include "alphabet.h"
#include "game_fixture.h"

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace LongPlay {

namespace {

// A base with every shape of answer: one letter, twelve letters, "Е"/"Ё", and
// characters that no letter button names. Two records have no answer at all.
std::vector<std::pair<QString, QString>> longPlayBase()
{
    const char* answers[] = {"Ф-1", "ТУ154", "КАРАВАН", "ЁЖ", "ЕЛЬ", "А", "ВЕЛОСИПЕДИСТ", "КОТ",
                             "МОЛОКО", "ИЛ-62", "", "ЕЁ", "ОБОРОНОСПОСОБ", ""};
    std::vector<std::pair<QString, QString>> base;
    int n = 0;
    for (const char* a : answers)
        base.emplace_back(QString::fromUtf8(a).left(12), QStringLiteral("Вопрос номер ") + QString::number(++n));
    return base;
}

enum class Kind { Tick, Letter, Typing, StrayTyping, NewGame, Other };

struct Snapshot {
    std::array<int, 4> round{}, total{};
    std::array<bool, 13> covered{};
    int roundNumber = 0;
    int current = 0;
    bool wordEntry = false;
    bool spin = false, word = false;
    QString sector;
    QString typed;
    QString atPointer;   // the wheel's label at the pointer
    bool spinning = false, banner = false, sideScreen = false, endScreen = false;
};

class Player {
public:
    explicit Player(const Options& options) : m_options(options), m_g(longPlayBase()), m_rng(options.seed) {}

    Report run()
    {
        const auto& f = *m_g.screens;
        while ((m_report.gamesStarted < m_options.games || m_gameOn) && !m_stopped) {
            if (f.menu.isVisible())
                act(Kind::Other, QStringLiteral("menu: Новая Игра"), [&] { m_g.screens->menu.newGameClicked(); });
            else
                step();
            if (m_eventsThisGame > m_options.maxEventsPerGame)
                fail(QStringLiteral("a game went on for more than %1 events").arg(m_options.maxEventsPerGame));
        }
        return m_report;
    }

private:
    StudioForm& s() { return m_g.studio(); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    void fail(const QString& what)
    {
        QString text = QStringLiteral("game %1, event %2: %3\n  last actions:").arg(m_report.gamesStarted).arg(m_report.events).arg(what);
        for (const QString& a : m_log)
            text += QStringLiteral("\n    ") + a;
        text += QStringLiteral("\n  state: ") + describe();
        m_report.failures << text;
        m_stopped = true;
    }

    QString describe()
    {
        StudioForm& st = s();
        QString covered;
        for (int i = 1; i <= 12; ++i)
            covered += st.board.tiles[i].visible ? QStringLiteral("#") : (st.board.letters[i].text.isEmpty() ? QStringLiteral(".") : st.board.letters[i].text);
        QString timers;
        for (const Timer* t : {&st.firstTurnTimer, &st.promptTimer, &st.nextRoundTimer, &st.roundLostTimer, &st.prizeReturnTimer, &st.wheelStepTimer, &st.sectorMoveTimer,
                               &st.missedLetterTimer, &st.boxesReturnTimer, &st.toBoxesTimer, &st.lastPlayerWatch})
            if (t->isRunning())
                timers += t->name() + QLatin1Char(' ');
        QString letters;
        for (int n = 1; n <= Alphabet::Size; ++n)
            if (st.letterButtons[n].visible)
                letters += st.letterButtons[n].enabled ? Alphabet::letter(n) : Alphabet::letter(n).toLower();
        return QStringLiteral("answer %1 board %2 round %3/%4 players %5 panels %6%7%8 red %9 sector %10 EMC %11 "
                              "in-row %12 entry %13/%14 spin %15 word %16 banner %17 host \"%18\" timers %19 letters %20")
            .arg(st.answer, covered)
            .arg(st.roundNumber)
            .arg(st.roundCount)
            .arg(st.playerCount)
            .arg(int(st.player(1).panel.visible))
            .arg(int(st.player(2).panel.visible))
            .arg(int(st.player(3).panel.visible))
            .arg(st.currentSlot())
            .arg(st.sector)
            .arg(static_cast<int>(st.lastPlayerMoves))
            .arg(st.lettersInRow)
            .arg(int(st.wordEntryOpen))
            .arg(int(st.wordBox.visible))
            .arg(int(st.spinButton.enabled))
            .arg(int(st.wordButton.enabled))
            .arg(int(st.banner.visible))
            .arg(st.hostSpeech.text, timers, letters);
    }

    Snapshot snapshot()
    {
        Snapshot snap;
        for (int slot = 1; slot <= 3; ++slot) {
            snap.round[slot] = s().player(slot).roundScore;
            snap.total[slot] = s().player(slot).totalScore;
        }
        for (int i = 1; i <= 12; ++i)
            snap.covered[i] = s().board.tiles[i].visible;
        snap.roundNumber = s().roundNumber;
        snap.current = s().currentSlot();
        snap.wordEntry = s().wordEntryOpen;
        snap.spin = s().spinButton.enabled;
        snap.word = s().wordButton.enabled;
        snap.sector = s().sector;
        snap.typed = s().wordBox.text;
        snap.atPointer = s().wheel.labels[1].text;
        snap.spinning = s().wheelStepTimer.isRunning();
        snap.banner = s().banner.visible;
        snap.sideScreen = m_g.screens->bargain.isVisible() || m_g.screens->twoBoxes.isVisible();
        snap.endScreen = m_g.screens->endOfGame.isVisible();
        return snap;
    }

    void act(Kind kind, const QString& what, const std::function<void()>& handler)
    {
        if (kind == Kind::Tick && !m_log.empty() && m_log.back().startsWith(QStringLiteral("tick"))) {
            m_log.back() = QStringLiteral("ticks to ") + what.mid(8);
        } else {
            m_log.push_back(what);
            if (m_log.size() > 30)
                m_log.pop_front();
        }
        const Snapshot before = snapshot();
        const int errorsBefore = static_cast<int>(m_g.errors.size());
        m_g.sounds.clear();
        if (kind == Kind::Tick)
            m_g.clock.fireNext();
        else
            m_g.click(handler);
        if (m_options.soundAlso)
            for (Sound sound : m_g.sounds.played)
                m_options.soundAlso->play(sound);
        if (m_options.afterEvent)
            m_options.afterEvent();
        ++m_report.events;
        ++m_eventsThisGame;
        if (m_g.errors.size() != errorsBefore)
            return fail(QStringLiteral("error box: ") + m_g.errors.back());
        if (kind == Kind::NewGame) {
            m_gameOn = true;
            m_eventsThisGame = 0;
            ++m_report.gamesStarted;
        }
        follow(kind, before);
        check(kind, before);
        if (!m_stopped)
            checkSounds(kind, what, before);
    }

    // The sounds of an event match what it showed the player.
    void checkSounds(Kind kind, const QString& what, const Snapshot& before)
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
        const QString& sector = s().sector;
        const bool bright = sector == QLatin1String("+") || sector == QStringLiteral("П");
        expect(Sound::Bankrupt, stopped && sector == QStringLiteral("Б") ? 1 : 0, "the wheel's stop");
        expect(Sound::Miss, stopped && sector == QLatin1String("0") ? 1 : 0, "the wheel's stop");
        expect(Sound::SectorPoints, stopped && Wheel::points(sector) + (sector == QLatin1String("x2")) > 0 ? 1 : 0, "the wheel's stop");
        const bool sideScreen = m_g.screens->bargain.isVisible() || m_g.screens->twoBoxes.isVisible();
        expect(Sound::Sting, (stopped && bright ? 1 : 0) + (sideScreen && !before.sideScreen ? 1 : 0), "a sting");
        expect(Sound::Applause, s().banner.visible && !before.banner ? 1 : 0, "the round's banner");
        expect(Sound::Finale, m_g.screens->endOfGame.isVisible() && !before.endScreen ? 1 : 0, "the end of the game");
        // A box opens: one of the two boxes, or the prize box once the bargaining is settled.
        const BargainForm& bargain = m_g.screens->bargain;
        const TwoBoxesForm& boxes = m_g.screens->twoBoxes;
        const bool chosen = what.startsWith(QStringLiteral("boxes: "));
        const bool settled = what.startsWith(QStringLiteral("bargain: ")) && !bargain.blackBox.enabled &&
                             !bargain.money.enabled;
        expect(Sound::Win, (chosen && boxes.chosenBox == boxes.luckyBox) || (settled && heard.count(Sound::Lose) == 0) ? 1 : 0, "an opened box");
        expect(Sound::Lose, (chosen && boxes.chosenBox != boxes.luckyBox) || (settled && heard.count(Sound::Win) == 0) ? 1 : 0, "an opened box");
        if (!m_gameOn || kind == Kind::NewGame || s().roundNumber != before.roundNumber)
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

    // What the game has done: counters for the report, and whether a game is on.
    void follow(Kind kind, const Snapshot& before)
    {
        const auto& f = *m_g.screens;
        if (s().hostSpeech.text == QStringLiteral("!!!!Правильно!!!!") && before.wordEntry && !s().wordBox.visible &&
            (kind == Kind::Typing || kind == Kind::Letter))
            ++m_report.wordsRight;
        if ((kind == Kind::Typing || kind == Kind::Letter) && before.wordEntry && before.current &&
            !s().player(before.current).panel.visible)
            ++m_report.wordsWrong;
        if (s().roundNumber != before.roundNumber && s().roundNumber > 1)
            ++m_report.roundsPlayed;
        if (m_gameOn && f.endOfGame.isVisible()) {
            m_gameOn = false;
            ++m_report.gamesFinished;
        }
    }

    void check(Kind kind, const Snapshot& before)
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
                red += s().player(slot).nameLabel.fontColor == Colors::Red ? 1 : 0;
            if (red != 1)
                return fail(QStringLiteral("%1 red names").arg(red));
            if (!s().player(s().currentSlot()).panel.visible && s().visiblePanels() > 0 && s().spinButton.enabled)
                return fail(QStringLiteral("the player who is out of the round may spin"));
            if (s().roundNumber >= 1 && s().roundNumber <= s().roundCount) {
                const QString& answer = s().answer;
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

        if (!checkLastPlayer())
            return;
        if (kind == Kind::StrayTyping) {
            const Snapshot after = snapshot();
            if (after.round != before.round || after.total != before.total || after.current != before.current ||
                after.spin != before.spin || after.word != before.word || after.typed != before.typed ||
                after.covered != before.covered)
                return fail(QStringLiteral("text typed into the closed word box changed the game"));
        }
        if (!checkScores(kind, before))
            return;
        checkBargain();
        if (!canGoOn())
            fail(QStringLiteral("stuck: nothing to press and no timer pending"));
    }

    // The wheel and the last player's three moves.
    bool checkLastPlayer()
    {
        StudioForm& st = s();
        if (st.wheelStepTimer.isRunning() && (st.spinButton.enabled || st.wordButton.enabled))
            return fail(QStringLiteral("a turn button is enabled while the wheel turns")), false;
        if (st.wheelStepTimer.isRunning() && st.wordBox.visible)
            return fail(QStringLiteral("the word box is open while the wheel turns")), false;
        if (static_cast<int>(st.lastPlayerMoves) < 0 || st.lastPlayerMoves > LastPlayerMoves::UsedUpAtBonus)
            return fail(QStringLiteral("the move counter went past its last state")), false;
        const bool lastPlayer = st.playerCount != 1 && st.visiblePanels() == 1;
        if (lastPlayer && st.spinButton.enabled && st.lastPlayerMoves > LastPlayerMoves::SecondTaken)
            return fail(QStringLiteral("the last player may spin after his three moves")), false;
        return true;
    }

    bool checkScores(Kind kind, const Snapshot& before)
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
        const bool roundChanged = s().roundNumber != before.roundNumber;
        for (int slot = 1; slot <= 3; ++slot) {
            const long long was = before.round[slot], now = round[slot];
            if (roundChanged) {
                if (now != 0 || total[slot] != clampedScore(static_cast<long long>(before.total[slot]) + was))
                    return fail(QStringLiteral("round points did not move to the total of player %1").arg(slot)), false;
                continue;
            }
            if (total[slot] != before.total[slot])
                return fail(QStringLiteral("total of player %1 changed inside a round").arg(slot)), false;
            if (now == was)
                continue;
            if (slot != before.current)
                return fail(QStringLiteral("player %1 scored out of turn").arg(slot)), false;
            bool allowed = false;
            const long long delta = now - was;
            switch (kind) {
            case Kind::Letter: {
                if (before.wordEntry) {
                    allowed = delta == 2000 && s().namedWord == s().answer;
                    break;
                }
                int opened = 0;
                for (int i = 1; i <= 12; ++i)
                    opened += before.covered[i] && !s().board.tiles[i].visible ? 1 : 0;
                if (before.sector == QLatin1String("x2"))
                    allowed = opened >= 1 && now == clampedScore(2 * was);
                else
                    allowed = now == clampedScore(was + static_cast<long long>(Wheel::points(before.sector)) * opened);
                break;
            }
            case Kind::Typing:
                allowed = delta == 2000 && s().namedWord == s().answer;
                break;
            case Kind::Tick: {
                const int carried = s().player(slot).prizeCarrier.text.toInt();
                allowed = (now == 0 && before.sector == QStringLiteral("Б")) ||
                          (delta == 1500 && s().boxPointsCarrier.text == QLatin1String("1500")) ||
                          (delta == carried && carried >= 10 && carried <= 3999 + 209);
                break;
            }
            default:
                break;
            }
            if (!allowed)
                return fail(QStringLiteral("round score of player %1 went from %2 to %3 (sector %4)")
                                .arg(slot).arg(was).arg(now).arg(before.sector)), false;
        }
        return true;
    }

    void checkBargain()
    {
        const BargainForm& b = m_g.screens->bargain;
        if (!b.isVisible() || b.offerStep < 1)
            return;
        if (b.offerLimit < 3 || b.offerLimit > 12)
            return fail(QStringLiteral("offer limit %1").arg(b.offerLimit));
        if (b.offerStep <= 12) {
            const int base = BargainForm::offerBase(b.offerStep);
            if (b.offerAmount < base || b.offerAmount >= base + BargainForm::offerSpread(b.offerStep) || b.offerAmount == 1000 || b.offerAmount == 1667 ||
                b.offerAmount == 3000)
                return fail(QStringLiteral("offer %1 at step %2").arg(b.offerAmount).arg(b.offerStep));
            if (b.blackBoxPoints < 10 || b.blackBoxPoints > b.offerAmount + 209)
                return fail(QStringLiteral("the box holds %1 at offer %2").arg(b.blackBoxPoints).arg(b.offerAmount));
        }
        if (b.offerStep > b.offerLimit + 1)
            return fail(QStringLiteral("step %1 beyond the limit %2").arg(b.offerStep).arg(b.offerLimit));
    }

    struct Choice {
        Kind kind;
        QString what;
        std::function<void()> handler;
        int weight;
    };

    // What the player could press on the screen on view. "Новая игра" and
    // "Выход" of the studio count only when no game is on.
    std::vector<Choice> choices(bool withEscapes)
    {
        std::vector<Choice> c;
        auto& f = *m_g.screens;
        StudioForm& st = s();
        if (f.setup.isVisible()) {
            c.push_back({Kind::Other, QStringLiteral("set-up: OK"), [this] { setupAndOk(); }, 1});
        } else if (f.endOfGame.isVisible()) {
            if (f.endOfGame.exitButton.visible)
                c.push_back({Kind::Other, QStringLiteral("end: ВЫХОД"), [this] { m_g.screens->endOfGame.exitClicked(); }, 1});
        } else if (f.bargain.isVisible()) {
            if (f.bargain.blackBox.enabled)
                c.push_back({Kind::Other, QStringLiteral("bargain: black box"), [this] { m_g.screens->bargain.blackBoxClicked(); }, 3});
            if (f.bargain.money.enabled)
                c.push_back({Kind::Other, QStringLiteral("bargain: money"), [this] { m_g.screens->bargain.moneyClicked(); }, 2});
        } else if (f.twoBoxes.isVisible()) {
            if (f.twoBoxes.leftBox.enabled)
                c.push_back({Kind::Other, QStringLiteral("boxes: 1"), [this] { m_g.screens->twoBoxes.leftBoxClicked(); }, 1});
            if (f.twoBoxes.rightBox.enabled)
                c.push_back({Kind::Other, QStringLiteral("boxes: 2"), [this] { m_g.screens->twoBoxes.rightBoxClicked(); }, 1});
        } else if (st.isVisible()) {
            if (st.spinButton.visible && st.spinButton.enabled)
                c.push_back({Kind::Other, QStringLiteral("spin"), [this] { s().spinClicked(); }, 12});
            if (st.wordButton.visible && st.wordButton.enabled)
                c.push_back({Kind::Other, QStringLiteral("name the word"), [this] { s().wordClicked(); }, 2});
            if (chance(0.01))
                c.push_back({Kind::Other, QStringLiteral("speaker"), [this] { s().soundClicked(); }, 1});
            if (st.takePrizeButton.visible && st.takePrizeButton.enabled)
                c.push_back({Kind::Other, QStringLiteral("take the prize"), [this] { s().takePrizeClicked(); }, 4});
            std::vector<int> letters, useful;
            for (int n = 1; n <= Alphabet::Size; ++n) {
                if (!st.letterButtons[n].visible || !st.letterButtons[n].enabled)
                    continue;
                letters.push_back(n);
                if (st.answer.contains(Alphabet::letter(n)))
                    useful.push_back(n);
            }
            if (!letters.empty()) {
                const bool typing = st.wordEntryOpen;
                int n = letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
                if (typing && st.wordBox.text.size() < st.answer.size()) {
                    const int next = Alphabet::indexOf(st.answer.at(st.wordBox.text.size()));
                    if (next && chance(0.8))
                        n = next;
                } else if (!useful.empty() && chance(0.6)) {
                    n = useful[static_cast<std::size_t>(pick(static_cast<int>(useful.size())))];
                }
                c.push_back({Kind::Letter, QStringLiteral("letter ") + Alphabet::letter(n), [this, n] { s().letterClicked(n); }, 12});
            }
            if (!st.wordBox.visible && !st.answer.isEmpty()) {
                // Keys that reach the word box while it is closed.
                const QString junk = chance(0.5) ? st.answer : QString(st.answer.size(), QChar(u'Ж'));
                c.push_back({Kind::StrayTyping, QStringLiteral("type into the closed box ") + junk,
                             [this, junk] { m_g.press(s(), s().wordBox, [this, junk] { s().wordEdited(junk); }); }, 1});
            }
            if (st.wordBox.visible) {
                const QString right = st.answer;
                QString wrong = right;
                if (!wrong.isEmpty())
                    wrong[pick(static_cast<int>(wrong.size()))] = QChar(chance(0.5) ? u'7' : u'Ё');
                const QString typed = chance(0.6) ? right.toLower() : wrong;
                c.push_back({Kind::Typing, QStringLiteral("type ") + typed, [this, typed] { s().wordEdited(typed); }, 6});
                if (!right.isEmpty()) {
                    const QString part = right.left(pick(static_cast<int>(right.size())));
                    c.push_back({Kind::Typing, QStringLiteral("type ") + part, [this, part] { s().wordEdited(part); }, 2});
                }
            }
            for (int i = 1; i <= 12; ++i)
                if (st.board.tiles[i].visible && st.board.tiles[i].enabled)
                    c.push_back({Kind::Other, QStringLiteral("tile %1").arg(i), [this, i] { s().tileClicked(i); }, 2});
            if (withEscapes || !m_gameOn) {
                c.push_back({Kind::NewGame, QStringLiteral("Новая игра"), [this] { s().newGameClicked(); }, m_gameOn ? 1 : 20});
                c.push_back({Kind::Other, QStringLiteral("Выход"), [this] { s().exitClicked(); }, 1});
            }
        }
        return c;
    }

    void setupAndOk()
    {
        SetupForm& setup = m_g.screens->setup;
        if (chance(0.7)) {
            static const QString names[] = {QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вика"),
                                            QStringLiteral(" "), QStringLiteral("Григорий")};
            const int players = 1 + pick(3);
            QString chosen[3];
            for (int i = 0; i < players; ++i)
                chosen[i] = names[pick(5)];
            if (chance(0.1)) {  // a combination that names no players
                chosen[0].clear();
                chosen[2] = names[0];
            }
            setup.nameBox1.text = chosen[0];
            setup.nameBox2.text = chosen[1];
            setup.nameBox3.text = chosen[2];
        }
        if (chance(0.8))
            setup.roundsSliderMoved(pick(9));
        setup.okClicked();
    }

    bool canGoOn()
    {
        if (m_g.clock.hasPending() || m_g.screens->menu.isVisible())
            return true;
        return somethingToPress(choices(false));
    }

    // Keys into a closed box are no move a player can make.
    static bool somethingToPress(const std::vector<Choice>& c)
    {
        return std::any_of(c.begin(), c.end(), [](const Choice& x) { return x.kind != Kind::StrayTyping; });
    }

    void step()
    {
        // Now and then a player walks away from a game in the middle.
        std::vector<Choice> c = choices(false);
        if (m_gameOn && s().isVisible() && chance(0.0002)) {
            c = choices(true);
            c.erase(c.begin(), c.end() - 2);
        }
        const bool pending = m_g.clock.hasPending();
        if (!somethingToPress(c) || (pending && chance(0.35))) {
            if (!pending)
                return fail(QStringLiteral("stuck: nothing to press and no timer pending"));
            return act(Kind::Tick, QStringLiteral("tick at %1").arg(m_g.clock.now() + m_g.clock.nextDueIn()), {});
        }
        int sum = 0;
        for (const Choice& x : c)
            sum += x.weight;
        int r = pick(sum);
        for (Choice& x : c) {
            if ((r -= x.weight) >= 0)
                continue;
            if (x.kind == Kind::Other && x.what == QStringLiteral("Выход") && m_gameOn) {
                m_gameOn = false;
                ++m_report.gamesAbandoned;
            }
            if (x.kind == Kind::NewGame && m_gameOn) {
                ++m_report.gamesAbandoned;
            }
            count(x);
            return act(x.kind, x.what, x.handler);
        }
    }

    void count(const Choice& x)
    {
        if (x.what == QStringLiteral("take the prize"))
            ++m_report.prizesTaken;
        else if (x.what.startsWith(QStringLiteral("boxes")))
            ++m_report.boxesPlayed;
        else if (x.what.startsWith(QStringLiteral("tile")))
            ++m_report.tilesOpened;
    }

    Options m_options;
    GameFixture m_g;
    std::mt19937 m_rng;
    Report m_report;
    std::deque<QString> m_log;
    bool m_gameOn = false;
    bool m_stopped = false;
    int m_eventsThisGame = 0;
};

}

Report run(const Options& options)
{
    Player player(options);
    return player.run();
}

}
