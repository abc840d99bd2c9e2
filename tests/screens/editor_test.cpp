// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor at work: first use, new records and saving, browsing,
// deleting, leaving with a record unsaved, and the way in from the menu.
#include "tests/screens/editor_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

// An empty base and a missing one look the same: nothing to browse, only
// "Новый" and "Выход"; the boxes keep what the last visit left in them.
void expectFirstUse(Editor& t)
{
    t.editor.questionBox.text = QStringLiteral("с прошлого раза");
    t.open();
    EXPECT_EQ(t.base(), "");
    EXPECT_TRUE(std::filesystem::is_regular_file(t.folder.file(BasePath)));
    EXPECT_EQ(t.editor.recordCount.text, "0");
    EXPECT_EQ(t.editor.recordNumber.text, "1");
    EXPECT_EQ(t.buttons(), "10000");
    EXPECT_EQ(t.editor.questionBox.text, "с прошлого раза");
    EXPECT_TRUE(t.editor.countRefresh.isRunning());
    EXPECT_FALSE(t.editor.loadTimer.isRunning());
    EXPECT_TRUE(t.errors.isEmpty());
}

TEST_F(Editor, FirstUseWithAnEmptyFile)
{
    folder.makeDataFolder();
    folder.writeBytes(BasePath, "");
    expectFirstUse(*this);
}

TEST_F(Editor, FirstUseWithNoFileCreatesIt)
{
    folder.makeDataFolder();
    expectFirstUse(*this);
}

// The answer is typed in small letters and saved in capitals; the count
// follows the file after the event, and the second record enables "< Предыдущий".
TEST_F(Editor, NewAndSaveAppendRecords)
{
    folder.makeDataFolder();
    folder.writeBytes(BasePath, "");
    open();

    const int focusBefore = editor.questionFocusRequests();
    click([&] { editor.newClicked(); });
    EXPECT_EQ(editor.questionFocusRequests(), focusBefore + 1);
    EXPECT_EQ(buttons(), "11000");
    type(QStringLiteral("Столица Франции"), QStringLiteral("париж"));
    EXPECT_EQ(editor.answerBox.text, "ПАРИЖ");
    click([&] { editor.saveClicked(); });

    EXPECT_EQ(base(), recordBytes(QStringLiteral("Столица Франции"), QStringLiteral("ПАРИЖ")));
    EXPECT_EQ(editor.recordCount.text, "1");
    EXPECT_EQ(editor.recordNumber.text, "1");
    EXPECT_EQ(buttons(), "10100");
    EXPECT_EQ(editor.questionBox.text, "Столица Франции");

    click([&] { editor.newClicked(); });
    EXPECT_EQ(editor.questionBox.text, "");
    EXPECT_EQ(editor.recordNumber.text, "2");
    click([&] { editor.saveClicked(); });  // no answer: nothing to play, nothing saved
    EXPECT_EQ(errors, QStringList{QStringLiteral("Нет ответа: вопрос без ответа нельзя сыграть. Запись не сохранена.")});
    EXPECT_EQ(base().size(), 1u * QuestionRecord::Size);
    EXPECT_EQ(buttons(), "11000");
    click([&] { editor.answerEdited(QStringLiteral("дом")); });
    click([&] { editor.saveClicked(); });  // an empty question is saved as it is
    EXPECT_EQ(base().size(), 2u * QuestionRecord::Size);
    EXPECT_EQ(base()[QuestionRecord::Size], '\0');
    EXPECT_EQ(editor.recordCount.text, "2");
    EXPECT_EQ(buttons(), "10110");
    EXPECT_EQ(errors.size(), 1);

    click([&] { editor.previousClicked(); });
    EXPECT_EQ(editor.answerBox.text, "ПАРИЖ");
}

// Bytes past a text's length are the buffer's leftovers from the record read
// before; they are written along and do not change the question.
TEST_F(Editor, SavedRecordKeepsTheBufferPastTheTexts)
{
    const QuestionRecord first = makeRecord(QString(100, QChar(u'я')), QStringLiteral("ДВЕНАДЦАТЬБУ"));
    folder.makeDataFolder();
    folder.writeBytes(BasePath, bytesOf(first));
    open();
    click([&] { editor.newClicked(); });
    type(QStringLiteral("Кот"), QStringLiteral("кот"));
    click([&] { editor.saveClicked(); });

    std::string expected = bytesOf(first);
    expected[0] = 3;
    expected.replace(1, 3, "\xCA\xEE\xF2");  // Кот
    expected[QuestionRecord::AnswerLengthOffset] = 3;
    expected.replace(QuestionRecord::AnswerLengthOffset + 1, 3, "\xCA\xCE\xD2");  // КОТ
    EXPECT_EQ(base().substr(QuestionRecord::Size), expected);
}

TEST_F(Editor, BrowsingForthAndBack)
{
    folder.writeBase(fiveRecords());
    open();
    EXPECT_EQ(buttons(), "10101");
    EXPECT_EQ(editor.questionBox.text, "Первый");

    for (int i = 2; i <= 5; ++i)
        click([&] { editor.nextClicked(); });
    EXPECT_EQ(editor.recordNumber.text, "5");
    EXPECT_EQ(editor.answerBox.text, "ПЯТЬ");
    EXPECT_EQ(buttons(), "10110");

    click([&] { editor.previousClicked(); });
    EXPECT_EQ(editor.recordNumber.text, "4");
    EXPECT_EQ(editor.questionBox.text, "Четвёртый");
    EXPECT_EQ(buttons(), "10111");
    for (int i = 0; i < 3; ++i)
        click([&] { editor.previousClicked(); });
    EXPECT_EQ(editor.recordNumber.text, "1");
    EXPECT_EQ(buttons(), "10101");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(base(), fiveBytes({0, 1, 2, 3, 4}));
}

// Deleting in the middle pulls the later records down in order; deleting the
// last shows the one before it; deleting the only one leaves 0 bytes.
TEST_F(Editor, DeleteMiddleLastAndOnly)
{
    folder.writeBase(fiveRecords());
    open();
    click([&] { editor.nextClicked(); });
    click([&] { editor.nextClicked(); });
    click([&] { editor.deleteClicked(); });
    EXPECT_EQ(base(), fiveBytes({0, 1, 3, 4}));
    EXPECT_EQ(editor.recordNumber.text, "3");
    EXPECT_EQ(editor.answerBox.text, "ЧЕТЫРЕ");
    EXPECT_EQ(editor.recordCount.text, "4");
    EXPECT_EQ(buttons(), "10111");

    click([&] { editor.nextClicked(); });
    click([&] { editor.deleteClicked(); });
    EXPECT_EQ(base(), fiveBytes({0, 1, 3}));
    EXPECT_EQ(editor.recordNumber.text, "3");
    EXPECT_EQ(editor.answerBox.text, "ЧЕТЫРЕ");
    EXPECT_EQ(buttons(), "10110");

    click([&] { editor.previousClicked(); });
    click([&] { editor.previousClicked(); });
    click([&] { editor.deleteClicked(); });  // the first of three: nothing before it
    EXPECT_EQ(base(), fiveBytes({1, 3}));
    EXPECT_EQ(editor.recordNumber.text, "1");
    EXPECT_EQ(buttons(), "10101");

    click([&] { editor.deleteClicked(); });
    click([&] { editor.deleteClicked(); });
    EXPECT_EQ(base(), "");
    EXPECT_EQ(editor.recordNumber.text, "1");
    EXPECT_EQ(editor.questionBox.text, "");
    EXPECT_EQ(editor.answerBox.text, "");
    EXPECT_EQ(editor.recordCount.text, "0");
    EXPECT_EQ(buttons(), "10000");
    EXPECT_TRUE(errors.isEmpty());
}

// A record begun and not saved is dropped: the file is as it was, the file is
// closed and the boxes keep their texts for the next visit.
TEST_F(Editor, NewThenExitLeavesTheFileAlone)
{
    folder.writeBase(fiveRecords());
    open();
    click([&] { editor.newClicked(); });
    type(QStringLiteral("Несохранённый"), QStringLiteral("нет"));
    click([&] { editor.exitClicked(); });

    EXPECT_EQ(base(), fiveBytes({0, 1, 2, 3, 4}));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(editor.isVisible() || editor.isEnabled());
    EXPECT_FALSE(editor.countRefresh.isRunning());
    EXPECT_EQ(editor.questionBox.text, "Несохранённый");

    // The next visit starts afresh from the disk.
    open();
    EXPECT_EQ(editor.questionBox.text, "Первый");
    EXPECT_EQ(buttons(), "10101");
    EXPECT_TRUE(errors.isEmpty());
}

// Leaving before the load tick must not let the load open the file behind a
// hidden screen (and create a base nobody asked for).
TEST_F(Editor, ExitBeforeTheLoadTick)
{
    folder.makeDataFolder();
    click([&] {
        menu.switchTo(editor);
        editor.loadTimer.start();
    });
    click([&] { editor.exitClicked(); });
    clock.advance(10);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.file(BasePath)));
    EXPECT_TRUE(errors.isEmpty());
}

// The menu's "Редактирование" reaches the editor and "Выход" returns to it.
TEST(EditorInTheGame, OpenedFromTheMenu)
{
    GameFixture game;
    EditorForm& editor = game.screens->editor;
    game.click([&] { game.screens->menu.editorClicked(); });
    EXPECT_TRUE(editor.isVisible());
    game.advance(1);
    EXPECT_EQ(editor.recordCount.text, "10");
    EXPECT_EQ(editor.answerBox.text, "КОТ");
    game.click([&] { editor.exitClicked(); });
    EXPECT_TRUE(game.screens->menu.isVisible());
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(game.errors.isEmpty());
}
