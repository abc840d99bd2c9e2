// SPDX-License-Identifier: GPL-3.0-or-later
// The windows are a thin skin: clicks and typing on real widgets must reach
// the screens' handlers, and the widgets must follow the screens.
#include "tests/support/game_fixture.h"
#include "app/game_views.h"
#include "app/program.h"
#include "app/rules_form.h"
#include "widgets/screen_view.h"
#include "tests/support/temp_folder.h"
#include "widgets/svg_picture.h"
#include "widgets/game_style.h"
#include "widgets/widget_kit.h"
#include "core/dispatcher.h"
#include "core/form.h"
#include "widgets/kept_text.h"
#include "widgets/text_box_bar.h"
#include "app/view_host.h"
#include "core/runtime.h"
#include "core/timer.h"
#include "widgets/qt_clock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QSvgRenderer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

// Pixels of two pictures of a size whose grey differs by more than `tolerance`.
int differingPixels(const QImage& a, const QImage& b, int tolerance)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > tolerance;
    return n;
}

QPushButton* buttonNamed(QWidget* window, const QString& text)
{
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

struct ViewFixture : GameFixture {
    ViewFixture() : views(runtime.dispatcher)
    {
        addGameViews(views, *screens, runtime.dispatcher);
        views.sync();
    }
    QWidget* window(Form& f) { return views.view(f); }
    ViewHost views;
};

// Types text as key presses; the test library's own typing knows only ASCII.
void type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

int argc = 1;
char arg0[] = "views_test";
char* argv[] = {arg0, nullptr};
QApplication* app()
{
    static QApplication* a = new QApplication(argc, argv);
    return a;
}

}

// Start-up shows the menu alone; the other windows are not even made yet.
TEST(Views, StartUpShowsTheMenuAlone)
{
    app();
    ViewFixture f;
    ASSERT_NE(f.window(f.screens->menu), nullptr);
    EXPECT_TRUE(f.window(f.screens->menu)->isVisible());
    EXPECT_EQ(f.window(f.screens->menu)->windowTitle(), "     Меню Словодром");
    EXPECT_EQ(f.window(f.screens->studio), nullptr);
    EXPECT_EQ(f.window(f.screens->menu)->size(), QSize(137, 137));
}

// From the menu through the set-up screen to the studio, by mouse and keyboard only.
TEST(Views, MenuSetUpAndStudioByTheirWidgets)
{
    app();
    ViewFixture f;
    QTest::mouseClick(buttonNamed(f.window(f.screens->menu), "Новая Игра"), Qt::LeftButton);
    QWidget* setup = f.window(f.screens->setup);
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(f.window(f.screens->menu)->isVisible());

    auto* first = setup->findChild<QLineEdit*>(QStringLiteral("name1"));
    auto* second = setup->findChild<QLineEdit*>(QStringLiteral("name2"));
    ASSERT_TRUE(first && second);
    type(first, "Анна");
    type(second, "Борис");
    EXPECT_EQ(first->maxLength(), 8);
    QTest::keyClick(second, Qt::Key_Return);  // Enter acts as "OK"

    QWidget* studio = f.window(f.screens->studio);
    ASSERT_NE(studio, nullptr);
    EXPECT_TRUE(studio->isVisible());
    EXPECT_FALSE(setup->isVisible());
    int panels = 0;
    for (QGroupBox* g : studio->findChildren<QGroupBox*>())
        panels += g->isVisibleTo(studio) ? 1 : 0;
    EXPECT_EQ(panels, 2);
    EXPECT_EQ(f.studio().panel(2).nameLabel.text, "Борис");

    QTest::mouseClick(buttonNamed(studio, "Новая игра"), Qt::LeftButton);
    f.advance(5000);
    QPushButton* spin = buttonNamed(studio, "Крутить барабан");
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(spin->isEnabled());
    QTest::mouseClick(buttonNamed(studio, "Назвать слово"), Qt::LeftButton);
    EXPECT_TRUE((f.studio().round().phase() == Phase::WordEntry));
}

// The list of who plays a place follows its name in the Tab order, is chosen
// by the keyboard and names itself; in the computer's turn a person's click
// and key reach nothing, and the computer makes its move by itself.
TEST(Views, ComputerPlaceIsChosenByKeyboardAndPlaysAlone)
{
    app();
    ViewFixture f;
    QTest::mouseClick(buttonNamed(f.window(f.screens->menu), "Новая Игра"), Qt::LeftButton);
    QWidget* setup = f.window(f.screens->setup);
    ASSERT_TRUE(setup && setup->isVisible());
    auto* first = setup->findChild<QLineEdit*>(QStringLiteral("name1"));
    auto* kind = setup->findChild<QComboBox*>(QStringLiteral("kind1"));
    ASSERT_TRUE(first && kind);
    setup->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), kind);
    EXPECT_TRUE(kind->accessibleName().startsWith("Первый игрок"));
    EXPECT_EQ(kind->count(), 4);
    QTest::keyClick(kind, Qt::Key_Down);
    EXPECT_EQ(kind->currentText(), "Компьютер: новичок");
    EXPECT_EQ(first->text(), SetupForm::computerName(0));
    QTest::keyClick(kind, Qt::Key_Tab);
    EXPECT_TRUE(QApplication::focusWidget() && QApplication::focusWidget()->inherits("QPushButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* second = setup->findChild<QLineEdit*>(QStringLiteral("name2"));
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), setup->findChild<QComboBox*>(QStringLiteral("kind2")));
    QTest::keyClick(first, Qt::Key_Return);

    QWidget* studio = f.window(f.screens->studio);
    ASSERT_TRUE(studio && studio->isVisible());
    EXPECT_TRUE(f.studio().isComputer(1));
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    QTest::mouseClick(buttonNamed(studio, "Новая игра"), Qt::LeftButton);
    f.advance(5000);
    ASSERT_TRUE(f.studio().computerThinkingTimer.isRunning());
    QTest::mouseClick(buttonNamed(studio, "Назвать слово"), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(studio, "Крутить барабан"), Qt::LeftButton);
    type(studio, "к");
    EXPECT_EQ(f.studio().round().phase(), Phase::Choosing);
    f.advance(2000);
    EXPECT_NE(f.studio().round().phase(), Phase::Choosing);
}

// The word box turns what is typed into capitals and hands the word in at the answer's length.
TEST(Views, WordBoxTypesCapitalsAndHandsTheWordIn)
{
    app();
    ViewFixture f;
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна"}, 3);
    f.advance(5000);
    f.click([&] { f.studio().wordClicked(); });
    QWidget* studio = f.window(f.screens->studio);
    auto* entry = studio->findChild<QLineEdit*>(QStringLiteral("wordBox"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisibleTo(studio));
    type(entry, "ко");
    EXPECT_EQ(entry->text(), "КО");
    EXPECT_EQ(f.studio().wordBox.text, "КО");
    type(entry, "т");
    EXPECT_EQ(f.studio().hostSpeech.text, "Правильно!!!!");
    EXPECT_EQ(f.studio().player(1).roundScore, 2000);
    EXPECT_FALSE(entry->isVisibleTo(studio));
}

// A letter button on screen names its letter; the tiles follow the board.
TEST(Views, LetterButtonsAndTilesFollowTheStudio)
{
    app();
    ViewFixture f;
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна"}, 3);
    f.advance(5000);
    f.random.push({0, 0});  // "750", slow turn 2
    f.click([&] { f.studio().spinClicked(); });
    f.advance(30000);
    QWidget* studio = f.window(f.screens->studio);
    QPushButton* letterO = buttonNamed(studio, "О");
    ASSERT_NE(letterO, nullptr);
    ASSERT_TRUE(letterO->isEnabled());
    QTest::mouseClick(letterO, Qt::LeftButton);
    EXPECT_EQ(f.studio().player(1).roundScore, 750);
    EXPECT_FALSE(letterO->isVisibleTo(studio));
    // Tile 2 of "КОТ" is open: its letter label shows "О".
    // The keyboard presses a letter's button only while it may be clicked.
    type(studio, "т");
    EXPECT_TRUE(f.studio().letterButtons[20].visible);
    f.random.push({0, 0});
    f.click([&] { f.studio().spinClicked(); });
    f.advance(30000);
    type(studio, "т");
    EXPECT_FALSE(f.studio().letterButtons[20].visible);
    EXPECT_EQ(f.studio().player(1).roundScore, 1500);

    auto* letterOnTile2 = studio->findChild<QLabel*>(QStringLiteral("letter2"));
    ASSERT_NE(letterOnTile2, nullptr);
    EXPECT_EQ(letterOnTile2->text(), "О");

    // The speaker switches the sound by a click and by the Latin M; "ь", typed
    // on the same key in a Russian layout, stays the letter's.
    QAbstractButton* speaker = nullptr;
    for (QAbstractButton* b : studio->findChildren<QAbstractButton*>())
        if (b->accessibleName() == "Звук")
            speaker = b;
    ASSERT_NE(speaker, nullptr);
    EXPECT_TRUE(speaker->isVisibleTo(studio) && speaker->isChecked());
    QTest::mouseClick(speaker, Qt::LeftButton);
    EXPECT_FALSE(f.studio().soundOn());
    EXPECT_FALSE(speaker->isChecked());
    auto pressM = [&](const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, text);
        QApplication::sendEvent(studio, &press);
    };
    pressM("m");
    EXPECT_TRUE(f.studio().soundOn());
    EXPECT_TRUE(speaker->isChecked());
    f.random.push({0, 0});
    f.click([&] { f.studio().spinClicked(); });
    f.advance(30000);
    f.sounds.clear();
    pressM("ь");
    EXPECT_TRUE(f.studio().soundOn());
    EXPECT_FALSE(f.studio().letterButtons[30].visible);
    EXPECT_EQ(f.sounds.played, std::vector<Sound>{Sound::Buzz});
}

// After a word is handed in the box is closed: keys that still reach it hand
// nothing in, and it no longer holds the keyboard.
TEST(Views, ClosedWordBoxTakesNoText)
{
    app();
    ViewFixture f;
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна", "Борис"}, 3);
    f.advance(5000);
    QWidget* studio = f.window(f.screens->studio);
    QTest::mouseClick(buttonNamed(studio, "Назвать слово"), Qt::LeftButton);
    QLineEdit* entry = studio->findChild<QLineEdit*>(QStringLiteral("wordBox"));
    ASSERT_NE(entry, nullptr);
    type(entry, "ддд");  // wrong: Анна is out, Борис's turn
    ASSERT_FALSE(entry->isVisibleTo(studio));
    EXPECT_NE(QApplication::focusWidget(), entry);
    const QString host = f.studio().hostSpeech.text;
    const bool spin = f.studio().spinButton.enabled, word = f.studio().wordButton.enabled;
    for (const char* keys : {"кот", "ккк"}) {
        type(entry, keys);
        EXPECT_EQ(f.studio().player(2).roundScore, 0);
        EXPECT_EQ(f.studio().round().current(), 2);
        EXPECT_EQ(f.studio().hostSpeech.text, host);
        EXPECT_EQ(f.studio().spinButton.enabled, spin);
        EXPECT_EQ(f.studio().wordButton.enabled, word);
        EXPECT_TRUE(f.studio().wordBox.text.isEmpty());
    }
}

// Only the menu's close ends the program; any other window refuses a close from the window manager.
TEST(Views, WindowsOtherThanTheMenuRefuseToClose)
{
    app();
    ViewFixture f;
    f.startGame({"Анна"}, 1);
    QWidget* studio = f.window(f.screens->studio);
    ASSERT_TRUE(studio->isVisible());
    EXPECT_FALSE(studio->close());
    EXPECT_TRUE(studio->isVisible());
    EXPECT_TRUE(f.studio().isVisible());
}

// The rules' section headings stand in the middle of their panels, whatever the font.
TEST(Views, RulesHeadingsAreCentred)
{
    app();
    ViewFixture f;
    f.click([&] { f.screens->menu.rulesClicked(); });
    f.views.sync();
    QWidget* rules = f.window(f.screens->rules);
    ASSERT_NE(rules, nullptr);
    int headings = 0;
    for (QPlainTextEdit* panel : rules->findChildren<QPlainTextEdit*>()) {
        const QFontMetricsF metrics(panel->font());
        const double middle = panel->viewport()->width() / 2.0;
        for (const QString& line : panel->toPlainText().split(QLatin1Char('\n'))) {
            if (!RulesForm::isHeading(line.trimmed()))
                continue;
            ++headings;
            const double centre = metrics.horizontalAdvance(line) - metrics.horizontalAdvance(line.trimmed()) / 2;
            EXPECT_NEAR(centre, middle, 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 4) << line.toStdString();
        }
    }
    EXPECT_GE(headings, 10);
}

// A name shows as typed, never as markup, and whole: eight capitals fit the
// studio's player panel, and the widest name the set-up screen takes fits the end
// screen on one line. The studio's edges and its sector display show what they hold
// whole and centred too.
TEST(Views, NamesShowAsTypedAndWhole)
{
    app();
    ViewFixture f;
    f.startGame({"<h1>Я", "ШАМШУРИН", "ЖЖЖЖЖЖЖЖ"}, 1);
    f.views.sync();
    QWidget* studio = f.window(f.screens->studio);
    ASSERT_NE(studio, nullptr);
    for (QLabel* label : studio->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    int names = 0;
    for (QGroupBox* panel : studio->findChildren<QGroupBox*>()) {
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->text() != "<h1>Я" && label->text() != "ШАМШУРИН" && label->text() != "ЖЖЖЖЖЖЖЖ")
                continue;
            ++names;
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_LE(QFontMetrics(label->font(), label).horizontalAdvance(label->text()), label->width());
            EXPECT_LE(label->geometry().right(), panel->width() - 2);
        }
    }
    EXPECT_EQ(names, 3);
    // The last letter button ends at the window's edge, not beyond it.
    QPushButton* lastLetter = buttonNamed(studio, "Я");
    ASSERT_NE(lastLetter, nullptr);
    EXPECT_EQ(lastLetter->geometry().right(), studio->width() - 1);
    // The sector beside the pointer stands in the middle of the display's screen (715–737).
    for (const char* sector : {"0", "+", "Б", "750"}) {
        f.studio().wheel.pointer.text = QString::fromUtf8(sector);
        f.views.sync();
        QLabel* display = nullptr;
        for (QLabel* label : studio->findChildren<QLabel*>())
            if (label->text() == QString::fromUtf8(sector) && label->geometry().contains(726, 238))
                display = label;
        ASSERT_NE(display, nullptr) << sector;
        EXPECT_EQ(2 * display->x() + display->width(), 2 * 726) << sector;
        EXPECT_TRUE(display->alignment() & Qt::AlignHCenter) << sector;
        EXPECT_LE(QFontMetrics(display->font(), display).horizontalAdvance(display->text()), display->width()) << sector;
    }

    f.click([&] { f.screens->endOfGame.showWinner(f.studio(), QStringLiteral("ЖЩШЮЖЩШЮ")); });
    f.views.sync();
    QWidget* end = f.window(f.screens->endOfGame);
    ASSERT_NE(end, nullptr);
    QPlainTextEdit* name = end->findChild<QPlainTextEdit*>();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->toPlainText(), "ЖЩШЮЖЩШЮ");
    EXPECT_LE(QFontMetrics(name->font()).horizontalAdvance(name->toPlainText()),
              name->viewport()->width() - 2 * name->document()->documentMargin());
    EXPECT_EQ(name->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// Under a file-size limit (ulimit -f) a write past it must fail with EFBIG, so
// that the question base cuts the record back and says "Disk full", rather
// than the signal killing the game half-way through a record.
TEST(Views, TheProgramSurvivesTheFileSizeLimit)
{
    app();
    std::signal(SIGXFSZ, SIG_DFL);
    TempFolder folder;
    Program program(folder.path());
    struct sigaction now {};
    sigaction(SIGXFSZ, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
}

// Windows made ahead of need stay hidden and leave nothing running; a window
// made ahead, and one shown again after giving back its native window, shows
// its picture exactly as the SVG renders it.
TEST(Views, WindowsMadeAheadAndReleasedShowTheirPicturesExactly)
{
    app();
    ViewFixture f;
    f.views.prepareAhead();
    for (int turn = 0; turn < 1000 && f.views.preparing(); ++turn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(f.views.preparing());
    for (Form* form : std::initializer_list<Form*>{&f.screens->studio, &f.screens->editor, &f.screens->setup, &f.screens->bargain,
                                                   &f.screens->twoBoxes, &f.screens->endOfGame, &f.screens->rules}) {
        ASSERT_NE(f.window(*form), nullptr) << form->caption().toStdString();
        EXPECT_FALSE(f.window(*form)->isVisible()) << form->caption().toStdString();
    }
    EXPECT_TRUE(f.window(f.screens->menu)->isVisible());
    // One size per picture screen: the form's, the window's and the SVG's own.
    const std::pair<Form*, const char*> pictures[] = {{&f.screens->studio, ":/assets/studio.svg"},
                                                      {&f.screens->bargain, ":/assets/bargain.svg"},
                                                      {&f.screens->twoBoxes, ":/assets/twoboxes.svg"},
                                                      {&f.screens->endOfGame, ":/assets/endgame.svg"}};
    for (const auto& [form, svg] : pictures) {
        const QSize size(form->clientWidth(), form->clientHeight());
        EXPECT_EQ(QSvgRenderer(QString::fromLatin1(svg)).defaultSize(), size) << svg;
        EXPECT_EQ(f.window(*form)->size(), size) << svg;
    }

    // The end screen's picture, above the lettering where no other widget lies.
    QWidget* end = f.window(f.screens->endOfGame);
    const QRect clear(0, 0, 684, 296);
    const qreal ratio = end->devicePixelRatioF();
    QImage expected(clear.size() * ratio, QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio);
    expected.fill(end->palette().color(QPalette::Window));
    QPainter(&expected).drawPixmap(0, 0, SvgPicture::render(QStringLiteral(":/assets/endgame.svg"), QSize(), ratio));
    for (int showing = 1; showing <= 2; ++showing) {
        f.startGame({"Анна"}, 1);
        f.click([&] { f.screens->endOfGame.showWinner(f.studio(), QStringLiteral("Анна")); });
        ASSERT_TRUE(end->isVisible());
        EXPECT_EQ(end->grab(clear).toImage().convertToFormat(QImage::Format_RGB32), expected) << "showing " << showing;
        f.click([&] {
            f.screens->endOfGame.exitTimeout();
            f.screens->endOfGame.exitClicked();
        });
        ASSERT_FALSE(end->isVisible());
    }
}

// What the window manager is told, and what a player sees of it: a fixed
// screen's minimum and maximum sizes are one, so no manager offers to resize
// or maximise it; a resizable screen cannot shrink until a control leaves it,
// and grown larger keeps its content in the middle; each screen keeps one
// native window (its id) for the whole run; a second visit to the set-up
// screen finds the names selected, so typing replaces them.
TEST(Views, WindowsKeepTheirSizeTheirPlaceAndTheirNativeWindow)
{
    app();
    ViewFixture f;
    f.views.makeAll();
    GameScreens& s = *f.screens;
    for (Form* form : std::initializer_list<Form*>{&s.menu, &s.studio, &s.editor, &s.setup, &s.bargain, &s.twoBoxes,
                                                   &s.endOfGame, &s.rules}) {
        QWidget* w = f.window(*form);
        const std::string name = form->caption().toStdString();
        const QSize client(form->clientWidth(), form->clientHeight());
        EXPECT_EQ(w->minimumSize(), client) << name;
        if (form == &s.setup || form == &s.bargain) {
            EXPECT_GT(w->maximumWidth(), 4 * client.width()) << name;
            for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(child->geometry())) << name;
        } else {
            EXPECT_EQ(w->maximumSize(), client) << name;
        }
    }

    QWidget* setup = f.window(s.setup);
    QPushButton* ok = nullptr;  // "OK", named once the screen is first shown
    for (QPushButton* b : setup->findChildren<QPushButton*>())
        ok = b->isDefault() ? b : ok;
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(buttonNamed(f.window(s.menu), "Новая Игра"), Qt::LeftButton);
    ASSERT_TRUE(setup->isVisible());
    const QRect okAtSize = ok->geometry();
    setup->resize(setup->width() + 400, setup->height() + 300);
    EXPECT_TRUE(ok->geometry() == okAtSize.translated(200, 150));
    setup->resize(setup->minimumSize());
    EXPECT_TRUE(ok->geometry() == okAtSize);
    auto* first = setup->findChild<QLineEdit*>(QStringLiteral("name1"));
    type(first, "Аня");
    QTest::keyClick(first, Qt::Key_Return);
    QWidget* studio = f.window(s.studio);
    ASSERT_TRUE(studio->isVisible());
    const WId studioId = studio->internalWinId();
    const WId menuId = f.window(s.menu)->internalWinId();
    EXPECT_NE(studioId, WId(0));
    QTest::mouseClick(buttonNamed(studio, "Выход"), Qt::LeftButton);
    ASSERT_TRUE(f.window(s.menu)->isVisible());
    ASSERT_FALSE(studio->isVisible());
    QTest::mouseClick(buttonNamed(f.window(s.menu), "Новая Игра"), Qt::LeftButton);
    ASSERT_TRUE(setup->isVisible());
    EXPECT_EQ(first->selectedText(), "Аня");
    type(first, "в");
    EXPECT_EQ(first->text(), "в");
    QTest::keyClick(first, Qt::Key_Return);
    ASSERT_TRUE(studio->isVisible());
    EXPECT_EQ(studio->internalWinId(), studioId);
    EXPECT_EQ(f.window(s.menu)->internalWinId(), menuId);
    EXPECT_EQ(f.studio().panel(1).nameLabel.text, "в");
}

// A screen change made by a timer (here the end of the game) gives the new
// window the keyboard only if the game held it: a player who has gone to
// another program keeps typing there. The offscreen platform activates every
// window it shows, so the test reads what the game asks of the window
// manager: a window shown without activation (on X11 a user time of 0) and
// no request to activate it.
TEST(Views, TimerMadeChangeTakesTheFocusOnlyFromTheGame)
{
    app();
    ViewFixture f;
    f.startGame({"Анна"}, 1);
    QWidget* studio = f.window(f.screens->studio);
    ASSERT_TRUE(studio->isVisible());
    studio->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(studio));
    auto showsWithoutActivating = [](QWidget* w) {
        return w->testAttribute(Qt::WA_ShowWithoutActivating) && w->windowHandle()->property("_q_showWithoutActivating").toBool();
    };

    QWidget elsewhere;  // another program, for the test's purpose
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    f.click([&] { f.screens->endOfGame.showWinner(f.studio(), QStringLiteral("Анна")); });
    QWidget* end = f.window(f.screens->endOfGame);
    ASSERT_TRUE(end && end->isVisible());
    EXPECT_TRUE(showsWithoutActivating(end));

    // The player comes back and clicks into the end screen: the menu that
    // follows takes the keyboard.
    end->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(end));
    f.click([&] {
        f.screens->endOfGame.exitTimeout();
        f.screens->endOfGame.exitClicked();
    });
    QWidget* menu = f.window(f.screens->menu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(showsWithoutActivating(menu));
    EXPECT_TRUE(QTest::qWaitForWindowActive(menu));
}

namespace {

QAbstractButton* buttonCalled(QWidget* window, const QString& accessibleName)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->accessibleName() == accessibleName)
            return b;
    return nullptr;
}

}

// Full-screen text too large for Qt's glyph cache is drawn from a kept
// picture: it must come out as the text itself would, never blank, and a
// change of colour or text is a picture of its own.
TEST(Views, LargeTextFromAKeptPictureLooksAsDrawnDirectly)
{
    app();
    QFont font = QApplication::font();
    font.setPixelSize(137);
    const QRect box(0, 0, 900, 170);
    auto paint = [&](QColor colour, const QString& text, bool kept) {
        QImage image(box.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(colour);
        if (kept)
            KeptText::draw(&p, box, Qt::AlignCenter, text);
        else
            p.drawText(box, Qt::AlignCenter, text);
        return image;
    };
    auto inked = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    auto differing = [](const QImage& a, const QImage& b) { return differingPixels(a, b, 8); };
    const QString title = QStringLiteral("Информация");
    const QImage direct = paint(Qt::black, title, false);
    for (int round = 0; round < 2; ++round) {  // drawn, then from the cache
        const QImage kept = paint(Qt::black, title, true);
        ASSERT_GT(inked(direct), 5000);
        EXPECT_LT(differing(direct, kept), inked(direct) / 100) << "round " << round;
    }
    EXPECT_EQ(inked(paint(Qt::white, title, true)), 0) << "a colour of its own";
    EXPECT_GT(differing(paint(Qt::black, QStringLiteral("Выход"), true), direct), inked(direct) / 4) << "a text of its own";
}

// Scroll bars are drawn from kept pictures: whatever a bar shows (where it
// stands, a press on its handle) must come out as the style draws it, never a
// picture kept from before.
TEST(Views, AKeptScrollBarLooksAsDrawnDirectly)
{
    app();
    GameStyle keptStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QScrollBar kept(Qt::Vertical);
    QScrollBar direct(Qt::Vertical);
    kept.setStyle(&keptStyle);
    direct.setStyle(fusion.get());
    for (QScrollBar* bar : {&kept, &direct}) {
        bar->setRange(0, 100);
        bar->setPageStep(20);
        bar->resize(16, 400);
    }
    auto differing = [](const QImage& a, const QImage& b) { return differingPixels(a, b, 2); };
    QImage atTop;
    for (const int value : {0, 70, 100, 70}) {  // the last from the cache
        kept.setValue(value);
        direct.setValue(value);
        const QImage shown = kept.grab().toImage();
        EXPECT_EQ(differing(shown, direct.grab().toImage()), 0) << "at " << value;
        if (value == 0)
            atTop = shown;
        else
            EXPECT_GT(differing(shown, atTop), 100) << "at " << value;
    }
    for (QScrollBar* bar : {&kept, &direct}) {
        bar->show();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 300));
    }
    EXPECT_EQ(differing(kept.grab().toImage(), direct.grab().toImage()), 0) << "pressed";
    for (QScrollBar* bar : {&kept, &direct})
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 300));
}

// A text box's bar is drawn ahead, while hidden, with the range it will have
// once shown: the guess must match what the box then sets.
TEST(Views, TextBoxBarDrawnAheadHasTheShownBoxsRange)
{
    app();
    QWidget window;
    window.resize(400, 300);
    QPlainTextEdit* box = Kit::textBox(&window, 4, 4, 300, 200, QFont(), Qt::white, Qt::darkBlue, true, true);
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << QStringLiteral("Строка %1 с текстом, который переносится на следующую строку окна").arg(i);
    box->setPlainText(lines.join(QLatin1Char('\n')));
    window.grab();  // laid out at its size, as a window made ahead is
    QScrollBar* bar = box->verticalScrollBar();
    const TextBoxBar::Range guess = TextBoxBar::shownRange(*box);
    EXPECT_NE(guess.maximum, bar->maximum()) << "never shown, the box counts its range otherwise";
    TextBoxBar::drawAsShown(*box);
    window.show();
    EXPECT_EQ(bar->maximum(), guess.maximum);
    EXPECT_EQ(bar->pageStep(), guess.pageStep);
}

// A wide button's panel is drawn from a narrow one, its middle column
// stretched: in every state a button shows, it must come out as the style
// draws it whole.
TEST(Views, AWideButtonLooksAsDrawnWhole)
{
    app();
    GameStyle keptStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPushButton button;
    const QStyle::State on = QStyle::State_Enabled | QStyle::State_Active;
    for (const QSize size : {QSize(480, 98), QSize(1908, 394)})
        for (const QStyle::State state : {on | QStyle::State_Raised, on | QStyle::State_Sunken, on | QStyle::State_MouseOver,
                                          on | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange,
                                          QStyle::State(QStyle::State_Raised)})
            for (const auto features : {QStyleOptionButton::None, QStyleOptionButton::DefaultButton})
                for (int round = 0; round < 2; ++round) {  // drawn, then from the cache
                    QStyleOptionButton option;
                    option.initFrom(&button);
                    option.rect = QRect(QPoint(3, 2), size);
                    option.state = state;
                    option.features = features;
                    auto paint = [&](const QStyle& style) {
                        QImage image(size + QSize(6, 4), QImage::Format_ARGB32_Premultiplied);
                        image.fill(Qt::darkCyan);
                        QPainter p(&image);
                        style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &p, &button);
                        return image;
                    };
                    EXPECT_EQ(paint(keptStyle), paint(*fusion))
                        << size.width() << " wide, state " << int(state) << ", features " << int(features);
                }
}

// F11 and the small button scale the whole window to its screen, one picture
// larger, and the mode goes with the game to every screen it hands over to;
// F11 or Esc bring every window back to its own size and look.
TEST(Views, FullScreenScalesEveryWindowUntilF11OrEsc)
{
    app();
    ViewFixture f;
    GameScreens& s = *f.screens;
    auto* menu = static_cast<ScreenView*>(f.window(s.menu));
    QPushButton* newGame = buttonNamed(menu, "Новая Игра");
    const QRect windowedPlace = newGame->geometry();
    const QFont windowedFont = newGame->font();

    // The platform reports the new size as an event of its own.
    auto settle = [] { QCoreApplication::processEvents(); };
    QTest::keyClick(menu, Qt::Key_F11);
    settle();
    const QSize screen = menu->screen()->geometry().size();
    // Full screen is one window, the screens taking turns on it.
    EXPECT_TRUE(menu->isFullScreen());
    EXPECT_FALSE(menu->isWindow());
    EXPECT_TRUE(menu->window()->isVisible());
    EXPECT_TRUE(menu->window()->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(menu->size(), screen);
    const qreal scale = std::min(screen.width() / 137.0, screen.height() / 137.0);
    EXPECT_DOUBLE_EQ(menu->scale(), scale);
    // Scaled as a whole, about the middle, its text drawn at the larger size.
    EXPECT_NEAR(newGame->width(), 121 * scale, 1);
    EXPECT_NEAR(newGame->height(), 25 * scale, 1);
    EXPECT_NEAR(newGame->x(), (screen.width() - 137 * scale) / 2 + 8 * scale, 1);
    EXPECT_GT(newGame->font().pixelSize(), 11 * scale * 0.9);
    ASSERT_NE(buttonCalled(menu, "Во весь экран"), nullptr);
    EXPECT_TRUE(buttonCalled(menu, "Во весь экран")->isChecked());

    QTest::keyClick(menu, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(menu->isFullScreen());
    EXPECT_TRUE(menu->isWindow());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->size(), QSize(137, 137));
    EXPECT_EQ(newGame->geometry(), windowedPlace);
    EXPECT_EQ(newGame->font(), windowedFont);
    QTest::keyClick(menu, Qt::Key_Escape);  // windowed, Esc changes nothing
    EXPECT_EQ(menu->size(), QSize(137, 137));

    // The studio's button; the board's letters are read from the back of a room.
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна", "Борис"}, 1);
    f.advance(5000);
    auto* studio = static_cast<ScreenView*>(f.window(s.studio));
    ASSERT_TRUE(studio->isVisible());
    QAbstractButton* button = buttonCalled(studio, "Во весь экран");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_TRUE(studio->isFullScreen());
    EXPECT_EQ(studio->size(), screen);
    QAbstractButton* tile = buttonCalled(studio, "Закрытая буква 1");
    ASSERT_NE(tile, nullptr);
    EXPECT_GE(tile->height(), 0.05 * 562 * studio->scale());  // a twentieth of a 16:9 screen's height

    // The end of the game comes full screen too; Esc leaves it there.
    f.click([&] { s.endOfGame.showWinner(s.studio, QStringLiteral("Анна")); });
    settle();
    auto* end = static_cast<ScreenView*>(f.window(s.endOfGame));
    ASSERT_TRUE(end->isVisible());
    EXPECT_TRUE(end->isFullScreen());
    EXPECT_EQ(end->window(), studio->window());
    EXPECT_FALSE(studio->isVisible());
    EXPECT_EQ(end->size(), screen);
    EXPECT_GT(end->scale(), 1.0);
    QTest::keyClick(end, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(end->isFullScreen());
    EXPECT_TRUE(end->isWindow() && end->isVisible());
    EXPECT_EQ(end->size(), QSize(685, 497));
    EXPECT_FALSE(f.views.fullScreen());
    // F11 there brings it back, for the studio as it comes on view again.
    QTest::keyClick(end, Qt::Key_F11);
    settle();
    EXPECT_EQ(end->size(), screen);
    QTest::keyClick(end, Qt::Key_F11);
    settle();
    EXPECT_EQ(end->size(), QSize(685, 497));
    QTest::qWait(50);  // the hidden windows follow in idle time
    EXPECT_FALSE(studio->isFullScreen());
    EXPECT_TRUE(studio->isWindow());
    EXPECT_EQ(studio->size(), QSize(792, 562));
}

// Full screen, the style's own parts grow with the screen too: a box's scroll
// bar, a slider's handle; windowed they are the style's own size again.
TEST(Views, FullScreenGrowsScrollBarsAndSliders)
{
    app();
    Dispatcher dispatcher;
    Form form(QStringLiteral("Полосы"), 100, 80);
    ScreenView view(form, dispatcher);
    QPlainTextEdit* box = Kit::textBox(&view, 0, 0, 100, 60, QFont(), Qt::black, Qt::white, true, true);
    auto* slider = new QSlider(Qt::Horizontal, &view);
    slider->setGeometry(0, 60, 100, 20);
    GameStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    QScrollBar* bar = box->verticalScrollBar();
    bar->setStyle(&style);
    slider->setStyle(&style);
    auto handle = [&](bool withOption) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        return style.pixelMetric(QStyle::PM_SliderLength, withOption ? &option : nullptr, slider);
    };
    view.show();
    const int windowedBar = bar->width();
    const int windowedHandle = handle(true);
    EXPECT_EQ(handle(false), windowedHandle);

    QWidget stage;
    stage.resize(800, 640);
    view.setFullScreen(&stage);
    stage.show();
    view.show();
    QCoreApplication::processEvents();  // the bar is laid out in its corner as an event of its own
    ASSERT_DOUBLE_EQ(view.scale(), 8.0);
    EXPECT_NEAR(bar->width(), windowedBar * 8, 8);
    EXPECT_NEAR(handle(true), windowedHandle * 8, 1);
    EXPECT_NEAR(handle(false), windowedHandle * 8, 1);

    view.setFullScreen(nullptr);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(view.scale(), 1.0);
    EXPECT_EQ(bar->width(), windowedBar);
    EXPECT_EQ(handle(true), windowedHandle);
}

// Whose turn it is shows without colour too: a pointer above that player's
// panel, and only his; Space and Enter press "Крутить барабан" and "Назвать
// слово" only when they may be pressed.
TEST(Views, TurnIsPointedAtAndKeysDriveTheTurn)
{
    app();
    ViewFixture f;
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна", "Борис"}, 3);
    QWidget* studio = f.window(f.screens->studio);
    auto pointedSlot = [&] {
        int slot = 0, pointers = 0;
        for (QWidget* w : studio->findChildren<QWidget*>())
            if (w->accessibleName() == "Сейчас ходит" && w->isVisibleTo(studio)) {
                ++pointers;
                for (QGroupBox* g : studio->findChildren<QGroupBox*>())
                    if (g->isVisibleTo(studio) && g->geometry().left() <= w->geometry().center().x() &&
                        w->geometry().center().x() <= g->geometry().right())
                        slot = g->title().at(6).digitValue();  // "Игрок 1:"
            }
        return pointers == 1 ? slot : -pointers;
    };
    auto redSlot = [&] {
        for (int slot = 1; slot <= 3; ++slot)
            if (f.studio().panel(slot).nameLabel.fontColor == Colors::Red)
                return slot;
        return 0;
    };
    auto key = [&](Qt::Key k) { QTest::keyClick(studio, k); };

    f.advance(2000);  // the first turn is announced
    ASSERT_EQ(redSlot(), 1);
    EXPECT_EQ(pointedSlot(), 1);
    key(Qt::Key_Space);  // not yet: the prompt has not come
    EXPECT_EQ(f.studio().round().phase(), Phase::TurnStarting);
    f.advance(3000);
    f.random.push({7, 0});  // "0", slow turn 2
    key(Qt::Key_Space);
    EXPECT_EQ(f.studio().round().phase(), Phase::Spinning);
    key(Qt::Key_Return);  // the wheel turns: no word now
    EXPECT_EQ(f.studio().round().phase(), Phase::Spinning);
    f.advance(40000);  // "0": the turn passes
    ASSERT_EQ(redSlot(), 2);
    EXPECT_EQ(pointedSlot(), 2);
    key(Qt::Key_Enter);
    EXPECT_EQ(f.studio().round().phase(), Phase::WordEntry);
}

// The pause keys and the pause button freeze the game on every screen that
// can be paused: the card covers the play, letters and clicks do nothing,
// the same key or the button goes on.
TEST(Views, PauseKeysAndButtonFreezeTheGame)
{
    app();
    ViewFixture f;
    f.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    f.startGame({"Анна", "Борис"}, 3);
    f.advance(5000);
    StudioForm& s = f.studio();
    QWidget* studio = f.window(f.screens->studio);
    auto key = [](QWidget* w, Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    auto cardOn = [](QWidget* w) {
        const QList<QLabel*> cards = w->findChildren<QLabel*>(QStringLiteral("pauseCard"));
        return cards.size() == 1 && cards.front()->isVisibleTo(w) && cards.front()->text() == "Пауза";
    };
    QAbstractButton* pauseButton = nullptr;
    for (QAbstractButton* b : studio->findChildren<QAbstractButton*>())
        if (b->accessibleName() == "Пауза")
            pauseButton = b;
    ASSERT_NE(pauseButton, nullptr);
    ASSERT_TRUE(pauseButton->isEnabled());
    EXPECT_FALSE(cardOn(studio));

    // In the middle of a spin.
    f.random.push({1, 0});  // "П"
    QTest::mouseClick(buttonNamed(studio, "Крутить барабан"), Qt::LeftButton);
    f.advance(200);
    ASSERT_TRUE(s.wheelStepTimer.isRunning());
    const QString atPointer = s.wheel.labels[1].text;
    key(studio, Qt::Key_F12);
    EXPECT_TRUE(s.paused());
    EXPECT_TRUE(cardOn(studio));
    EXPECT_TRUE(pauseButton->isChecked());
    f.advance(60000);
    EXPECT_EQ(s.wheel.labels[1].text, atPointer);
    QTest::mouseClick(pauseButton, Qt::LeftButton);
    EXPECT_FALSE(s.paused());
    EXPECT_FALSE(cardOn(studio));
    f.advance(30000);
    ASSERT_TRUE(s.takePrizeButton.visible);

    // Waiting for a letter: typed letters and the buttons do nothing in the pause.
    key(studio, Qt::Key_Pause);
    ASSERT_TRUE(s.paused());
    type(studio, "к");
    QTest::mouseClick(buttonNamed(studio, "Назвать слово"), Qt::LeftButton);
    EXPECT_TRUE(s.letterButtons[12].visible);
    EXPECT_FALSE(s.wordBox.visible);
    EXPECT_EQ(s.player(1).roundScore, 0);
    key(studio, Qt::Key_Pause);
    ASSERT_FALSE(s.paused());
    type(studio, "к");
    EXPECT_FALSE(s.letterButtons[12].visible);

    // The bargaining: its pause key, its card; the black box refuses nothing meanwhile.
    f.random.push({1, 0});
    f.click([&] { s.spinClicked(); });
    f.advance(30000);
    f.click([&] { s.takePrizeClicked(); });
    f.advance(1000);
    BargainForm& bargain = f.screens->bargain;
    QWidget* bargainWindow = f.window(bargain);
    ASSERT_TRUE(bargainWindow && bargainWindow->isVisible());
    const int offer = bargain.offerStep;
    key(bargainWindow, Qt::Key_F12);
    EXPECT_TRUE(s.paused());
    EXPECT_TRUE(cardOn(bargainWindow));
    for (QAbstractButton* b : bargainWindow->findChildren<QAbstractButton*>())
        if (b->accessibleName().startsWith("Чёрный ящик"))
            QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(bargain.offerStep, offer);
    key(bargainWindow, Qt::Key_F12);
    EXPECT_FALSE(s.paused());
    EXPECT_FALSE(cardOn(bargainWindow));
}

// The program's clock: in a pause no timer ticks; on resume a timer ticks after
// what it had left, then at its own interval again. (Real time: the bounds
// leave room for a busy machine.)
TEST(Views, ProgramClockPausesEachTimerWhereItStands)
{
    app();
    QtClock clock;
    SeededRandom random(1);
    Runtime runtime(clock, random);
    QElapsedTimer elapsed;
    std::vector<qint64> ticks;
    Timer timer(runtime, QStringLiteral("t"), 1000, [&] {
        ticks.push_back(elapsed.elapsed());
        if (ticks.size() == 2)
            timer.stop();
    });
    elapsed.start();
    timer.start();
    QTest::qWait(500);
    runtime.pause.toggle();
    const qint64 ranBefore = elapsed.elapsed();
    QTest::qWait(700);
    EXPECT_TRUE(ticks.empty()) << "a tick in the pause";
    const qint64 resumed = elapsed.elapsed();
    runtime.pause.toggle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 2; }, 5000));
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_GE(ticks[0] - resumed, 1000 - ranBefore - 5);
    EXPECT_LT(ticks[0] - resumed, 900) << "the whole interval again, not what was left";
    EXPECT_GE(ticks[1] - ticks[0], 995) << "the interval after the pause's tick";
}
