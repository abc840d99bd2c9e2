// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the two texts of a 134-byte question record.
#include "questions/question_record.h"

#include "questions/cp1251.h"
#include "core/game_error.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

void storeText(std::uint8_t* field, int capacity, const QString& text)
{
    std::string encoded;
    if (!Cp1251::encode(text, encoded))
        throw GameError(QStringLiteral("Текст «%1» содержит знак, который нельзя сохранить в базе вопросов").arg(text));
    const std::size_t kept = std::min<std::size_t>(encoded.size(), static_cast<std::size_t>(capacity));
    field[0] = static_cast<std::uint8_t>(kept);
    std::memcpy(field + 1, encoded.data(), kept);
}

}

int QuestionRecord::questionLength() const
{
    return std::min<int>(bytes[0], QuestionCapacity);
}

int QuestionRecord::answerLength() const
{
    return std::min<int>(bytes[AnswerLengthOffset], AnswerCapacity);
}

QString QuestionRecord::questionText() const
{
    return Cp1251::decode(reinterpret_cast<const char*>(bytes.data() + 1), static_cast<std::size_t>(questionLength()));
}

QString QuestionRecord::answerText() const
{
    return Cp1251::decode(reinterpret_cast<const char*>(bytes.data() + AnswerLengthOffset + 1),
                          static_cast<std::size_t>(answerLength()));
}

void QuestionRecord::setQuestionText(const QString& text)
{
    storeText(bytes.data(), QuestionCapacity, text);
}

void QuestionRecord::setAnswerText(const QString& text)
{
    storeText(bytes.data() + AnswerLengthOffset, AnswerCapacity, text);
}

bool QuestionRecord::isGameAnswer(const QString& answer)
{
    if (answer.isEmpty())
        return false;
    for (QChar c : answer) {
        const char16_t u = c.unicode();
        if ((u < u'А' || u > u'Я') && u != u'Ё')
            return false;
    }
    return true;
}
