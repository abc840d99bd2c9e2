// SPDX-License-Identifier: GPL-3.0-or-later
// The invariants: after every step the disk, the editor's screen and its
// buttons agree with the model; a game's draw takes only records the base holds.
#include "fuzz/editor_session.h"

#include "fuzz/fuzz_check.h"
#include "core/game_error.h"
#include "questions/question_choice.h"
#include "questions/question_file.h"
#include "fuzz/workspace.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace fuzz {

namespace {

// Whether a label shows the number n, written without a heap allocation: the
// check runs after every step.
bool shows(const QString& text, long long n)
{
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, "%lld", n);
    return text == QLatin1String(digits, length);
}

}

void EditorSession::check()
{
    for (const QString& error : m_errors)
        FUZZ_CHECK(model.disturbed && error == QStringLiteral("Read beyond end of file."), qPrintable(error));
    m_errors.clear();
    checkDisk();
    if (model.loaded)
        checkEditor();
}

void EditorSession::checkDisk()
{
    if (model.exists)
        FUZZ_CHECK(holdsExactly(m_dataFolderFd, m_baseName, model.bytes, m_disk), "the file's bytes differ from what the user did");
    else
        FUZZ_CHECK(!fileExists(m_dataFolderFd, m_baseName), "a base appeared without the editor");
}

void EditorSession::checkEditor()
{
    const EditorForm& e = m_editor;
    const int n = model.count();
    FUZZ_CHECK(e.isVisible() && e.countRefresh.isRunning(), "the editor is not open");
    FUZZ_CHECK(e.currentRecord == model.current, "CurrentRecord went astray");
    FUZZ_CHECK(shows(e.recordCount.text, n), "the record count on show disagrees with the file");
    FUZZ_CHECK(e.newButton.enabled && e.exitButton.enabled, "New or Выход disabled");
    // After another program's change a read that fails ends its handler
    // before Num and the buttons are set: only the above holds until a load.
    if (model.disturbed)
        return;
    FUZZ_CHECK(shows(e.recordNumber.text, model.current + 1), "Num disagrees with CurrentRecord");
    FUZZ_CHECK(e.saveButton.enabled == model.entering, "Save enabled out of place");
    if (model.entering) {
        FUZZ_CHECK(!e.deleteButton.enabled && !e.previousButton.enabled && !e.nextButton.enabled, "browsing while a new record is entered");
        return;
    }
    FUZZ_CHECK(e.deleteButton.enabled == (n > 0), "Delete enabled without a record, or disabled with one");
    FUZZ_CHECK(e.previousButton.enabled == (n > 0 && model.current > 0), "Previous in the wrong state");
    FUZZ_CHECK(e.nextButton.enabled == (model.current < n - 1), "Next in the wrong state");
    FUZZ_CHECK(n == 0 || model.current < n, "the record on show is past the end");
    if (n > 0 && !model.typed) {
        const QuestionRecord shown = recordAt(model.bytes, model.current);
        FUZZ_CHECK(e.questionBox.text == shown.questionText() && e.answerBox.text == shown.answerText(),
                   "the boxes do not show the record on show");
    }
}

namespace {

void checkDraw(const GameQuestions& g, const BaseModel& model)
{
    std::set<int> seen;
    for (int i = 0; i < g.picked; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const int k = static_cast<int>(g.records[slot]);
        FUZZ_CHECK(g.records[slot] >= 0 && g.records[slot] < model.count(), "a question from outside the base");
        FUZZ_CHECK(seen.insert(k).second, "one question twice in a game");
        FUZZ_CHECK(model.isPlayable(k), "a question without an answer in a game");
        const QuestionRecord r = recordAt(model.bytes, k);
        FUZZ_CHECK(g.questions[slot] == r.questionText() && g.answers[slot] == r.answerText(),
                   "a game's question differs from its record");
    }
    for (int i = g.picked; i < GameQuestions::Slots; ++i)
        FUZZ_CHECK(g.records[static_cast<std::size_t>(i)] == -1, "an unfilled slot names a record");
}

}

void EditorSession::choose(int rounds)
{
    QuestionFile file;
    try {
        file.openExisting(m_runtime.workingFolder);
    } catch (const IoError& e) {
        FUZZ_CHECK(!model.exists && e.code() == IoError::FileNotFound, "the studio could not open the base");
        return;
    }
    FUZZ_CHECK(model.exists, "the studio opened a base that is not there");
    const int playable = model.playable();
    try {
        const GameQuestions g = chooseGameQuestions(file, m_random, rounds);
        FUZZ_CHECK(playable >= rounds, "a game started with too few playable questions");
        FUZZ_CHECK(g.picked == std::min(playable, GameQuestions::Slots), "the game has the wrong number of questions");
        checkDraw(g, model);
    } catch (const IoError&) {
        FUZZ_CHECK(false, "the studio failed to read the base");
    } catch (const GameError&) {
        FUZZ_CHECK(playable < rounds, "a game refused with enough playable questions");
    }
    file.close();
}

}
