// SPDX-License-Identifier: GPL-3.0-or-later
// Cases the question fuzzer (fuzz/question_fuzzer.cpp) found, each cut down
// to the few steps that matter and kept here so the fault stays mended.

#include "tests/support/game_fixture.h"
#include "questions/question_record.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string BasePath = "Data/Question.dat";

}

// Another program cut the base to a few bytes between "Новый" and
// "Сохранить". Writing at the place "Новый" had chosen made a record out of
// those bytes and a run of zeros in front of the new one; the new record
// belongs at the end of what is there, over the stray bytes.
TEST(FuzzRegressions, SaveAfterTheBaseWasCutToAFewBytes)
{
    GameFixture game{{}};
    EditorForm& editor = game.screens->editor;
    game.click([&] { game.screens->menu.editorClicked(); });
    game.advance(1);
    game.click([&] { editor.newClicked(); });
    game.click([&] { editor.answerEdited(QStringLiteral("НОЛЬ")); });
    game.click([&] { editor.saveClicked(); });
    game.click([&] { editor.newClicked(); });
    std::filesystem::resize_file(game.folder.file(BasePath), 4);
    game.click([&] { editor.answerEdited(QStringLiteral("ОДИН")); });
    game.click([&] { editor.saveClicked(); });

    const std::string base = game.folder.readBytes(BasePath);
    ASSERT_EQ(base.size(), static_cast<std::size_t>(QuestionRecord::Size));
    EXPECT_EQ(base[QuestionRecord::AnswerLengthOffset], 4);
    EXPECT_EQ(editor.recordNumber.text, "1");
    EXPECT_EQ(editor.recordCount.text, "1");
    EXPECT_TRUE(game.errors.isEmpty());
}
