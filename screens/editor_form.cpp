// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/editor_form.h"

#include "questions/cp1251.h"
#include "core/game_error.h"
#include "core/runtime.h"

#include <algorithm>

namespace {

constexpr int AtOnceMs = 1;           // the file is loaded once the screen is up, as an event of its own
constexpr int AfterEveryEventMs = 1;  // nominal: run after every event, never by the clock

// Keeps the characters the base can store, at most `capacity` of them; with
// `capitals`, every letter that has a capital in code page 1251 becomes it.
QString fit(const QString& text, int capacity, bool capitals)
{
    QString kept;
    kept.reserve(std::min<qsizetype>(text.size(), capacity));
    for (QChar c : text) {
        if (kept.size() == capacity)
            break;
        // Half of a character beyond the 16-bit range; on its own it would pass as "?".
        if (c.isSurrogate())
            continue;
        if (capitals) {
            // A capital the code page lacks (µ has only a Greek one) leaves the letter as typed.
            const QChar upper = c.toUpper();
            if (upper != c && Cp1251::canEncode(upper)) {
                kept += upper;
                continue;
            }
        }
        if (Cp1251::canEncode(c))
            kept += c;
    }
    return kept;
}

}

EditorForm::EditorForm(Runtime& runtime)
    : Form(QStringLiteral("Редактирование вопросов и ответов для \"Словодром\""), 788, 177),
      loadTimer(runtime, QStringLiteral("loadTimer"), AtOnceMs, [this] { loadTimeout(); }),
      countRefresh(runtime, QStringLiteral("countRefresh"), AfterEveryEventMs, [this] { refreshCount(); }, Timer::Mode::AfterEvent),
      m_runtime(runtime)
{
    newButton.text = QStringLiteral("Новый");
    saveButton = Control{true, false, QStringLiteral("Сохранить"), 0};
    deleteButton = Control{true, false, QStringLiteral("Удалить"), 0};
    previousButton = Control{true, false, QStringLiteral("< Предыдущий"), 0};
    nextButton = Control{true, false, QStringLiteral("Следующий >"), 0};
    exitButton.text = QStringLiteral("Выход");
}

QString EditorForm::fitQuestion(const QString& text)
{
    return fit(text, QuestionLength, false);
}

QString EditorForm::fitAnswer(const QString& text)
{
    return fit(text, AnswerLength, true);
}

void EditorForm::questionEdited(const QString& text)
{
    questionBox.text = fitQuestion(text);
}

void EditorForm::answerEdited(const QString& text)
{
    answerBox.text = fitAnswer(text);
}

void EditorForm::showRecord()
{
    questionBox.text = m_record.questionText();
    answerBox.text = m_record.answerText();
}

void EditorForm::readAndShow(std::int64_t k)
{
    QuestionRecord fresh = m_record;
    m_file.seek(k);
    m_file.read(fresh);
    // Both texts first: a converter that fails on the answer leaves the
    // question on show as it was, too.
    const QString question = fresh.questionText();
    const QString answer = fresh.answerText();
    m_record = fresh;
    questionBox.text = question;
    answerBox.text = answer;
    currentRecord = k;
    showNumber();
}

void EditorForm::clearBoxes()
{
    questionBox.text.clear();
    answerBox.text.clear();
}

void EditorForm::showNumber()
{
    recordNumber.text = QString::number(currentRecord + 1);
}

void EditorForm::loadTimeout()
{
    loadTimer.stop();
    previousButton.disable();
    nextButton.disable();
    saveButton.disable();
    deleteButton.disable();
    // Without an open file every action of "Новый" would fail again; it waits
    // for a load that succeeds.
    newButton.disable();

    m_file.openForEditing(m_runtime.workingFolder);
    newButton.enable();
    currentRecord = 0;
    const std::int64_t records = m_file.count();
    recordCount.text = QString::number(records);
    showNumber();
    countRefresh.start();
    if (records > 0) {
        try {
            readAndShow(0);
        } catch (const GameError&) {
            // The texts left from the last visit are no record of this base:
            // nothing is shown, and nothing can be deleted unseen.
            clearBoxes();
            nextButton.enabled = records >= 2;
            throw;
        }
        deleteButton.enable();
        if (records >= 2)
            nextButton.enable();
    }
}

void EditorForm::refreshCount()
{
    recordCount.text = QString::number(m_file.count());
}

void EditorForm::newClicked()
{
    const std::int64_t end = m_file.count();
    m_file.seek(end);
    clearBoxes();
    ++m_questionFocusRequests;
    currentRecord = end;
    previousButton.disable();
    nextButton.disable();
    deleteButton.disable();
    saveButton.enable();
    showNumber();
}

void EditorForm::saveClicked()
{
    // Refused before the buffer takes anything: nothing of it reaches the disk.
    if (answerBox.text.isEmpty())
        throw GameError(QStringLiteral("Нет ответа: вопрос без ответа нельзя сыграть. Запись не сохранена"));
    if (!QuestionRecord::isGameAnswer(answerBox.text))
        throw GameError(QStringLiteral("Ответ «%1» нельзя сыграть: в нём могут быть только русские буквы от А до Я "
                                       "и Ё (не английская ли раскладка?). Запись не сохранена")
                            .arg(answerBox.text));
    m_record.setQuestionText(questionBox.text);
    m_record.setAnswerText(answerBox.text);
    // To the end of the base as it is now: another program may have shortened
    // it since "Новый" (no gap of empty records) or added to it (nothing of
    // theirs is written over).
    const std::int64_t end = m_file.count();
    m_file.seek(end);
    try {
        m_file.write(m_record);
    } catch (const GameError&) {
        // A write whose cut-back failed as well may have left the record
        // whole on the disk: then it is shown as saved, so that a second
        // "Сохранить" cannot add it twice.
        try {
            if (m_file.count() > end) {
                readAndShow(end);
                showSaved(end);
            }
        } catch (const GameError&) {
        }
        throw;
    }
    currentRecord = end;
    showSaved(end);
}

void EditorForm::showSaved(std::int64_t k)
{
    nextButton.disable();
    saveButton.disable();
    deleteButton.enable();
    previousButton.enabled = k + 1 >= 2;
    showNumber();
}

void EditorForm::previousClicked()
{
    // Until the record is read, the one on show stays the current one.
    readAndShow(currentRecord > 0 ? currentRecord - 1 : currentRecord);
    nextButton.enable();
    if (currentRecord == 0)
        previousButton.disable();
}

void EditorForm::nextClicked()
{
    const std::int64_t records = m_file.count();
    readAndShow(currentRecord + 1);
    previousButton.enable();
    if (currentRecord >= records - 1)
        nextButton.disable();
}

void EditorForm::deleteClicked()
{
    const std::int64_t records = m_file.count();
    const std::int64_t k = currentRecord;
    try {
        if (k == records - 1) {
            m_file.seek(k);
            m_file.truncate();
        } else {
            // Refuses a record past the end, so a base shortened behind the
            // editor's back never loses a record nobody asked to delete.
            m_file.deleteRecord(k);
        }
    } catch (const GameError&) {
        // A delete cut short may have moved records: show what now lies at
        // that place, or nothing when it cannot be read.
        try {
            readAndShow(k);
        } catch (const GameError&) {
            clearBoxes();
            deleteButton.disable();
        }
        throw;
    }
    if (k == records - 1) {
        nextButton.disable();
        if (k == 0) {
            deleteButton.disable();
            clearBoxes();
            return;
        }
    }
    const std::int64_t shown = k == records - 1 ? k - 1 : k;
    try {
        readAndShow(shown);
    } catch (const GameError&) {
        // The deleted record must not stay on show as if it were there.
        currentRecord = shown;
        clearBoxes();
        deleteButton.disable();
        previousButton.enabled = shown > 0;
        nextButton.enabled = shown < records - 2;
        showNumber();
        throw;
    }
    if (currentRecord == 0)
        previousButton.disable();
    if (records - 1 == currentRecord + 1)
        nextButton.disable();
}

void EditorForm::exitClicked()
{
    // A load still pending would open the file behind a hidden screen.
    loadTimer.stop();
    countRefresh.stop();
    try {
        if (m_file.isOpen())
            m_file.close();
    } catch (const IoError&) {
        // The file counts as closed whatever close() said; the way back to the menu stays open.
        if (m_menu)
            switchTo(*m_menu);
        throw;
    }
    if (m_menu)
        switchTo(*m_menu);
}
