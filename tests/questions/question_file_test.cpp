// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_error.h"
#include "questions/question_file.h"
#include "tests/support/temp_folder.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

const std::string basePath = "Data/Question.dat";

int ioCode(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}

std::vector<std::pair<QString, QString>> five()
{
    return {{"А", "один"}, {"БЫ", "два"}, {"ВОТ", "три"}, {"ГОРА", "четыре"}, {"ДОМИК", "пять"}};
}

QStringList answers(QuestionFile& file)
{
    QStringList out;
    QuestionRecord r;
    file.seek(0);
    for (int k = 0; k < file.count(); ++k) {
        file.read(r);
        out << r.answerText();
    }
    return out;
}

}

TEST(QuestionRecord, IsExactlyTheExchangeLayout)
{
    const QuestionRecord r = makeRecord("Кто?", "КОТ");
    ASSERT_EQ(sizeof(r.bytes), 134u);
    EXPECT_EQ(r.bytes[0], 4);
    EXPECT_EQ(r.bytes[1], 0xCA);  // "К" in code page 1251
    EXPECT_EQ(r.bytes[121], 3);
    EXPECT_EQ(r.bytes[122], 0xCA);
    EXPECT_EQ(r.bytes[123], 0xCE);
    EXPECT_EQ(r.bytes[124], 0xD2);
}

// Longer texts are cut to the field without notice; 120 and 12 fill the fields exactly.
TEST(QuestionRecord, CutsTextsToTheirFields)
{
    QuestionRecord r;
    r.setQuestionText(QString(130, QChar(u'ж')));
    r.setAnswerText(QStringLiteral("АБВГДЕЁЖЗИЙКЛМ"));
    EXPECT_EQ(r.questionText(), QString(120, QChar(u'ж')));
    EXPECT_EQ(r.answerText(), QStringLiteral("АБВГДЕЁЖЗИЙК"));
    EXPECT_EQ(r.bytes[0], 120);
    EXPECT_EQ(r.bytes[121], 12);
}

// A damaged or foreign file may claim more than the field holds; it reads as the whole field.
TEST(QuestionRecord, LengthByteOverCapacityReadsAsTheCapacity)
{
    QuestionRecord r = makeRecord("вопрос", "ОТВЕТ");
    r.bytes[0] = 255;
    r.bytes[121] = 200;
    EXPECT_EQ(r.questionText().size(), 120);
    EXPECT_EQ(r.answerText().size(), 12);
    EXPECT_TRUE(r.answerText().startsWith(QStringLiteral("ОТВЕТ")));
}

// Bytes after a text's length carry no meaning and survive a rewrite of the text.
TEST(QuestionRecord, BytesPastTheLengthAreIgnoredAndKept)
{
    QuestionRecord a = makeRecord("вопрос", "КОТ");
    QuestionRecord b = a;
    b.bytes[130] = 0x55;
    b.bytes[100] = 0x77;
    EXPECT_EQ(a.questionText(), b.questionText());
    EXPECT_EQ(a.answerText(), b.answerText());
    b.setAnswerText("ДА");
    EXPECT_EQ(b.bytes[130], 0x55);
}

TEST(QuestionRecord, RefusesACharacterCodePage1251CannotHold)
{
    QuestionRecord r = makeRecord("старый", "КОТ");
    EXPECT_THROW(r.setQuestionText(QStringLiteral("снег ❄")), GameError);
    EXPECT_EQ(r.questionText(), "старый");
}

TEST(QuestionFile, CountsWholeRecordsAndNeverReadsATail)
{
    TempFolder dir;
    dir.writeBase(five());
    dir.writeBytes(basePath, dir.readBytes(basePath) + std::string(50, 'x'));
    QuestionFile file;
    file.openExisting(dir.path());
    EXPECT_EQ(file.count(), 5);
    QuestionRecord r;
    file.seek(5);
    EXPECT_EQ(ioCode([&] { file.read(r); }), IoError::ReadBeyondEnd);
}

// Appending writes over a tail; the file is whole records again.
TEST(QuestionFile, AppendOverwritesTheTail)
{
    TempFolder dir;
    dir.writeBase(five());
    dir.writeBytes(basePath, dir.readBytes(basePath) + std::string(50, 'x'));
    QuestionFile file;
    file.openForEditing(dir.path());
    file.append(makeRecord("шесть", "ЕЛЬ"));
    file.close();
    EXPECT_EQ(dir.readBytes(basePath).size(), 6u * 134);
}

TEST(QuestionFile, AppendToAnEmptyFileGivesOneRecord)
{
    TempFolder dir;
    dir.makeDataFolder();
    QuestionFile file;
    file.openForEditing(dir.path());  // creates it
    EXPECT_EQ(file.count(), 0);
    file.append(makeRecord("вопрос", "ОТВЕТ"));
    file.close();
    const std::string bytes = dir.readBytes(basePath);
    ASSERT_EQ(bytes.size(), 134u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[121]), 5);
}

// Deleting any record, wherever it stands, keeps the order of the rest, works
// in place and cuts off any tail.
TEST(QuestionFile, DeletionAtEveryPlaceKeepsTheRestInOrder)
{
    const auto all = five();
    struct Case {
        const char* place;
        std::size_t records;
        int deleted;
    };
    for (const Case& c : {Case{"first", 5, 0}, Case{"middle", 5, 2}, Case{"second-to-last", 5, 3}, Case{"last", 5, 4},
                          Case{"only", 1, 0}}) {
        TempFolder dir;
        dir.writeBase({all.begin(), all.begin() + static_cast<std::ptrdiff_t>(c.records)});
        const std::string before = dir.readBytes(basePath);
        dir.writeBytes(basePath, before + "tail");
        QuestionFile file;
        file.openForEditing(dir.path());
        file.deleteRecord(c.deleted);
        QStringList expected;
        for (std::size_t k = 0; k < c.records; ++k)
            if (static_cast<int>(k) != c.deleted)
                expected << all[k].first;
        EXPECT_EQ(answers(file), expected) << c.place;
        file.close();
        EXPECT_EQ(dir.readBytes(basePath), before.substr(0, static_cast<std::size_t>(c.deleted) * 134) +
                                               before.substr(static_cast<std::size_t>(c.deleted + 1) * 134))
            << c.place;
    }
}

// The move goes in blocks; a base larger than one block must come out exactly shifted.
TEST(QuestionFile, DeletionMovesLargeBasesExactly)
{
    TempFolder dir;
    std::vector<std::pair<QString, QString>> many;
    for (int i = 0; i < 20000; ++i)
        many.push_back({QStringLiteral("С%1").arg(i % 1000), QStringLiteral("вопрос %1").arg(i)});
    dir.writeBase(many);
    const std::string before = dir.readBytes(basePath);
    QuestionFile file;
    file.openForEditing(dir.path());
    file.deleteRecord(1);
    file.close();
    EXPECT_EQ(dir.readBytes(basePath), before.substr(0, 134) + before.substr(268));
}

TEST(QuestionFile, OpenFailuresGiveTheClassicCodes)
{
    TempFolder dir;
    QuestionFile file;
    // No folder Data: the name itself is at fault, for both ways of opening.
    EXPECT_EQ(ioCode([&] { file.openForEditing(dir.path()); }), IoError::InvalidFilename);
    EXPECT_EQ(ioCode([&] { file.openExisting(dir.path()); }), IoError::InvalidFilename);
    dir.makeDataFolder();
    EXPECT_EQ(ioCode([&] { file.openExisting(dir.path()); }), IoError::FileNotFound);
    EXPECT_FALSE(file.isOpen());
    // A folder where the file should be.
    dir.makeDataFolder(basePath);
    EXPECT_EQ(ioCode([&] { file.openForEditing(dir.path()); }), IoError::AccessDenied);
    EXPECT_EQ(ioCode([&] { file.count(); }), IoError::FileNotOpen);
}

// The base replaced by another file while open (another program saved a new
// copy over it): no change goes into the old one, and the new one is left alone.
// A place no file can have and a record past the end are refused.
TEST(QuestionFile, ReplacedBaseAndMisplacedRecordsAreRefused)
{
    TempFolder dir;
    dir.writeBase(five());
    QuestionFile file;
    file.openForEditing(dir.path());
    EXPECT_EQ(ioCode([&] { file.seek(-1); }), 131);
    EXPECT_EQ(ioCode([&] { file.deleteRecord(5); }), IoError::ReadBeyondEnd);
    dir.writeBase(five(), "Data/new.dat");
    std::filesystem::rename(dir.file("Data/new.dat"), dir.file(basePath));
    const std::string replaced = dir.readBytes(basePath);
    EXPECT_EQ(ioCode([&] { file.append(makeRecord("шесть", "ЕЛЬ")); }), IoError::FileNotFound);
    EXPECT_EQ(ioCode([&] { file.deleteRecord(0); }), IoError::FileNotFound);
    EXPECT_EQ(dir.readBytes(basePath), replaced);
}

TEST(QuestionFile, DataAsAFileIsAnInvalidName)
{
    TempFolder dir;
    dir.writeBytes("Data", "not a folder");
    QuestionFile file;
    EXPECT_EQ(ioCode([&] { file.openForEditing(dir.path()); }), IoError::InvalidFilename);
    EXPECT_EQ(dir.readBytes("Data"), "not a folder");
}

// Both spellings of the name reach the one file on a file system that tells case apart.
TEST(QuestionFile, FindsTheBaseWhateverTheLetterCase)
{
    TempFolder dir;
    dir.writeBase(five(), "data/QUESTION.DAT");
    QuestionFile file;
    file.openExisting(dir.path());
    EXPECT_EQ(file.count(), 5);
    file.close();
    file.openForEditing(dir.path());
    file.append(makeRecord("шесть", "ЕЛЬ"));
    file.close();
    EXPECT_EQ(dir.readBytes("data/QUESTION.DAT").size(), 6u * 134);
    EXPECT_EQ(QuestionFile::resolvePath(dir.path()), dir.file("data/QUESTION.DAT"));
}

TEST(QuestionFile, OpeningChangesNothing)
{
    TempFolder dir;
    dir.writeBase(five());
    dir.writeBytes(basePath, dir.readBytes(basePath) + "xyz");
    const std::string before = dir.readBytes(basePath);
    QuestionFile file;
    file.openForEditing(dir.path());
    QuestionRecord r;
    file.seek(4);
    file.read(r);
    file.close();
    EXPECT_EQ(dir.readBytes(basePath), before);
}

// Several spellings on disk: the exact one wins, else the first in byte order
// of the right kind (a folder for Data, a regular file for Question.dat),
// whatever order the folder lists them in.
TEST(QuestionFile, AnyCaseLookupIsDeterministic)
{
    TempFolder dir;
    dir.writeBytes("DATA", "a file, not the folder");
    dir.writeBase(five(), "daTa/QUESTION.dat");
    dir.writeBase({{"Б", "лишний"}}, "daTa/question.DAT");
    dir.writeBase({{"В", "чужой"}}, "dATA/Question.dat");
    std::filesystem::create_directory(dir.file("daTa/Question.DAT"));
    EXPECT_EQ(QuestionFile::resolvePath(dir.path()), dir.file("dATA/Question.dat"));
    std::filesystem::rename(dir.file("dATA"), dir.file("other"));
    EXPECT_EQ(QuestionFile::resolvePath(dir.path()), dir.file("daTa/QUESTION.dat"));
    QuestionFile file;
    file.openExisting(dir.path());
    file.openForEditing(dir.path());  // the file open before is closed first
    EXPECT_EQ(file.count(), 5);
    file.close();
    EXPECT_EQ(ioCode([&] { file.close(); }), IoError::FileNotOpen);
    std::filesystem::rename(dir.file("daTa/QUESTION.dat"), dir.file("daTa/Question.dat"));
    std::filesystem::remove_all(dir.file("daTa/Question.DAT"));
    EXPECT_EQ(QuestionFile::resolvePath(dir.path()), dir.file("daTa/Question.dat"));
    // Without a folder of any spelling: the default one.
    std::filesystem::rename(dir.file("daTa"), dir.file("elsewhere"));
    EXPECT_EQ(QuestionFile::resolvePath(dir.path()), dir.path().toStdString() + "/Data/Question.dat");
}
