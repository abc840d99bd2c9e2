// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_form.h"

#include "cp1251.h"
#include "game_error.h"
#include "runtime.h"

#include <algorithm>

namespace {

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
      Timer1(runtime, QStringLiteral("Timer1"), 1, [this] { Timer1Timer(); }),
      Timer2(runtime, QStringLiteral("Timer2"), 1, [this] { Timer2Timer(); }, Timer::Mode::AfterEvent),
      m_runtime(runtime)
{
    New.text = QStringLiteral("Новый");
    Save = Control{true, false, QStringLiteral("Сохранить"), 0};
    Delete = Control{true, false, QStringLiteral("Удалить"), 0};
    Previous = Control{true, false, QStringLiteral("< Предыдущий"), 0};
    Next = Control{true, false, QStringLiteral("Следующий >"), 0};
    BitBtn1.text = QStringLiteral("Выход");
}

QString EditorForm::fitQuestion(const QString& text)
{
    return fit(text, QuestionLength, false);
}

QString EditorForm::fitAnswer(const QString& text)
{
    return fit(text, AnswerLength, true);
}

void EditorForm::Edit1Edited(const QString& text)
{
    Edit1.text = fitQuestion(text);
}

void EditorForm::Edit2Edited(const QString& text)
{
    Edit2.text = fitAnswer(text);
}

void EditorForm::showRecord()
{
    Edit1.text = m_record.questionText();
    Edit2.text = m_record.answerText();
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
    Edit1.text = question;
    Edit2.text = answer;
    CurrentRecord = k;
    showNumber();
}

void EditorForm::clearBoxes()
{
    Edit1.text.clear();
    Edit2.text.clear();
}

void EditorForm::showNumber()
{
    Num.text = QString::number(CurrentRecord + 1);
}

void EditorForm::Timer1Timer()
{
    Timer1.stop();
    Previous.disable();
    Next.disable();
    Save.disable();
    Delete.disable();
    // Without an open file every action of "Новый" would fail again; it waits
    // for a load that succeeds.
    New.disable();

    m_file.openForEditing(m_runtime.workingFolder);
    New.enable();
    CurrentRecord = 0;
    const std::int64_t records = m_file.count();
    Kolvo.text = QString::number(records);
    showNumber();
    Timer2.start();
    if (records > 0) {
        try {
            readAndShow(0);
        } catch (const GameError&) {
            // The texts left from the last visit are no record of this base:
            // nothing is shown, and nothing can be deleted unseen.
            clearBoxes();
            Next.enabled = records >= 2;
            throw;
        }
        Delete.enable();
        if (records >= 2)
            Next.enable();
    }
}

void EditorForm::Timer2Timer()
{
    Kolvo.text = QString::number(m_file.count());
}

void EditorForm::NewClick()
{
    const std::int64_t end = m_file.count();
    m_file.seek(end);
    clearBoxes();
    ++m_edit1FocusRequests;
    CurrentRecord = end;
    Previous.disable();
    Next.disable();
    Delete.disable();
    Save.enable();
    showNumber();
}

void EditorForm::SaveClick()
{
    m_record.setQuestionText(Edit1.text);
    m_record.setAnswerText(Edit2.text);
    // To the end of the base as it is now: another program may have shortened
    // it since "Новый" (no gap of empty records) or added to it (nothing of
    // theirs is written over).
    const std::int64_t end = m_file.count();
    m_file.seek(end);
    m_file.write(m_record);
    CurrentRecord = end;
    Next.disable();
    Save.disable();
    Delete.enable();
    Previous.enabled = end + 1 >= 2;
    showNumber();
}

void EditorForm::PreviousClick()
{
    // Until the record is read, the one on show stays the current one.
    readAndShow(CurrentRecord > 0 ? CurrentRecord - 1 : CurrentRecord);
    Next.enable();
    if (CurrentRecord == 0)
        Previous.disable();
}

void EditorForm::NextClick()
{
    const std::int64_t records = m_file.count();
    readAndShow(CurrentRecord + 1);
    Previous.enable();
    if (CurrentRecord >= records - 1)
        Next.disable();
}

void EditorForm::DeleteClick()
{
    const std::int64_t records = m_file.count();
    const std::int64_t k = CurrentRecord;
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
            Delete.disable();
        }
        throw;
    }
    if (k == records - 1) {
        Next.disable();
        if (k == 0) {
            Delete.disable();
            clearBoxes();
            return;
        }
    }
    const std::int64_t shown = k == records - 1 ? k - 1 : k;
    try {
        readAndShow(shown);
    } catch (const GameError&) {
        // The deleted record must not stay on show as if it were there.
        CurrentRecord = shown;
        clearBoxes();
        Delete.disable();
        Previous.enabled = shown > 0;
        Next.enabled = shown < records - 2;
        showNumber();
        throw;
    }
    if (CurrentRecord == 0)
        Previous.disable();
    if (records - 1 == CurrentRecord + 1)
        Next.disable();
}

void EditorForm::BitBtn1Click()
{
    // A load still pending would open the file behind a hidden screen.
    Timer1.stop();
    Timer2.stop();
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
