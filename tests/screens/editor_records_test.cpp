// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor on unusual bytes: a tail shorter than a record, length
// bytes over a field's capacity, characters the code page cannot hold.
#include "tests/screens/editor_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

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
// An answer is saved only when the game can play it: nothing but the 33
// letters, "Ё" among them; anything else is refused and nothing is written.
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
    // "париж" typed with the Latin layout on.
    click([&] { editor.answerEdited(QStringLiteral("gfhb;")); });
    EXPECT_EQ(editor.answerBox.text, "GFHB;");
    click([&] { editor.saveClicked(); });
    for (const QString& answer : {QStringLiteral("ЁЖ Ё"), QStringLiteral("ЁЖ1"), QStringLiteral("ЁЖ")}) {
        click([&] { editor.answerEdited(answer); });
        click([&] { editor.saveClicked(); });
    }
    EXPECT_EQ(errors, (QStringList{QStringLiteral("Ответ «ЁЖµ-» нельзя сыграть: в нём могут быть только русские буквы от А до Я и Ё "
                                                  "(не английская ли раскладка?). Запись не сохранена."),
                                   QStringLiteral("Ответ «GFHB;» нельзя сыграть: в нём могут быть только русские буквы от А до Я и Ё "
                                                  "(не английская ли раскладка?). Запись не сохранена."),
                                   QStringLiteral("Ответ «ЁЖ Ё» нельзя сыграть: в нём могут быть только русские буквы от А до Я и Ё "
                                                  "(не английская ли раскладка?). Запись не сохранена."),
                                   QStringLiteral("Ответ «ЁЖ1» нельзя сыграть: в нём могут быть только русские буквы от А до Я и Ё "
                                                  "(не английская ли раскладка?). Запись не сохранена.")}));
    EXPECT_EQ(base(), recordBytes(QStringLiteral("Цена 5€   «ёлки» "), QStringLiteral("ЁЖ")));
    errors.clear();

    click([&] { editor.newClicked(); });
    type(QString(130, QChar(u'ж')), QStringLiteral("абвгдеёжзийклм"));
    EXPECT_EQ(editor.questionBox.text, QString(120, QChar(u'ж')));
    EXPECT_EQ(editor.answerBox.text, "АБВГДЕЁЖЗИЙК");
    click([&] { editor.saveClicked(); });
    const std::string second = base().substr(QuestionRecord::Size);
    EXPECT_EQ(static_cast<unsigned char>(second[0]), 120);
    EXPECT_EQ(static_cast<unsigned char>(second[QuestionRecord::AnswerLengthOffset]), 12);
    EXPECT_TRUE(errors.isEmpty());
}
