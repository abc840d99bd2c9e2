// SPDX-License-Identifier: GPL-3.0-or-later
// What the fault tests of the question base share: a forked child that reports
// broken expectations through a pipe, the whole program on the ten sample
// records, and byte-level looks at the base.
#pragma once

#include "tests/support/game_fixture.h"
#include "questions/question_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

namespace faults {

namespace fs = std::filesystem;

inline const std::string BasePath = "Data/Question.dat";
constexpr int RecordSize = QuestionRecord::Size;

// What a child process found wrong, one line per broken expectation.
struct ChildReport {
    std::string text;
    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            text += what + "\n";
    }
    void expectEq(const QString& actual, const QString& expected, const std::string& what)
    {
        expect(actual == expected, what + ": \"" + actual.toStdString() + "\" instead of \"" + expected.toStdString() + "\"");
    }
};

// Runs `body` in a forked child and returns what it found wrong; a child that
// hangs is ended by an alarm and reported, as is one that dies.
std::string inChild(const std::function<void(ChildReport&)>& body);

// The whole program on the ten sample records, with the menu's way into the
// editor and out of it.
struct Faults : ::testing::Test {
    GameFixture game;
    std::string original = game.folder.readBytes(BasePath);

    EditorForm& editor() { return game.screens->editor; }
    MenuForm& menu() { return game.screens->menu; }
    std::string base() const { return game.folder.readBytes(BasePath); }
    std::string path(const std::string& relative = BasePath) const { return game.folder.file(relative); }

    void openEditor()
    {
        game.click([&] { menu().editorClicked(); });
        game.advance(1);
    }
    void exitEditor() { game.click([&] { editor().exitClicked(); }); }
    void saveNew(const QString& question, const QString& answer)
    {
        game.click([&] { editor().newClicked(); });
        game.click([&] { editor().questionEdited(question); });
        game.click([&] { editor().answerEdited(answer); });
        game.click([&] { editor().saveClicked(); });
    }
    // The five action buttons, enabled as '1': New Save Delete Previous Next.
    std::string buttons()
    {
        std::string s;
        for (const Control* c : {&editor().newButton, &editor().saveButton, &editor().deleteButton, &editor().previousButton, &editor().nextButton})
            s += c->enabled ? '1' : '0';
        return s;
    }
    // "Выход" leads back to the menu and a later visit loads the ten records.
    void expectUsableAfter(ChildReport& r, const std::string& fault)
    {
        exitEditor();
        r.expect(menu().isVisible() && !editor().isVisible(), fault + ": Выход did not reach the menu");
        openEditor();
        r.expectEq(editor().recordCount.text, QStringLiteral("10"), fault + ": the next visit's count");
        r.expectEq(editor().answerBox.text, QStringLiteral("КОТ"), fault + ": the next visit's first record");
        exitEditor();
    }
};

// Equal bytes, or where the first difference lies.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected);
// The question and answer of record `index` in the bytes of a base.
std::pair<QString, QString> textsAt(const std::string& bytes, int index);
std::string recordBytes(const QString& question, const QString& answer);

}
