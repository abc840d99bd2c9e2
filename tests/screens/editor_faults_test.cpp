// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor when the base cannot be used: no Data folder, a folder
// in the base's place, a read-only base, a base shortened behind its back.
#include "tests/screens/editor_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

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
