// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// What the game will make of a base, found by reading it as the game does.
// The memory it takes grows with the base's different answers, not with its
// size: a finding keeps its count and the first few record numbers.
//
//   const BaseReport report = checkBase(path);   // ToolError if unreadable
//   print(report.text(path)); return report.playsNineRounds() ? 0 : 1;
struct BaseReport {
    // A game has up to nine rounds, each needs a record with an answer.
    static constexpr int MostRounds = 9;
    // At most this many records are named for one finding.
    static constexpr std::size_t Named = 10;

    // Records that share a finding: how many, and the first of them.
    template <typename T>
    struct Finding {
        std::int64_t count = 0;
        std::vector<T> first;
        void add(const T& item)
        {
            if (first.size() < Named)
                first.push_back(item);
            ++count;
        }
        bool empty() const { return count == 0; }
    };
    using Numbers = Finding<std::int64_t>;  // record numbers as the editor shows them, from 1

    std::int64_t records = 0;
    std::int64_t playable = 0;   // with an answer, so a round can be finished
    std::int64_t tailBytes = 0;  // after the last whole record; never read
    Numbers longQuestions;       // length byte over 120
    Numbers longAnswers;         // length byte over 12
    Numbers emptyAnswers;
    Finding<std::pair<std::int64_t, QString>> notLetters;           // an answer not all of the game's 33 letters
    Finding<std::pair<QString, Numbers>> duplicates;                // one answer in several records
    Numbers controls;  // a question or answer holding a control character

    bool playsNineRounds() const { return playable >= MostRounds; }
    // The report for people, one finding a line, in Russian; what the base
    // holds is shown with its control characters escaped.
    QString text(const QString& path) const;
};

BaseReport checkBase(const QString& path);
