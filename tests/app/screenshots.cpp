// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of the game, in the states a player meets them, to PNG
// files offscreen: slovodrom_screenshots OUTPUT_FOLDER [scale [full]]; with
// "full", every window is shown full screen (on a screen of the size the
// offscreen platform is given), and each is checked to be readable from the
// back of a room: every text whole in its widget, the board's tiles at least
// a twentieth of the screen's height.
#include "tests/support/game_fixture.h"
#include "app/game_views.h"
#include "widgets/game_style.h"
#include "widgets/screen_view.h"
#include "app/view_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace {

// Texts that do not fit their widget, in a window on view, one line each.
int clippedTexts(QWidget* window, const QString& name)
{
    int clipped = 0;
    auto check = [&](QWidget* w, const QString& text, int room, int extra) {
        if (text.isEmpty() || !w->isVisibleTo(window))
            return;
        const QFontMetrics metrics(w->font());
        const int needed = metrics.horizontalAdvance(text) + extra;
        if (needed > room || metrics.tightBoundingRect(text).height() > w->contentsRect().height()) {
            std::printf("clipped on %s: \"%s\" needs %d px, has %d\n", qPrintable(name), qPrintable(text), needed, room);
            ++clipped;
        }
    };
    for (QLabel* l : window->findChildren<QLabel*>())
        if (!l->wordWrap())
            check(l, l->text(), l->contentsRect().width(), 0);
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        check(b, b->text(), b->width(), b->icon().isNull() ? 0 : b->iconSize().width() + 4);
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
        check(e, e->text(), e->contentsRect().width(), 2);
    return clipped;
}

// The smallest tile of the board on view, as a share of the screen's height.
double smallestTileShare(QWidget* window)
{
    int smallest = 0;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->accessibleName().startsWith(QStringLiteral("Закрытая буква")))
            smallest = smallest ? std::min(smallest, b->height()) : b->height();
    return smallest ? double(smallest) / window->screen()->geometry().height() : 1.0;
}

bool save(ViewHost& views, Form& form, const QString& folder, const QString& name)
{
    views.sync();
    ScreenView* view = views.view(form);
    if (!view) {
        std::fprintf(stderr, "no window for %s\n", qPrintable(name));
        return false;
    }
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!view->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    if (view->isFullScreen()) {
        const double tiles = smallestTileShare(view);
        if (tiles < 1.0)
            std::printf("tiles on %s: %.2f %% of the screen's height\n", qPrintable(name), 100 * tiles);
        return clippedTexts(view, name) == 0 && tiles >= 0.05;
    }
    return true;
}

// The game with its windows, and every screen taken so far.
struct Shooter {
    GameFixture& game;
    GameScreens& s;
    ViewHost& views;
    QString folder;
    bool ok = true;

    void take(Form& form, const QString& name) { ok &= save(views, form, folder, name); }
};

// The menu, the rules, the editor, the set-up and the studio before a game.
void sideScreens(Shooter& shot)
{
    GameFixture& game = shot.game;
    GameScreens& s = shot.s;
    shot.take(s.menu, QStringLiteral("menu"));
    game.click([&] { s.menu.rulesClicked(); });
    shot.take(s.rules, QStringLiteral("rules"));
    game.click([&] { s.rules.exitClicked(); });

    game.click([&] { s.menu.editorClicked(); });
    game.advance(1);
    shot.take(s.editor, QStringLiteral("editor"));
    game.click([&] { s.editor.exitClicked(); });

    game.click([&] { s.menu.newGameClicked(); });
    game.click([&] {
        s.setup.nameBoxes[0].text = QStringLiteral("Анна");
        s.setup.nameBoxes[1].text = QStringLiteral("Борис");
        s.setup.nameBoxes[2].text = QStringLiteral("Вера");
    });
    shot.take(s.setup, QStringLiteral("setup"));
    game.click([&] { s.setup.okClicked(); });
    shot.take(s.studio, QStringLiteral("studio-start"));
}

// A game: the first two records, in order; the wheel stops on "П".
void studioPlay(Shooter& shot)
{
    GameFixture& game = shot.game;
    GameScreens& s = shot.s;
    StudioForm& st = s.studio;
    game.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    game.click([&] { st.newGameClicked(); });
    game.advance(2000 + 3000);
    game.random.push({0});  // the prompt
    game.random.push({1, 0});  // sector "П", slow turn 2
    game.click([&] { st.spinClicked(); });
    game.advance(200);
    shot.take(s.studio, QStringLiteral("studio-spinning"));
    // Paused with the wheel turning: the card over the picture, the controls greyed.
    game.click([&] { st.pauseClicked(); });
    shot.take(s.studio, QStringLiteral("studio-paused"));
    game.click([&] { st.pauseClicked(); });
    game.random.push({1});  // the announcement
    game.advance(30000);
    game.click([&] { st.letterClicked(16); });  // "О"
    game.random.push({9, 0});  // "x2"? no: sector 10, slow turn 2
    game.click([&] { st.spinClicked(); });
    game.random.push({0});
    game.advance(30000);
    game.click([&] { st.letterClicked(18); });  // "Р"
    shot.take(s.studio, QStringLiteral("studio-play"));

    game.random.push({5, 0, 0});  // "+"
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    shot.take(s.studio, QStringLiteral("studio-plus"));
    game.click([&] { st.tileClicked(1); });

    game.random.push({1, 0, 2});  // "П" again
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    game.click([&] { st.takePrizeClicked(); });
    game.random.push({5});  // eight offers
    game.advance(1000);
    game.click([&] { s.bargain.blackBoxClicked(); });
    shot.take(s.bargain, QStringLiteral("bargain"));
    game.click([&] { s.bargain.moneyClicked(); });
    game.click([&] { s.bargain.moneyClicked(); });
    game.advance(3000);
    game.advance(10);
}

// The two boxes, through the screen directly; the points lie in box 2.
void twoBoxes(Shooter& shot)
{
    GameFixture& game = shot.game;
    GameScreens& s = shot.s;
    StudioForm& st = s.studio;
    auto openBoxes = [&] {
        game.click([&] {
            st.hideScreen();
            s.twoBoxes.showScreen();
            s.twoBoxes.hidePointsTimer.start();
        });
        game.random.push({1});
        game.advance(1);
    };
    openBoxes();
    shot.take(s.twoBoxes, QStringLiteral("twoboxes"));
    game.click([&] { s.twoBoxes.leftBoxClicked(); });
    shot.take(s.twoBoxes, QStringLiteral("twoboxes-lost"));
    game.advance(3000);
    game.advance(10);
    openBoxes();
    game.click([&] { s.twoBoxes.rightBoxClicked(); });
    shot.take(s.twoBoxes, QStringLiteral("twoboxes-won"));
    game.advance(3000);
    game.advance(10);
}

// The word, and the end screen with a winner, the widest name and a draw; the
// studio with the longest names before the widest.
void ending(Shooter& shot)
{
    GameFixture& game = shot.game;
    GameScreens& s = shot.s;
    StudioForm& st = s.studio;
    game.click([&] { st.wordClicked(); });
    game.click([&] { st.wordEdited(st.round().answer()); });
    shot.take(s.studio, QStringLiteral("studio-word"));

    game.click([&] { s.endOfGame.showWinner(st, QStringLiteral("Вера")); });
    game.advance(5000);
    shot.take(s.endOfGame, QStringLiteral("end"));
    // The widest name the set-up screen takes, and a draw.
    for (const auto& [result, name] : {std::pair{QStringLiteral("ЖЩШЮЖЩШЮ"), QStringLiteral("end-wide-name")},
                                       std::pair{QString(), QStringLiteral("end-draw")}}) {
        game.click([&] { s.endOfGame.exitClicked(); });
        game.click([&] { s.menu.newGameClicked(); });
        if (name == QStringLiteral("end-wide-name")) {
            // Eight capitals in every panel, the first name red for its turn.
            game.click([&] {
                s.setup.nameBoxes[0].text = QStringLiteral("МАКСИМКА");
                s.setup.nameBoxes[1].text = QStringLiteral("ШАМШУРИН");
                s.setup.nameBoxes[2].text = QStringLiteral("ЖЖЖЖЖЖЖЖ");
            });
            game.click([&] { s.setup.okClicked(); });
            game.click([&] { st.newGameClicked(); });
            game.advance(5000);
            shot.take(s.studio, QStringLiteral("studio-long-names"));
        } else {
            game.click([&] { s.setup.okClicked(); });
        }
        game.click([&, result = result] {
            if (result.isEmpty())
                s.endOfGame.showDraw(st);
            else
                s.endOfGame.showWinner(st, result);
        });
        game.advance(5000);
        shot.take(s.endOfGame, name);
    }
}

// Two computer places beside a person: the set-up, and the studio while the
// first computer chooses its letter.
void computerPlaces(Shooter& shot)
{
    GameFixture& game = shot.game;
    GameScreens& s = shot.s;
    StudioForm& st = s.studio;
    game.click([&] { s.endOfGame.exitClicked(); });
    game.click([&] { s.menu.newGameClicked(); });
    game.click([&] {
        s.setup.nameBoxes[0].text = QStringLiteral("Анна");
        s.setup.playerKindChosen(1, 1);
        s.setup.playerKindChosen(2, 3);
    });
    shot.take(s.setup, QStringLiteral("setup-computer"));
    game.click([&] { s.setup.okClicked(); });
    game.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    game.click([&] { st.newGameClicked(); });
    game.advance(2000 + 3000);
    game.random.push({0, 0, 1});  // the prompt; "750", slow turn 2; its announcement
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    game.click([&] { st.letterClicked(16); });  // "О"
    game.random.push({1, 0, 1});  // "100", slow turn 2; its announcement
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    game.click([&] { st.letterClicked(33); });  // "Я": the turn passes to the computer
    game.random.push({0, 12, 0, 2});  // the prompt; the computer's "450", slow turn 2; its announcement
    while (st.round().phase() != Phase::NamingLetter && game.clock.fireNext()) {
    }
    shot.take(s.studio, QStringLiteral("studio-computer"));
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    GameStyle::install();  // as the game draws its text and scroll bars
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    // Two long answers first, to show a well-filled board.
    auto base = sampleBase();
    base[0] = {QStringLiteral("ПАРОВОЗ"), QStringLiteral("Машина на рельсах, что ходит на пару и угле")};
    base[1] = {QStringLiteral("КОСМОНАВТ"), QStringLiteral("Кто летает к звёздам на ракете?")};
    GameFixture game(base);
    GameScreens& s = *game.screens;
    ViewHost views(game.runtime.dispatcher);
    addGameViews(views, s, game.runtime.dispatcher);
    if (argc > 3 && QByteArray(argv[3]) == "full")
        views.setFullScreen(true);
    Shooter shot{game, s, views, folder};
    sideScreens(shot);
    studioPlay(shot);
    twoBoxes(shot);
    ending(shot);
    computerPlaces(shot);
    if (!game.errors.isEmpty())
        std::fprintf(stderr, "errors: %s\n", qPrintable(game.errors.join(QLatin1Char(' '))));
    return shot.ok && game.errors.isEmpty() ? 0 : 1;
}
