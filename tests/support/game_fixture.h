// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/manual_clock.h"
#include "tests/support/recorded_sounds.h"
#include "core/runtime.h"
#include "app/game_screens.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_folder.h"

#include <QStringList>

#include <memory>

// A whole program without a display: the eight screens in virtual time, with a
// scripted random source and a question base in a temporary folder. Errors
// that would go to the error box are collected in `errors`, the sounds the
// rules ask for in `sounds`.
struct GameFixture {
    GameFixture();
    explicit GameFixture(const std::vector<std::pair<QString, QString>>& base);

    // Runs a handler as one event, like a click.
    void click(const std::function<void()>& handler) { runtime.dispatcher.run(handler); }
    // A click or typing on a control, through the guard every window uses.
    // Whether it got through: a hidden or disabled control takes no clicks.
    bool press(const Form& form, const Control& control, const std::function<void()>& handler)
    {
        return runtime.dispatcher.press(form, control, handler);
    }
    void advance(std::int64_t ms) { clock.advance(ms); }
    // Menu "Новая Игра", names, "OK" with the slider at `rounds` - 1, then studio "Новая игра".
    void startGame(const QStringList& names, int rounds);

    TempFolder folder;
    ManualClock clock;
    ScriptedRandom random;
    Runtime runtime;
    std::unique_ptr<GameScreens> screens;
    QStringList errors;
    RecordedSounds sounds;

    StudioForm& studio() { return screens->studio; }
};

// Ten records whose answers are "КОТ", "ДОМ", ... — enough for any game.
std::vector<std::pair<QString, QString>> sampleBase();
