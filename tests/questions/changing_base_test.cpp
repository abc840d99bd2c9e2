// SPDX-License-Identifier: GPL-3.0-or-later
// The question base changing under the open editor (shortened, grown, deleted
// or renamed away by another program), and a base too large to read whole.
#include "faults_rig.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace faults;

// Another program shortens the base while the editor has "Новый" open, or adds
// to it: the saved record still goes to the end, after what is there, without
// a gap of empty records and without writing over anybody's record.
TEST_F(Faults, BaseChangedBetweenNewAndSave)
{
    openEditor();
    game.click([&] { editor().newClicked(); });
    EXPECT_EQ(editor().recordNumber.text, "11");
    fs::resize_file(path(), 5 * RecordSize);
    game.click([&] { editor().questionEdited(QStringLiteral("После усадки")); });
    game.click([&] { editor().answerEdited(QStringLiteral("ШЕСТЬ")); });
    game.click([&] { editor().saveClicked(); });
    EXPECT_EQ(base().size(), 6u * RecordSize);
    EXPECT_TRUE(sameBytes(base().substr(0, 5 * RecordSize), original.substr(0, 5 * RecordSize)));
    EXPECT_EQ(textsAt(base(), 5), std::pair(QStringLiteral("После усадки"), QStringLiteral("ШЕСТЬ")));
    EXPECT_EQ(editor().recordNumber.text, "6");
    EXPECT_EQ(editor().recordCount.text, "6");

    game.click([&] { editor().newClicked(); });
    const std::string before = base() + recordBytes(QStringLiteral("Чужая запись"), QStringLiteral("ЧУЖАЯ"));
    game.folder.writeBytes(BasePath, before);
    game.click([&] { editor().answerEdited(QStringLiteral("СВОЯ")); });
    game.click([&] { editor().saveClicked(); });
    EXPECT_EQ(base().size(), 8u * RecordSize);
    EXPECT_TRUE(sameBytes(base().substr(0, 7 * RecordSize), before));
    EXPECT_EQ(textsAt(base(), 7), std::pair(QString(), QStringLiteral("СВОЯ")));
    EXPECT_EQ(editor().recordNumber.text, "8");
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
}

// The base deleted or renamed away while the editor has it open: a change the
// user makes is refused with "File not found" rather than written into a file
// the game will not see again; browsing what was loaded still works, and the
// next visit starts with a new, empty base.
TEST_F(Faults, BaseVanishesWhileOpen)
{
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed ? "renamed" : "deleted");
        game.folder.writeBytes(BasePath, original);
        game.errors.clear();
        openEditor();
        if (renamed)
            fs::rename(path(), path("Data/old.dat"));
        else
            fs::remove(path());
        game.click([&] { editor().nextClicked(); });
        EXPECT_EQ(editor().answerBox.text, "ДОМ");
        game.click([&] { editor().deleteClicked(); });
        saveNew(QStringLiteral("В никуда"), QStringLiteral("НИКУДА"));
        EXPECT_EQ(game.errors, (QStringList{QStringLiteral("File not found."), QStringLiteral("File not found.")}));
        if (renamed) {
            EXPECT_TRUE(sameBytes(game.folder.readBytes("Data/old.dat"), original));
        }
        EXPECT_FALSE(fs::exists(path()));

        exitEditor();
        EXPECT_TRUE(menu().isVisible());
        openEditor();
        EXPECT_EQ(game.errors.size(), 2);
        EXPECT_EQ(editor().recordCount.text, "0");
        EXPECT_EQ(base(), "");
        exitEditor();
    }
}

// A base of more than 2^31 records (sparse: nothing but the sample records at
// its far end) is counted, appended to and cut at its true end, and a new game
// finds its few playable records at once instead of reading every record.
TEST_F(Faults, HugeSparseBase)
{
    const std::int64_t gap = (std::int64_t{1} << 31) + 5;
    fs::resize_file(path(), static_cast<std::uintmax_t>(gap * RecordSize));
    {
        std::FILE* f = std::fopen(path().c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(fseeko(f, static_cast<off_t>(gap * RecordSize), SEEK_SET), 0);
        ASSERT_EQ(std::fwrite(original.data(), 1, original.size(), f), original.size());
        std::fclose(f);
    }
    const std::int64_t records = gap + 10;
    const std::uintmax_t size = static_cast<std::uintmax_t>(records * RecordSize);

    const auto t0 = std::chrono::steady_clock::now();
    game.startGame({QStringLiteral("Аня")}, 3);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    ASSERT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
    EXPECT_EQ(game.studio().round().roundNumber(), 1);
    EXPECT_FALSE(game.studio().roundAnswers[1].isEmpty());
    EXPECT_LT(seconds, 5.0) << "a new game on a huge sparse base";
    RecordProperty("new_game_seconds", std::to_string(seconds));
    game.studio().switchTo(menu());

    openEditor();
    EXPECT_EQ(editor().recordCount.text, QString::number(records));
    saveNew(QStringLiteral("На самом краю"), QStringLiteral("КРАЙ"));
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
    EXPECT_EQ(editor().recordNumber.text, QString::number(records + 1));
    EXPECT_EQ(fs::file_size(path()), size + RecordSize);
    game.click([&] { editor().deleteClicked(); });
    EXPECT_EQ(fs::file_size(path()), size);
    EXPECT_EQ(editor().recordNumber.text, QString::number(records));
    EXPECT_EQ(editor().answerBox.text, "ПОЛЕ");
    exitEditor();
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
}
