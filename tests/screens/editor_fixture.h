// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's tests' fixture: the editor alone on a base in a temporary
// folder, with the errors it reports, and the records and bytes they compare.
#pragma once

#include "tests/screens/editor_rig.h"
#include "tests/support/game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

inline const std::string BasePath = "Data/Question.dat";

struct Editor : ::testing::Test, EditorRig {
    QStringList errors;

    Editor()
    {
        runtime.dispatcher.setErrorReporter([this](const QString& m) { errors << m; });
    }

    void click(const std::function<void()>& handler) { runtime.dispatcher.run(handler); }
    void type(const QString& question, const QString& answer)
    {
        click([&] { editor.questionEdited(question); });
        click([&] { editor.answerEdited(answer); });
    }
    std::string base() const { return folder.readBytes(BasePath); }
    // The five action buttons, enabled as '1': New Save Delete Previous Next.
    std::string buttons() const
    {
        std::string s;
        for (const Control* c : {&editor.newButton, &editor.saveButton, &editor.deleteButton, &editor.previousButton, &editor.nextButton})
            s += c->enabled ? '1' : '0';
        return s;
    }
};

inline std::string bytesOf(const QuestionRecord& r)
{
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), QuestionRecord::Size);
}

inline QuestionRecord recordAt(const std::string& bytes, int index)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + index * QuestionRecord::Size, QuestionRecord::Size, r.bytes.begin());
    return r;
}

inline std::string recordBytes(const QString& question, const QString& answer)
{
    return bytesOf(makeRecord(question, answer));
}

inline std::vector<std::pair<QString, QString>> fiveRecords()
{
    return {{QStringLiteral("РАЗ"), QStringLiteral("Первый")},
            {QStringLiteral("ДВА"), QStringLiteral("Второй")},
            {QStringLiteral("ТРИ"), QStringLiteral("Третий")},
            {QStringLiteral("ЧЕТЫРЕ"), QStringLiteral("Четвёртый")},
            {QStringLiteral("ПЯТЬ"), QStringLiteral("Пятый")}};
}

inline std::string fiveBytes(std::initializer_list<int> which)
{
    const auto all = fiveRecords();
    std::string s;
    for (int i : which)
        s += recordBytes(all[static_cast<std::size_t>(i)].second, all[static_cast<std::size_t>(i)].first);
    return s;
}
