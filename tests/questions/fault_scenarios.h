// SPDX-License-Identifier: GPL-3.0-or-later
// The fault sweep's scenarios: the editor's load, browsing, save, delete and
// exit and the studio's choice of questions, each on the whole program, and
// the checks that the screens and the base agree afterwards.
#pragma once

#include "tests/support/game_fixture.h"
#include "questions/question_record.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sweep {

namespace fs = std::filesystem;

constexpr int RecordSize = QuestionRecord::Size;

// The whole program on the ten sample records, the base spelled as the case asks.
struct Program {
    Program(const std::string& spelling, const std::vector<std::pair<QString, QString>>& records) : game(records)
    {
        if (spelling != "Data/Question.dat") {
            fs::rename(game.folder.file("Data/Question.dat"), game.folder.file("Data/" + spelling.substr(5)));
            fs::rename(game.folder.file("Data"), game.folder.file(spelling.substr(0, 4)));
        }
        path = spelling;
        original = base();
    }
    GameFixture game;
    std::string path, original;

    EditorForm& editor() { return game.screens->editor; }
    std::string base() const { return game.folder.readBytes(path); }
    void openEditor()
    {
        game.click([&] { game.screens->menu.editorClicked(); });
        game.advance(1);
    }
};

QuestionRecord recordAt(const std::string& bytes, std::int64_t k);

struct Scenario {
    const char* name;
    std::string spelling;
    std::function<void(Program&)> before;  // fault-free
    std::function<void(Program&)> action;  // under the fault
    int deleted = -1;                  // the record the action deletes
    int syncs = 0;                     // the fault-free action's syncs to the disk
    std::vector<std::pair<QString, QString>> records = sampleBase();
};

const std::vector<Scenario>& scenarios();

// What the screens show agrees with the disk: a record on show is the record
// at that place; a game's questions are records of the base.
void expectScreenMatchesDisk(Program& r, const std::string& where);
// Every record but the deleted one is still in the base, whole.
bool nothingLost(const std::string& bytes, const std::string& original, int deleted);

}
