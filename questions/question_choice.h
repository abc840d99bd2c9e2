// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

class QuestionFile;
class Random;

// The questions of one game: up to ten different records of the base, in the
// order drawn; round i plays entry i.
struct GameQuestions {
    static constexpr int Slots = 10;
    std::array<std::int64_t, Slots> records{};  // record numbers from 0; -1 for an empty slot
    std::array<QString, Slots> questions;
    std::array<QString, Slots> answers;
    int picked = 0;
};

// Draws up to ten different records with a non-empty answer (a round without
// an answer could never be finished) from the open file and reads them. Draws
// at random first; if that does not fill the slots soon, the playable records
// left are listed and drawn from, so the choice always ends. The listing reads
// the base in large blocks and skips the holes of a sparse file, so that even
// a base of billions of records answers at once. Fails with a
// message that names both numbers when fewer playable records exist than the
// game has rounds.
GameQuestions chooseGameQuestions(QuestionFile& file, Random& random, int roundCount);

// "вопрос", "вопроса" or "вопросов" for a count.
QString questionsWord(int count);
