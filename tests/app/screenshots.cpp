// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of the game, in the states a player meets them, to PNG
// files offscreen: slovodrom_screenshots OUTPUT_FOLDER [scale]
#include "game_fixture.h"
#include "game_views.h"
#include "screen_view.h"
#include "view_host.h"

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
    bool ok = true;

    ok &= save(views, s.menu, folder, QStringLiteral("menu"));
    game.click([&] { s.menu.rulesClicked(); });
    ok &= save(views, s.rules, folder, QStringLiteral("rules"));
    game.click([&] { s.rules.exitClicked(); });

    game.click([&] { s.menu.editorClicked(); });
    game.advance(1);
    ok &= save(views, s.editor, folder, QStringLiteral("editor"));
    game.click([&] { s.editor.exitClicked(); });

    game.click([&] { s.menu.newGameClicked(); });
    game.click([&] {
        s.setup.nameBox1.text = QStringLiteral("Анна");
        s.setup.nameBox2.text = QStringLiteral("Борис");
        s.setup.nameBox3.text = QStringLiteral("Вера");
    });
    ok &= save(views, s.setup, folder, QStringLiteral("setup"));
    game.click([&] { s.setup.okClicked(); });
    ok &= save(views, s.studio, folder, QStringLiteral("studio-start"));

    // A game: the first two records, in order; the wheel stops on "П".
    StudioForm& st = s.studio;
    game.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    game.click([&] { st.newGameClicked(); });
    game.advance(2000 + 3000);
    game.random.push({0});  // the prompt
    game.random.push({1, 0});  // sector "П", slow turn 2
    game.click([&] { st.spinClicked(); });
    game.advance(200);
    ok &= save(views, s.studio, folder, QStringLiteral("studio-spinning"));
    game.random.push({1});  // the announcement
    game.advance(30000);
    game.click([&] { st.letterClicked(16); });  // "О"
    game.random.push({9, 0});  // "x2"? no: sector 10, slow turn 2
    game.click([&] { st.spinClicked(); });
    game.random.push({0});
    game.advance(30000);
    game.click([&] { st.letterClicked(18); });  // "Р"
    ok &= save(views, s.studio, folder, QStringLiteral("studio-play"));

    game.random.push({5, 0, 0});  // "+"
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    ok &= save(views, s.studio, folder, QStringLiteral("studio-plus"));
    game.click([&] { st.tileClicked(1); });

    game.random.push({1, 0, 2});  // "П" again
    game.click([&] { st.spinClicked(); });
    game.advance(30000);
    game.click([&] { st.takePrizeClicked(); });
    game.random.push({5});  // eight offers
    game.advance(1000);
    game.click([&] { s.bargain.blackBoxClicked(); });
    ok &= save(views, s.bargain, folder, QStringLiteral("bargain"));
    game.click([&] { s.bargain.moneyClicked(); });
    game.click([&] { s.bargain.moneyClicked(); });
    game.advance(3000);
    game.advance(10);

    // The two boxes, through the screen directly; the points lie in box 2.
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
    ok &= save(views, s.twoBoxes, folder, QStringLiteral("twoboxes"));
    game.click([&] { s.twoBoxes.leftBoxClicked(); });
    ok &= save(views, s.twoBoxes, folder, QStringLiteral("twoboxes-lost"));
    game.advance(3000);
    game.advance(10);
    openBoxes();
    game.click([&] { s.twoBoxes.rightBoxClicked(); });
    ok &= save(views, s.twoBoxes, folder, QStringLiteral("twoboxes-won"));
    game.advance(3000);
    game.advance(10);

    game.click([&] { st.wordClicked(); });
    game.click([&] { st.wordEdited(st.answer); });
    ok &= save(views, s.studio, folder, QStringLiteral("studio-word"));

    game.click([&] { s.endOfGame.showResult(st, QStringLiteral("Вера")); });
    game.advance(5000);
    ok &= save(views, s.endOfGame, folder, QStringLiteral("end"));
    // The widest name the set-up screen takes, and a draw.
    for (const auto& [result, name] : {std::pair{QStringLiteral("ЖЩШЮЖЩШЮ"), QStringLiteral("end-wide-name")},
                                       std::pair{QStringLiteral("Ничья!"), QStringLiteral("end-draw")}}) {
        game.click([&] { s.endOfGame.exitClicked(); });
        game.click([&] { s.menu.newGameClicked(); });
        game.click([&] { s.setup.okClicked(); });
        game.click([&, result = result] { s.endOfGame.showResult(st, result); });
        game.advance(5000);
        ok &= save(views, s.endOfGame, folder, name);
    }
    if (!game.errors.isEmpty())
        std::fprintf(stderr, "errors: %s\n", qPrintable(game.errors.join(QLatin1Char(' '))));
    return ok && game.errors.isEmpty() ? 0 : 1;
}
