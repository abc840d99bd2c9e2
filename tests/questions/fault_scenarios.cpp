// SPDX-License-Identifier: GPL-3.0-or-later
// The fault sweep's scenarios and its checks of screen against disk.
#include "tests/questions/fault_scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sweep {

QuestionRecord recordAt(const std::string& bytes, std::int64_t k)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + k * RecordSize, RecordSize, r.bytes.begin());
    return r;
}

namespace {

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

}

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
         [](Program& r) { r.game.click([&] { r.editor().saveClicked(); }); }, -1, 1},
        {"delete in the middle", "Data/Question.dat",
         [](Program& r) {
             r.openEditor();
             r.game.click([&] { r.editor().nextClicked(); });
         },
         [](Program& r) { r.game.click([&] { r.editor().deleteClicked(); }); }, 1, 1},
        {"delete the last", "Data/Question.dat",
         [](Program& r) {
             r.openEditor();
             for (int i = 0; i < 9; ++i)
                 r.game.click([&] { r.editor().nextClicked(); });
         },
         [](Program& r) { r.game.click([&] { r.editor().deleteClicked(); }); }, 9, 0},
        {"exit", "Data/Question.dat", [](Program& r) { r.openEditor(); },
         [](Program& r) { r.game.click([&] { r.editor().exitClicked(); }); }},
        {"new game", "data/question.dat", [](Program&) {}, [](Program& r) { r.game.startGame({QStringLiteral("Аня")}, 3); }},
        {"new game, the base listed", "Data/Question.dat", [](Program&) {},
         [](Program& r) { r.game.startGame({QStringLiteral("Аня")}, 3); }, -1, 0, fewPlayable()},
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
    if (studio.round().roundNumber() >= 1) {
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

}
