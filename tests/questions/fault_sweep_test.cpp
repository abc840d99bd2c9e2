// SPDX-License-Identifier: GPL-3.0-or-later
// Every system call of the question base fails in turn, the way a file
// library is tested: each call of each kind that an action makes, once (a
// passing fault) and from then on (a lasting one), with each error that
// matters, during the editor's load, browsing, save, delete and exit and the
// studio's choice of questions. After each, the error box says the right
// thing, the base holds what it held (or, for a delete cut short, every
// record it should keep — a record may be there twice, none may be lost), the
// screen shows no record that is not on disk, and the program goes on.

#include "cp1251.h"
#include "game_fixture.h"
#include "question_record.h"
#include "system_calls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int RecordSize = QuestionRecord::Size;

enum Call { OpenAt, Pread, Pwrite, Lseek, Ftruncate, Fdatasync, Close, Fstat, Fstatat, Fdopendir, Readdir, IconvOpen, CallKinds };
const char* const CallNames[] = {"openat", "pread", "pwrite", "lseek", "ftruncate", "fdatasync",
                                 "close", "fstat", "fstatat", "fdopendir", "readdir", "iconv_open"};
constexpr int ShortWrite = -1;  // in place of an error number: half the bytes written, then ENOSPC
constexpr int NothingWritten = -2;  // a write that returns 0

// Which call fails, and how; counts every call of each kind.
struct Plan {
    int call = CallKinds;  // none
    int nth = 0;
    int error = 0;
    bool lasting = false;
    int seen[CallKinds] = {};
};
Plan plan;

// Whether this call fails; errno is set when it does.
bool strikes(Call call)
{
    const int index = plan.seen[call]++;
    if (call != plan.call || index < plan.nth || (!plan.lasting && index > plan.nth))
        return false;
    errno = plan.error < 0 ? ENOSPC : plan.error;
    return true;
}

const SystemCalls Faulty = {
    [](int dir, const char* path, int flags, mode_t mode) {
        return strikes(OpenAt) ? -1 : SystemCalls::real().openat(dir, path, flags, mode);
    },
    [](int fd, void* buffer, size_t size, off_t offset) -> ssize_t {
        return strikes(Pread) ? -1 : SystemCalls::real().pread(fd, buffer, size, offset);
    },
    [](int fd, const void* buffer, size_t size, off_t offset) -> ssize_t {
        const bool first = plan.seen[Pwrite] == plan.nth;
        if (!strikes(Pwrite))
            return SystemCalls::real().pwrite(fd, buffer, size, offset);
        if (plan.error == ShortWrite && first && size > 1)
            return SystemCalls::real().pwrite(fd, buffer, size / 2, offset);
        return plan.error == NothingWritten ? 0 : -1;
    },
    [](int fd, off_t offset, int whence) -> off_t {
        return strikes(Lseek) ? -1 : SystemCalls::real().lseek(fd, offset, whence);
    },
    [](int fd, off_t size) { return strikes(Ftruncate) ? -1 : SystemCalls::real().ftruncate(fd, size); },
    [](int fd) { return strikes(Fdatasync) ? -1 : SystemCalls::real().fdatasync(fd); },
    // A failed close has released the descriptor all the same.
    [](int fd) {
        const bool fails = strikes(Close);
        const int saved = errno;
        SystemCalls::real().close(fd);
        errno = saved;
        return fails ? -1 : 0;
    },
    [](int fd, struct stat* st) { return strikes(Fstat) ? -1 : SystemCalls::real().fstat(fd, st); },
    [](int dir, const char* path, struct stat* st, int flags) {
        return strikes(Fstatat) ? -1 : SystemCalls::real().fstatat(dir, path, st, flags);
    },
    [](int fd) -> DIR* { return strikes(Fdopendir) ? nullptr : SystemCalls::real().fdopendir(fd); },
    [](DIR* d) -> dirent* { return strikes(Readdir) ? nullptr : SystemCalls::real().readdir(d); },
    SystemCalls::real().closedir,
    [](const char* to, const char* from) {
        return strikes(IconvOpen) ? reinterpret_cast<iconv_t>(-1) : SystemCalls::real().iconv_open(to, from);
    },
};

// The error box's text for the fault, or "" where the game gets past it.
QString expectedMessage(int error, bool lasting)
{
    switch (error) {
    case EINVAL: return QString();  // a file system that cannot find holes: the whole base is read
    case NothingWritten: return QStringLiteral("Disk full.");
    case EIO: return QStringLiteral("I/O error 1005.");
    case ENOSPC:
    case EFBIG: return QStringLiteral("Disk full.");
    case EACCES: return QStringLiteral("File access denied.");
    case EINTR: return lasting ? QStringLiteral("I/O error 1004.") : QString();
    default: return lasting ? QStringLiteral("Disk full.") : QString();  // a short write
    }
}

QString errorName(int error)
{
    switch (error) {
    case EIO: return "EIO";
    case ENOSPC: return "ENOSPC";
    case EFBIG: return "EFBIG";
    case EACCES: return "EACCES";
    case EINTR: return "EINTR";
    case EINVAL: return "EINVAL";
    case NothingWritten: return "nothing written";
    default: return "short write";
    }
}

// The whole program on the ten sample records, the base spelled as the case asks.
struct Program {
    Program(const std::string& spelling, const std::vector<std::pair<QString, QString>>& records) : game(records)
    {
        if (spelling != "Data/Question.dat") {
            fs::rename(game.folder.file("Data/Question.dat"), game.folder.file("Data/" + spelling.substr(5)));
            fs::rename(game.folder.file("Data"), game.folder.file(spelling.substr(0, 4)));
        }
        path = spelling;
        original = base();
    }
    GameFixture game;
    std::string path, original;

    EditorForm& editor() { return game.screens->editor; }
    std::string base() const { return game.folder.readBytes(path); }
    void openEditor()
    {
        game.click([&] { game.screens->menu.editorClicked(); });
        game.advance(1);
    }
};

QuestionRecord recordAt(const std::string& bytes, std::int64_t k)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + k * RecordSize, RecordSize, r.bytes.begin());
    return r;
}

// Three playable records among empty ones: the random draws cannot fill a
// game, so the choice lists the base.
std::vector<std::pair<QString, QString>> fewPlayable()
{
    std::vector<std::pair<QString, QString>> records(40, {QString(), QStringLiteral("Без ответа")});
    records[3] = {QStringLiteral("КОТ"), QStringLiteral("Мяукает")};
    records[20] = {QStringLiteral("ДОМ"), QStringLiteral("Где живут")};
    records[39] = {QStringLiteral("ЛЕС"), QStringLiteral("Деревья")};
    return records;
}

struct Scenario {
    const char* name;
    std::string spelling;
    std::function<void(Program&)> before;  // fault-free
    std::function<void(Program&)> action;  // under the fault
    int deleted = -1;                  // the record the action deletes
    std::vector<std::pair<QString, QString>> records = sampleBase();
};

const std::vector<Scenario>& scenarios()
{
    static const std::vector<Scenario> all = {
        {"load", "Data/Question.dat", [](Program&) {}, [](Program& r) { r.openEditor(); }},
        {"load, name in another case", "data/QUESTION.DAT", [](Program&) {}, [](Program& r) { r.openEditor(); }},
        {"browse", "Data/Question.dat", [](Program& r) { r.openEditor(); },
         [](Program& r) {
             r.game.click([&] { r.editor().nextClicked(); });
             r.game.click([&] { r.editor().nextClicked(); });
             r.game.click([&] { r.editor().previousClicked(); });
         }},
        {"save", "Data/Question.dat",
         [](Program& r) {
             r.openEditor();
             r.game.click([&] { r.editor().newClicked(); });
             r.game.click([&] { r.editor().questionEdited(QStringLiteral("Новая запись")); });
             r.game.click([&] { r.editor().answerEdited(QStringLiteral("СЛОВО")); });
         },
         [](Program& r) { r.game.click([&] { r.editor().saveClicked(); }); }},
        {"delete in the middle", "Data/Question.dat",
         [](Program& r) {
             r.openEditor();
             r.game.click([&] { r.editor().nextClicked(); });
         },
         [](Program& r) { r.game.click([&] { r.editor().deleteClicked(); }); }, 1},
        {"delete the last", "Data/Question.dat",
         [](Program& r) {
             r.openEditor();
             for (int i = 0; i < 9; ++i)
                 r.game.click([&] { r.editor().nextClicked(); });
         },
         [](Program& r) { r.game.click([&] { r.editor().deleteClicked(); }); }, 9},
        {"exit", "Data/Question.dat", [](Program& r) { r.openEditor(); },
         [](Program& r) { r.game.click([&] { r.editor().exitClicked(); }); }},
        {"new game", "data/question.dat", [](Program&) {}, [](Program& r) { r.game.startGame({QStringLiteral("Аня")}, 3); }},
        {"new game, the base listed", "Data/Question.dat", [](Program&) {},
         [](Program& r) { r.game.startGame({QStringLiteral("Аня")}, 3); }, -1, fewPlayable()},
    };
    return all;
}

// What the screens show agrees with the disk: a record on show is the record
// at that place; a game's questions are records of the base.
void expectScreenMatchesDisk(Program& r, const std::string& where)
{
    const std::string bytes = r.base();
    const std::int64_t count = static_cast<std::int64_t>(bytes.size()) / RecordSize;
    EditorForm& e = r.editor();
    if (e.isVisible() && !e.saveButton.enabled && (e.deleteButton.enabled || !e.questionBox.text.isEmpty() || !e.answerBox.text.isEmpty())) {
        ASSERT_LT(e.currentRecord, count) << where << ": a record on show past the end";
        const QuestionRecord shown = recordAt(bytes, e.currentRecord);
        EXPECT_EQ(e.questionBox.text.toStdString(), shown.questionText().toStdString()) << where << ": the question on show is not on disk";
        EXPECT_EQ(e.answerBox.text.toStdString(), shown.answerText().toStdString()) << where << ": the answer on show is not on disk";
        EXPECT_EQ(e.recordNumber.text, QString::number(e.currentRecord + 1)) << where;
    }
    StudioForm& studio = r.game.studio();
    if (studio.roundNumber >= 1) {
        for (int i = 1; i <= 3; ++i) {
            const std::int64_t k = studio.pickedRecords[static_cast<std::size_t>(i)];
            ASSERT_TRUE(k >= 0 && k < count) << where;
            EXPECT_EQ(studio.roundAnswers[static_cast<std::size_t>(i)], recordAt(bytes, k).answerText()) << where;
            EXPECT_FALSE(studio.roundAnswers[static_cast<std::size_t>(i)].isEmpty()) << where;
        }
    }
}

// Every record but the deleted one is still in the base, whole.
bool nothingLost(const std::string& bytes, const std::string& original, int deleted)
{
    if (bytes.size() % RecordSize != 0 || bytes.size() + RecordSize < original.size())
        return false;
    for (std::size_t k = 0; k < original.size() / RecordSize; ++k) {
        if (static_cast<int>(k) == deleted)
            continue;
        const std::string record = original.substr(k * RecordSize, RecordSize);
        bool found = false;
        for (std::size_t j = 0; j < bytes.size() / RecordSize && !found; ++j)
            found = bytes.compare(j * RecordSize, RecordSize, record) == 0;
        if (!found)
            return false;
    }
    return true;
}

struct Outcome {
    std::string bytes;
    QStringList errors;
};

struct FaultSweep : ::testing::Test {
    void SetUp() override
    {
        systemCalls() = Faulty;
        plan = Plan{};
    }
    void TearDown() override
    {
        systemCalls() = SystemCalls::real();
        plan = Plan{};
        Cp1251::closeConverters();
    }
};

}

TEST_F(FaultSweep, EveryCallFailsInTurn)
{
    int runs = 0;
    for (const Scenario& s : scenarios()) {
        // The action without a fault: how many calls of each kind it makes, and what it leaves.
        int calls[CallKinds];
        std::string cleanBytes;
        {
            Program r(s.spelling, s.records);
            s.before(r);
            ASSERT_TRUE(r.game.errors.isEmpty()) << s.name << ": " << r.game.errors.join(' ').toStdString();
            Cp1251::closeConverters();
            plan = Plan{};
            s.action(r);
            ASSERT_TRUE(r.game.errors.isEmpty()) << s.name << ": " << r.game.errors.join(' ').toStdString();
            std::copy(std::begin(plan.seen), std::end(plan.seen), calls);
            cleanBytes = r.base();
        }
        for (int call = 0; call < CallKinds; ++call) {
            for (int nth = 0; nth < calls[call]; ++nth) {
                for (int error : {EIO, ENOSPC, EFBIG, EACCES, EINTR, ShortWrite, NothingWritten, EINVAL}) {
                    if ((error == ShortWrite || error == NothingWritten) && call != Pwrite)
                        continue;
                    if (error == EINVAL && call != Lseek)
                        continue;
                    // Listing a folder is never interrupted by a signal.
                    if (error == EINTR && (call == Fdopendir || call == Readdir))
                        continue;
                    for (bool lasting : {false, true}) {
                        const std::string where = std::string(s.name) + ", " + CallNames[call] + " #" + std::to_string(nth)
                                                  + " " + errorName(error).toStdString() + (lasting ? " from then on" : " once");
                        ++runs;
                        Program r(s.spelling, s.records);
                        s.before(r);
                        Cp1251::closeConverters();
                        plan = Plan{};
                        plan.call = call;
                        plan.nth = nth;
                        plan.error = error;
                        plan.lasting = lasting;
                        s.action(r);
                        plan = Plan{};

                        const QString expected = expectedMessage(error, lasting);
                        const std::string bytes = r.base();
                        if (r.game.errors.isEmpty()) {
                            EXPECT_EQ(bytes, cleanBytes) << where << ": no error, yet not the fault-free outcome";
                        } else {
                            for (const QString& m : r.game.errors)
                                EXPECT_EQ(m.toStdString(), expected.toStdString()) << where;
                            // The action itself may have gone through before the count refresh failed.
                            if (s.deleted >= 0)
                                EXPECT_TRUE(bytes == r.original || bytes == cleanBytes || nothingLost(bytes, r.original, s.deleted))
                                    << where << ": a record lost";
                            else
                                EXPECT_TRUE(bytes == r.original || bytes == cleanBytes) << where << ": the base changed";
                        }
                        // A record still waiting for "Сохранить" is not in the base.
                        if (r.editor().isVisible() && r.editor().saveButton.enabled) {
                            EXPECT_TRUE(bytes == r.original) << where << ": an unsaved record reached the base";
                        }
                        expectScreenMatchesDisk(r, where);

                        // The program goes on: the editor, left and entered again, shows the base as it is.
                        const qsizetype errorsBefore = r.game.errors.size();
                        if (r.editor().isVisible())
                            r.game.click([&] { r.editor().exitClicked(); });
                        EXPECT_TRUE(r.game.screens->menu.isVisible() || r.game.studio().isVisible()) << where;
                        if (r.game.screens->menu.isVisible()) {
                            r.openEditor();
                            const std::string now = r.base();
                            EXPECT_EQ(r.editor().recordCount.text, QString::number(now.size() / RecordSize)) << where;
                            EXPECT_EQ(r.editor().answerBox.text, recordAt(now, 0).answerText()) << where;
                            EXPECT_TRUE(r.editor().newButton.enabled) << where;
                        }
                        EXPECT_EQ(r.game.errors.size(), errorsBefore) << where << ": " << r.game.errors.join(' ').toStdString();
                        if (::testing::Test::HasFailure())
                            return;
                    }
                }
            }
        }
    }
    RecordProperty("runs", runs);
}
