// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// What the game will make of a base, found by reading it as the game does.
//
//   const BaseReport report = checkBase(path);   // ToolError if unreadable
//   print(report.text(path)); return report.playsNineRounds() ? 0 : 1;
struct BaseReport {
    // A game has up to nine rounds, each needs a record with an answer.
    static constexpr int MostRounds = 9;

    std::int64_t records = 0;
    std::int64_t playable = 0;   // with an answer, so a round can be finished
    std::int64_t tailBytes = 0;  // after the last whole record; never read
    // Record numbers as the editor shows them, from 1.
    std::vector<std::int64_t> longQuestions;  // length byte over 120
    std::vector<std::int64_t> longAnswers;    // length byte over 12
    std::vector<std::int64_t> emptyAnswers;
    std::vector<std::pair<std::int64_t, QString>> notLetters;  // an answer not all Russian capitals
    std::vector<std::pair<QString, std::vector<std::int64_t>>> duplicates;  // one answer in several records

    bool playsNineRounds() const { return playable >= MostRounds; }
    // The report for people, one finding a line, in Russian.
    QString text(const QString& path) const;
};

BaseReport checkBase(const QString& path);
