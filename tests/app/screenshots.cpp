// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of the game, in the states a player meets them, to PNG
// files offscreen: slovodrom_screenshots OUTPUT_FOLDER [scale]
#include "tests/support/game_fixture.h"
#include "app/game_views.h"
#include "widgets/screen_view.h"
#include "app/view_host.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

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

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
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
    Shooter shot{game, s, views, folder};
    sideScreens(shot);
    studioPlay(shot);
    twoBoxes(shot);
    ending(shot);
    if (!game.errors.isEmpty())
        std::fprintf(stderr, "errors: %s\n", qPrintable(game.errors.join(QLatin1Char(' '))));
    return shot.ok && game.errors.isEmpty() ? 0 : 1;
}
