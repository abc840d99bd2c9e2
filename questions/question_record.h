// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One question of the base as it lies on disk: 134 bytes, two length-prefixed
// code page 1251 texts and nothing else.
//   0      length of the question (0..120)
//   1..120 the question
//   121    length of the answer (0..12)
//   122..133 the answer
// Bytes past a text's length mean nothing and are kept as they were.
struct QuestionRecord {
    static constexpr int Size = 134;
    static constexpr int QuestionCapacity = 120;
    static constexpr int AnswerCapacity = 12;
    static constexpr int AnswerLengthOffset = 121;

    std::array<std::uint8_t, Size> bytes{};

    // A length byte above the capacity (a damaged or foreign file) counts as the capacity.
    int questionLength() const;
    int answerLength() const;
    QString questionText() const;
    QString answerText() const;
    // Keeps at most the field's capacity in bytes, cutting the rest. A character
    // that code page 1251 cannot hold raises an error instead of being lost.
    void setQuestionText(const QString& text);
    void setAnswerText(const QString& text);

    // Whether an answer is made of the game's letters alone: the 33 capitals
    // "А" to "Я" and "Ё", one letter button each. Any other character can never
    // be opened, and an empty answer leaves nothing to guess.
    static bool isGameAnswer(const QString& answer);
};
