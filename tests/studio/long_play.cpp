// SPDX-License-Identifier: GPL-3.0-or-later
// Long play: the player's choices and the games he plays.
#include "tests/studio/long_play_player.h"

#include "rules/alphabet.h"

#include <algorithm>
#include <iterator>
#include <tuple>

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

}

RandomPlayer::RandomPlayer(const Options& options) : m_options(options), m_g(longPlayBase()), m_rng(options.seed), m_pauseRng(options.seed ^ 0x5bd1e995u)
{
    if (m_options.computers) {
        m_g.runtime.dispatcher.setPressWatcher([this](const Form&, const Control& control, Hand hand) {
            if (hand == Hand::Computer)
                m_computerPressed = &control;
        });
    }
}

Report RandomPlayer::run()
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

void RandomPlayer::fail(const QString& what)
{
    QString text = QStringLiteral("game %1, event %2: %3\n  last actions:").arg(m_report.gamesStarted).arg(m_report.events).arg(what);
    for (const QString& a : m_log)
        text += QStringLiteral("\n    ") + a;
    text += QStringLiteral("\n  state: ") + describe();
    m_report.failures << text;
    m_stopped = true;
}

QString RandomPlayer::describe()
{
    StudioForm& st = s();
    QString covered;
    for (int i = 1; i <= 12; ++i)
        covered += st.board.tiles[i].visible ? QStringLiteral("#") : (st.board.letters[i].text.isEmpty() ? QStringLiteral(".") : st.board.letters[i].text);
    QString timers;
    for (const Timer* t : {&st.firstTurnTimer, &st.promptTimer, &st.nextRoundTimer, &st.roundLostTimer, &st.prizeReturnTimer, &st.wheelStepTimer, &st.sectorMoveTimer,
                           &st.missedLetterTimer, &st.boxesReturnTimer, &st.toBoxesTimer, &st.lastPlayerWatch,
                           &st.computerThinkingTimer, &st.computerTypingTimer})
        if (t->isRunning())
            timers += t->name() + QLatin1Char(' ');
    QString letters;
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (st.letterButtons[n].visible)
            letters += st.letterButtons[n].enabled ? Alphabet::letter(n) : Alphabet::letter(n).toLower();
    return QStringLiteral("answer %1 board %2 round %3/%4 players %5 panels %6%7%8 red %9 sector %10 EMC %11 "
                          "in-row %12 entry %13/%14 spin %15 word %16 banner %17 host \"%18\" timers %19 letters %20")
        .arg(st.round().answer(), covered)
        .arg(st.round().roundNumber())
        .arg(st.round().roundCount())
        .arg(st.round().playerCount())
        .arg(int(st.player(1).inRound))
        .arg(int(st.player(2).inRound))
        .arg(int(st.player(3).inRound))
        .arg(st.round().current())
        .arg(st.round().sector().label())
        .arg(static_cast<int>(st.round().lastPlayerMoves()))
        .arg(st.round().lettersInRow())
        .arg(int((st.round().phase() == Phase::WordEntry)))
        .arg(int(st.wordBox.visible))
        .arg(int(st.spinButton.enabled))
        .arg(int(st.wordButton.enabled))
        .arg(int(st.banner.visible))
        .arg(st.hostSpeech.text, timers, letters);
}

Snapshot RandomPlayer::snapshot()
{
    Snapshot snap;
    for (int slot = 1; slot <= 3; ++slot) {
        snap.round[slot] = s().player(slot).roundScore;
        snap.total[slot] = s().player(slot).totalScore;
    }
    for (int i = 1; i <= 12; ++i)
        snap.covered[i] = s().board.tiles[i].visible;
    snap.roundNumber = s().round().roundNumber();
    snap.current = s().round().current();
    snap.wordEntry = (s().round().phase() == Phase::WordEntry);
    snap.spin = s().spinButton.enabled;
    snap.word = s().wordButton.enabled;
    snap.sector = s().round().sector();
    snap.typed = s().wordBox.text;
    snap.atPointer = s().wheel.labels[1].text;
    snap.spinning = s().wheelStepTimer.isRunning();
    snap.banner = s().banner.visible;
    snap.sideScreen = m_g.screens->bargain.isVisible() || m_g.screens->twoBoxes.isVisible();
    snap.endScreen = m_g.screens->endOfGame.isVisible();
    snap.wordBoxOpen = s().wordBox.visible;
    snap.offer = m_g.screens->bargain.offerAmount;
    snap.sectorMoving = s().sectorMoveTimer.isRunning();
    snap.prizeReturning = s().prizeReturnTimer.isRunning();
    snap.boxesReturning = s().boxesReturnTimer.isRunning();
    return snap;
}

void RandomPlayer::act(Kind kind, QString what, const std::function<void()>& handler)
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
    m_computerPressed = nullptr;
    m_strayGotThrough = false;
    if (kind == Kind::Tick)
        m_g.clock.fireNext();
    else
        m_g.click(handler);
    // A computer's press comes in a tick of its timer; it is checked as the
    // same press by a person would be.
    if (m_computerPressed) {
        std::tie(kind, what) = computerAction();
        m_log.push_back(QStringLiteral("computer: ") + what);
        if (m_log.size() > 30)
            m_log.pop_front();
        ++m_report.computerMoves;
        count(what);
    }
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
    follow(kind, what, before);
    check(kind, what, before);
    if (!m_stopped)
        checkSounds(kind, what, before);
}

std::vector<Choice> RandomPlayer::choices(bool withEscapes)
{
    std::vector<Choice> c;
    auto& f = *m_g.screens;
    StudioForm& st = s();
    if (f.setup.isVisible()) {
        c.push_back({Kind::Other, QStringLiteral("set-up: OK"), [this] { setupAndOk(); }, 1});
    } else if (f.endOfGame.isVisible()) {
        if (f.endOfGame.exitButton.visible)
            c.push_back({Kind::Other, QStringLiteral("end: ВЫХОД"), [this] { m_g.screens->endOfGame.exitClicked(); }, 1});
    } else if (f.bargain.isVisible() && f.bargain.heldByComputer(f.bargain.money)) {
        strayPresses(c);
    } else if (f.twoBoxes.isVisible() && f.twoBoxes.heldByComputer(f.twoBoxes.leftBox)) {
        strayPresses(c);
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
    } else if (st.isVisible() && st.heldByComputer(st.spinButton)) {
        strayPresses(c);
        if (chance(0.01))
            c.push_back({Kind::Other, QStringLiteral("speaker"), [this] { s().soundClicked(); }, 1});
        if (withEscapes || !m_gameOn) {
            c.push_back({Kind::NewGame, QStringLiteral("Новая игра"), [this] { s().newGameClicked(); }, m_gameOn ? 1 : 20});
            c.push_back({Kind::Other, QStringLiteral("Выход"), [this] { s().exitClicked(); }, 1});
        }
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
            if (st.round().answer().contains(Alphabet::letter(n)))
                useful.push_back(n);
        }
        if (!letters.empty()) {
            const bool typing = (st.round().phase() == Phase::WordEntry);
            int n = letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
            if (typing && st.wordBox.text.size() < st.round().answer().size()) {
                const int next = Alphabet::indexOf(st.round().answer().at(st.wordBox.text.size()));
                if (next && chance(0.8))
                    n = next;
            } else if (!useful.empty() && chance(0.6)) {
                n = useful[static_cast<std::size_t>(pick(static_cast<int>(useful.size())))];
            }
            c.push_back({Kind::Letter, QStringLiteral("letter ") + Alphabet::letter(n), [this, n] { s().letterClicked(n); }, 12});
        }
        if (!st.wordBox.visible && !st.round().answer().isEmpty()) {
            // Keys that reach the word box while it is closed.
            const QString junk = chance(0.5) ? st.round().answer() : QString(st.round().answer().size(), QChar(u'Ж'));
            c.push_back({Kind::StrayTyping, QStringLiteral("type into the closed box ") + junk,
                         [this, junk] { m_g.press(s(), s().wordBox, [this, junk] { s().wordEdited(junk); }); }, 1});
        }
        if (st.wordBox.visible) {
            const QString right = st.round().answer();
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

void RandomPlayer::strayPresses(std::vector<Choice>& c)
{
    auto& f = *m_g.screens;
    StudioForm& st = s();
    auto stray = [&](const Form& form, const Control& control, std::function<void()> handler, const QString& what) {
        c.push_back({Kind::StrayPress, QStringLiteral("a person presses ") + what + QStringLiteral(" in the computer's turn"),
                     [this, &form, &control, handler] {
                         if (m_g.press(form, control, handler))
                             m_strayGotThrough = true;
                     },
                     1});
    };
    if (f.bargain.isVisible()) {
        stray(f.bargain, f.bargain.money, [&f] { f.bargain.moneyClicked(); }, QStringLiteral("the money"));
        stray(f.bargain, f.bargain.blackBox, [&f] { f.bargain.blackBoxClicked(); }, QStringLiteral("the black box"));
    } else if (f.twoBoxes.isVisible()) {
        stray(f.twoBoxes, f.twoBoxes.leftBox, [&f] { f.twoBoxes.leftBoxClicked(); }, QStringLiteral("box 1"));
        stray(f.twoBoxes, f.twoBoxes.rightBox, [&f] { f.twoBoxes.rightBoxClicked(); }, QStringLiteral("box 2"));
    } else {
        stray(st, st.spinButton, [this] { s().spinClicked(); }, QStringLiteral("spin"));
        stray(st, st.wordButton, [this] { s().wordClicked(); }, QStringLiteral("name the word"));
        stray(st, st.takePrizeButton, [this] { s().takePrizeClicked(); }, QStringLiteral("take the prize"));
        const int n = 1 + pick(Alphabet::Size);
        stray(st, st.letterButtons[static_cast<std::size_t>(n)], [this, n] { s().letterClicked(n); },
              QStringLiteral("letter ") + Alphabet::letter(n));
        const int tile = 1 + pick(Board::Tiles);
        stray(st, st.board.tiles[static_cast<std::size_t>(tile)], [this, tile] { s().tileClicked(tile); },
              QStringLiteral("tile %1").arg(tile));
        const QString word = st.round().answer();
        stray(st, st.wordBox, [this, word] { s().wordEdited(word); }, QStringLiteral("the word ") + word);
    }
}

std::pair<Kind, QString> RandomPlayer::computerAction()
{
    const auto& f = *m_g.screens;
    StudioForm& st = s();
    const Control* c = m_computerPressed;
    if (c == &st.spinButton)
        return {Kind::Other, QStringLiteral("spin")};
    if (c == &st.wordButton)
        return {Kind::Other, QStringLiteral("name the word")};
    if (c == &st.takePrizeButton)
        return {Kind::Other, QStringLiteral("take the prize")};
    if (c == &st.wordBox) {
        // The word as typed so far, or, once handed in, the word judged.
        const bool open = st.round().phase() == Phase::WordEntry && !st.wordBox.text.isEmpty();
        return {Kind::Typing, QStringLiteral("type ") + (open ? st.wordBox.text : st.round().namedWord())};
    }
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (c == &st.letterButtons[static_cast<std::size_t>(n)])
            return {Kind::Letter, QStringLiteral("letter ") + Alphabet::letter(n)};
    for (int i = 1; i <= Board::Tiles; ++i)
        if (c == &st.board.tiles[static_cast<std::size_t>(i)])
            return {Kind::Other, QStringLiteral("tile %1").arg(i)};
    if (c == &f.bargain.money)
        return {Kind::Other, QStringLiteral("bargain: money")};
    if (c == &f.bargain.blackBox)
        return {Kind::Other, QStringLiteral("bargain: black box")};
    if (c == &f.twoBoxes.leftBox)
        return {Kind::Other, QStringLiteral("boxes: 1")};
    if (c == &f.twoBoxes.rightBox)
        return {Kind::Other, QStringLiteral("boxes: 2")};
    return {Kind::Other, QStringLiteral("a control no player can press")};
}

// One to three of the places the computer's, at any level; now and then a
// computer renamed.
void RandomPlayer::setupWithComputers()
{
    SetupForm& setup = m_g.screens->setup;
    static const QString names[] = {QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вика"),
                                    QStringLiteral(" "), QStringLiteral("Григорий")};
    const int players = 1 + pick(3);
    const int surelyComputer = pick(players);
    for (int i = 0; i < 3; ++i) {
        const bool seated = i < players;
        const bool computer = seated && (i == surelyComputer || chance(0.5));
        setup.playerKindChosen(i, computer ? 1 + pick(3) : SetupForm::Person);
        QString& name = setup.nameBoxes[static_cast<std::size_t>(i)].text;
        if (!seated)
            name.clear();
        else if (!computer || chance(0.2))
            name = names[pick(5)];
    }
    if (chance(0.8))
        setup.roundsSliderMoved(pick(9));
    setup.okClicked();
}

void RandomPlayer::setupAndOk()
{
    if (m_options.computers)
        return setupWithComputers();
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
        setup.nameBoxes[0].text = chosen[0];
        setup.nameBoxes[1].text = chosen[1];
        setup.nameBoxes[2].text = chosen[2];
    }
    if (chance(0.8))
        setup.roundsSliderMoved(pick(9));
    setup.okClicked();
}

bool RandomPlayer::canGoOn()
{
    if (m_g.clock.hasPending() || m_g.screens->menu.isVisible())
        return true;
    return somethingToPress(choices(false));
}

bool RandomPlayer::somethingToPress(const std::vector<Choice>& c)
{
    return std::any_of(c.begin(), c.end(), [](const Choice& x) { return x.kind != Kind::StrayTyping && x.kind != Kind::StrayPress; });
}

void RandomPlayer::step()
{
    if (m_options.pauses && canPause() && std::bernoulli_distribution(0.004)(m_pauseRng))
        return pauseAWhile();
    // Now and then a player walks away from a game in the middle.
    std::vector<Choice> c = choices(false);
    if (m_gameOn && s().isVisible() && chance(0.0002)) {
        c = choices(true);
        c.erase(c.begin(), c.end() - 2);
    }
    const bool pending = m_g.clock.hasPending();
    if (!somethingToPress(c)) {
        // In a computer's turn the player now and then tries a click of his own.
        std::vector<Choice> strays;
        std::copy_if(c.begin(), c.end(), std::back_inserter(strays), [](const Choice& x) { return x.kind == Kind::StrayPress; });
        if (!strays.empty() && chance(0.1)) {
            const Choice& x = strays[static_cast<std::size_t>(pick(static_cast<int>(strays.size())))];
            ++m_report.strayPresses;
            return act(x.kind, x.what, x.handler);
        }
    }
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
        count(x.what);
        return act(x.kind, x.what, x.handler);
    }
}

void RandomPlayer::count(const QString& what)
{
    if (what == QStringLiteral("take the prize"))
        ++m_report.prizesTaken;
    else if (what.startsWith(QStringLiteral("boxes")))
        ++m_report.boxesPlayed;
    else if (what.startsWith(QStringLiteral("tile")))
        ++m_report.tilesOpened;
}

Report run(const Options& options)
{
    RandomPlayer player(options);
    return player.run();
}

}
