// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_form.h"
#include "form.h"
#include "game_fixture.h"
#include "manual_clock.h"
#include "runtime.h"
#include "scripted_random.h"
#include "temp_folder.h"

#include "editor_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace {

const std::string BasePath = "Data/Question.dat";

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

std::string bytesOf(const QuestionRecord& r)
{
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), QuestionRecord::Size);
}

QuestionRecord recordAt(const std::string& bytes, int index)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + index * QuestionRecord::Size, QuestionRecord::Size, r.bytes.begin());
    return r;
}

std::string recordBytes(const QString& question, const QString& answer)
{
    return bytesOf(makeRecord(question, answer));
}

std::vector<std::pair<QString, QString>> fiveRecords()
{
    return {{QStringLiteral("РАЗ"), QStringLiteral("Первый")},
            {QStringLiteral("ДВА"), QStringLiteral("Второй")},
            {QStringLiteral("ТРИ"), QStringLiteral("Третий")},
            {QStringLiteral("ЧЕТЫРЕ"), QStringLiteral("Четвёртый")},
            {QStringLiteral("ПЯТЬ"), QStringLiteral("Пятый")}};
}

std::string fiveBytes(std::initializer_list<int> which)
{
    const auto all = fiveRecords();
    std::string s;
    for (int i : which)
        s += recordBytes(all[static_cast<std::size_t>(i)].second, all[static_cast<std::size_t>(i)].first);
    return s;
}

}

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
    click([&] { editor.saveClicked(); });  // empty texts are saved as they are
    EXPECT_EQ(base().size(), 2u * QuestionRecord::Size);
    EXPECT_EQ(base()[QuestionRecord::Size], '\0');
    EXPECT_EQ(editor.recordCount.text, "2");
    EXPECT_EQ(buttons(), "10110");

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

// Without the folder Data the load fails with "Invalid filename"; nothing is
// created, no action but "Выход" is left, and a later visit with the folder in
// place works.
TEST_F(Editor, MissingDataFolder)
{
    open();
    EXPECT_EQ(errors, QStringList{QStringLiteral("Invalid filename.")});
    EXPECT_EQ(buttons(), "00000");
    EXPECT_EQ(editor.recordCount.text, "");
    EXPECT_EQ(editor.recordNumber.text, "");
    EXPECT_FALSE(editor.countRefresh.isRunning());
    EXPECT_FALSE(std::filesystem::exists(folder.file("Data")));

    click([&] { editor.exitClicked(); });
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(errors.size(), 1);

    folder.writeBase(fiveRecords());
    open();
    EXPECT_EQ(buttons(), "10101");
    EXPECT_EQ(editor.recordCount.text, "5");
}

// A folder named like the base is refused at the load with "File access
// denied" and left as it is; only "Выход" stays usable.
TEST_F(Editor, FolderInPlaceOfTheBase)
{
    std::filesystem::create_directories(folder.file(BasePath));
    open();
    EXPECT_EQ(errors, QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(buttons(), "00000");
    EXPECT_FALSE(editor.countRefresh.isRunning());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file(BasePath)));
    click([&] { editor.exitClicked(); });
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(Editor, ReadOnlyBase)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write a read-only file";
    folder.writeBase(fiveRecords());
    std::filesystem::permissions(folder.file(BasePath), std::filesystem::perms::owner_read);
    open();
    EXPECT_EQ(errors, QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(buttons(), "00000");
    EXPECT_EQ(base(), fiveBytes({0, 1, 2, 3, 4}));
}

// A tail shorter than a record is neither counted nor shown; browsing leaves
// it, appending writes over it, a deletion cuts it off.
TEST_F(Editor, TailBytes)
{
    const std::string tail(50, '\x7F');
    folder.makeDataFolder();
    folder.writeBytes(BasePath, fiveBytes({0, 1, 2}) + tail);
    open();
    EXPECT_EQ(editor.recordCount.text, "3");
    click([&] { editor.nextClicked(); });
    click([&] { editor.nextClicked(); });
    EXPECT_EQ(buttons(), "10110");
    click([&] { editor.previousClicked(); });
    EXPECT_EQ(base(), fiveBytes({0, 1, 2}) + tail);

    click([&] { editor.newClicked(); });
    type(QStringLiteral("Пятый"), QStringLiteral("пять"));
    click([&] { editor.saveClicked(); });
    EXPECT_EQ(editor.recordNumber.text, "4");
    EXPECT_EQ(base().size(), 4u * QuestionRecord::Size);
    EXPECT_EQ(base().substr(0, 3 * QuestionRecord::Size), fiveBytes({0, 1, 2}));
    const QuestionRecord added = recordAt(base(), 3);
    EXPECT_EQ(added.questionText(), "Пятый");
    EXPECT_EQ(added.answerText(), "ПЯТЬ");

    folder.writeBytes(BasePath, fiveBytes({0, 1, 2}) + tail);
    click([&] { editor.exitClicked(); });
    open();
    click([&] { editor.deleteClicked(); });
    EXPECT_EQ(base(), fiveBytes({1, 2}));
    EXPECT_TRUE(errors.isEmpty());
}

// Length bytes beyond the capacity (a damaged or foreign base) show the full
// field; looking changes no byte, and a record saved after it gets true lengths.
TEST_F(Editor, LengthBytesOverCapacity)
{
    std::string damaged = recordBytes(QString(120, QChar(u'в')), QStringLiteral("ОТВЕТОТВЕТОТ"));
    damaged[0] = static_cast<char>(200);
    damaged[QuestionRecord::AnswerLengthOffset] = static_cast<char>(255);
    const std::string original = damaged + fiveBytes({1});
    folder.makeDataFolder();
    folder.writeBytes(BasePath, original);
    open();
    EXPECT_EQ(editor.questionBox.text, QString(120, QChar(u'в')));
    EXPECT_EQ(editor.answerBox.text, "ОТВЕТОТВЕТОТ");
    click([&] { editor.nextClicked(); });
    click([&] { editor.previousClicked(); });
    EXPECT_EQ(base(), original);

    click([&] { editor.newClicked(); });
    type(QStringLiteral("Кто?"), QStringLiteral("я"));
    click([&] { editor.saveClicked(); });
    const std::string saved = base().substr(2 * QuestionRecord::Size);
    EXPECT_EQ(saved[0], 4);
    EXPECT_EQ(saved[QuestionRecord::AnswerLengthOffset], 1);
    click([&] { editor.previousClicked(); });
    click([&] { editor.nextClicked(); });
    EXPECT_EQ(editor.questionBox.text, "Кто?");
    EXPECT_EQ(editor.answerBox.text, "Я");
    EXPECT_TRUE(errors.isEmpty());
}

// What the boxes hold is what is saved: characters without a place in code
// page 1251 are dropped as they come, the rest is kept and cut to the field.
TEST_F(Editor, BoxesHoldOnlyWhatTheBaseCanStore)
{
    folder.makeDataFolder();
    open();
    click([&] { editor.newClicked(); });
    type(QStringLiteral("Цена 5€ ✓ 日本 «ёлки» 😀"), QStringLiteral("ёж😀µ-ß"));
    EXPECT_EQ(editor.questionBox.text, "Цена 5€   «ёлки» ");
    // µ has no capital in the code page and stays as typed; ß is not in it at all.
    EXPECT_EQ(editor.answerBox.text, "ЁЖµ-");
    click([&] { editor.saveClicked(); });
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(base(), recordBytes(QStringLiteral("Цена 5€   «ёлки» "), QStringLiteral("ЁЖµ-")));

    click([&] { editor.newClicked(); });
    type(QString(130, QChar(u'ж')), QStringLiteral("абвгдеёжзийклм"));
    EXPECT_EQ(editor.questionBox.text, QString(120, QChar(u'ж')));
    EXPECT_EQ(editor.answerBox.text, "АБВГДЕЁЖЗИЙК");
    click([&] { editor.saveClicked(); });
    const std::string second = base().substr(QuestionRecord::Size);
    EXPECT_EQ(static_cast<unsigned char>(second[0]), 120);
    EXPECT_EQ(static_cast<unsigned char>(second[QuestionRecord::AnswerLengthOffset]), 12);
}

// A base shortened behind the editor's back: the failing read is reported, the
// record on show stays the current one, and "Удалить" deletes exactly that one.
TEST_F(Editor, BaseShrunkWhileOpen)
{
    folder.writeBase(fiveRecords());
    open();
    std::filesystem::resize_file(folder.file(BasePath), 2 * QuestionRecord::Size);
    click([&] { editor.nextClicked(); });
    const QString shownQuestion = editor.questionBox.text, shownAnswer = editor.answerBox.text;
    click([&] { editor.nextClicked(); });
    EXPECT_EQ(errors, QStringList{QStringLiteral("Read beyond end of file.")});
    EXPECT_EQ(editor.recordCount.text, "2");
    EXPECT_EQ(editor.recordNumber.text, "2");
    EXPECT_EQ(editor.currentRecord, 1);
    EXPECT_EQ(editor.questionBox.text, shownQuestion);
    EXPECT_EQ(editor.answerBox.text, shownAnswer);

    click([&] { editor.deleteClicked(); });
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(base(), fiveBytes({0}));
    EXPECT_EQ(editor.recordNumber.text, "1");

    click([&] { editor.exitClicked(); });
    EXPECT_TRUE(menu.isVisible());
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
