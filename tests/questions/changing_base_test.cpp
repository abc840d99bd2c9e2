// SPDX-License-Identifier: GPL-3.0-or-later
// The question base changing under the open editor (shortened, grown, deleted
// or renamed away by another program, or slovodrom-base wanting to write it),
// and a base too large to read whole.
#include "tests/questions/faults_rig.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
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

    // Deleting the first record moves the ten at the far end one place down;
    // the hole is not written out as zeros (which would fill the disk).
    openEditor();
    const auto t1 = std::chrono::steady_clock::now();
    game.click([&] { editor().deleteClicked(); });
    const double deleteSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t1).count();
    EXPECT_TRUE(game.errors.isEmpty()) << game.errors.join(' ').toStdString();
    EXPECT_EQ(fs::file_size(path()), size - RecordSize);
    EXPECT_EQ(editor().recordCount.text, QString::number(records - 1));
    struct stat st {};
    ASSERT_EQ(stat(path().c_str(), &st), 0);
    EXPECT_LT(st.st_blocks * 512, 1 << 20) << "the hole was written out";
    {
        std::FILE* f = std::fopen(path().c_str(), "rb");
        ASSERT_NE(f, nullptr);
        std::string tail(original.size() + RecordSize, '\1');
        ASSERT_EQ(fseeko(f, static_cast<off_t>((gap - 2) * RecordSize), SEEK_SET), 0);
        ASSERT_EQ(std::fread(tail.data(), 1, tail.size(), f), tail.size());
        std::fclose(f);
        EXPECT_TRUE(sameBytes(tail, std::string(RecordSize, '\0') + original));
    }
    EXPECT_LT(deleteSeconds, 5.0) << "a delete on a huge sparse base";
    RecordProperty("sparse_delete_seconds", std::to_string(deleteSeconds));
    exitEditor();
}

namespace {

struct ToolRun {
    int status = -1;
    QString err;
};

// slovodrom-base with `input` on its standard input.
ToolRun baseTool(const QStringList& args, const QByteArray& input)
{
    QProcess process;
    process.start(QStringLiteral(SLOVODROM_BASE_TOOL), args);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

// Whether some other open file holds the writer lock on `folder`.
bool lockedByAnother(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return locked;
}

}

// One writer at a time: the editor and slovodrom-base take the same lock.
// With the editor open the tool writes nothing and ends with status 1, or
// with --wait waits for "Выход"; while the tool is at work the editor opens
// nothing; an import, which puts a new file in the base's place, is locked
// out before and after. No record is lost beside "Сохранить" and "Удалить".
TEST_F(Faults, OneWriterAtATime)
{
    const QString basePath = QString::fromStdString(path());
    const QByteArray added = QStringLiteral("ОДИН\tДобавлен первым\nДВА\tДобавлен вторым\n").toUtf8();
    openEditor();
    for (const QStringList& args : {QStringList{"append", basePath, "-"}, QStringList{"import", "-", "-o", basePath}}) {
        const ToolRun refused = baseTool(args, added);
        EXPECT_EQ(refused.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("база открыта в редакторе игры"))) << refused.err.toStdString();
    }
    EXPECT_TRUE(sameBytes(base(), original));

    QProcess waiting;
    waiting.start(QStringLiteral(SLOVODROM_BASE_TOOL), {"append", "--wait", basePath, "-"});
    ASSERT_TRUE(waiting.waitForStarted());
    waiting.write(added);
    waiting.closeWriteChannel();
    EXPECT_FALSE(waiting.waitForFinished(500)) << "--wait did not wait";
    game.click([&] { editor().nextClicked(); });
    game.click([&] { editor().deleteClicked(); });  // "ДОМ"
    saveNew(QStringLiteral("Своя запись"), QStringLiteral("СВОЯ"));
    exitEditor();
    ASSERT_TRUE(waiting.waitForFinished(60000));
    EXPECT_EQ(waiting.exitCode(), 0) << waiting.readAllStandardError().toStdString();
    std::string kept = original;
    kept.erase(RecordSize, RecordSize);
    const std::string appended = recordBytes(QStringLiteral("Добавлен первым"), QStringLiteral("ОДИН"))
                                 + recordBytes(QStringLiteral("Добавлен вторым"), QStringLiteral("ДВА"));
    EXPECT_TRUE(sameBytes(base().substr(0, kept.size()), kept));
    EXPECT_EQ(textsAt(base(), 9), std::pair(QStringLiteral("Своя запись"), QStringLiteral("СВОЯ")));
    EXPECT_TRUE(sameBytes(base().substr(kept.size() + RecordSize), appended));

    // The tool at work (still reading its text) keeps the editor out.
    QProcess working;
    working.start(QStringLiteral(SLOVODROM_BASE_TOOL), {"append", basePath, "-"});
    ASSERT_TRUE(working.waitForStarted());
    for (int i = 0; i < 600 && !lockedByAnother(path("Data")); ++i)
        working.waitForFinished(10);
    ASSERT_TRUE(lockedByAnother(path("Data")));
    game.errors.clear();
    openEditor();
    EXPECT_EQ(game.errors, QStringList{QStringLiteral("Базу вопросов сейчас меняет другая программа (slovodrom-base или "
                                                      "редактор другой запущенной игры). Дождитесь, пока она закончит, "
                                                      "и откройте редактор снова.")});
    EXPECT_EQ(buttons(), "00000");
    exitEditor();
    working.write(added);
    working.closeWriteChannel();
    ASSERT_TRUE(working.waitForFinished(60000));
    EXPECT_EQ(working.exitCode(), 0) << working.readAllStandardError().toStdString();
    EXPECT_TRUE(sameBytes(base().substr(kept.size() + RecordSize), appended + appended));

    // An import replaces the file by rename; the lock on the folder holds on.
    EXPECT_EQ(baseTool({"import", "-", "-o", basePath}, added).status, 0);
    openEditor();
    EXPECT_EQ(editor().recordCount.text, "2");
    EXPECT_EQ(baseTool({"append", basePath, "-"}, added).status, 1);
    EXPECT_EQ(baseTool({"import", "-", "-o", basePath}, added).status, 1);
    saveNew(QStringLiteral("После замены"), QStringLiteral("ЗАМЕНА"));
    EXPECT_EQ(editor().recordCount.text, "3");
    exitEditor();
    EXPECT_EQ(game.errors.size(), 1) << game.errors.join(' ').toStdString();
}
