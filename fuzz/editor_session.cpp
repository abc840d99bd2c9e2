// SPDX-License-Identifier: GPL-3.0-or-later
// The user's steps in the question editor, each done on the form and then on
// the model the way the editor is meant to do it.
#include "fuzz/editor_session.h"

#include "questions/cp1251.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/workspace.h"

#include <algorithm>

namespace fuzz {

EditorSession::EditorSession(const QString& workingFolder, const std::string& dataFolder, int dataFolderFd,
                             const char* baseName)
    : m_basePath(dataFolder + '/' + baseName), m_dataFolderFd(dataFolderFd), m_baseName(baseName),
      m_runtime(m_clock, m_random, workingFolder)
{
    m_runtime.dispatcher.setErrorReporter([this](const QString& m) { m_errors << m; });
    m_editor.link(m_menu);
    m_menu.showScreen();
}

void EditorSession::open()
{
    if (m_editor.isVisible())
        return;
    click([&] {
        m_menu.switchTo(m_editor);
        m_editor.loadTimer.start();
    });
    m_clock.advance(1);
    model.exists = true;
    model.loaded = true;
    model.entering = false;
    model.disturbed = false;
    model.current = 0;
    if (model.count() > 0)
        model.read(0);
}

void EditorSession::next()
{
    if (!model.loaded || !m_editor.nextButton.enabled)
        return;
    click([&] { m_editor.nextClicked(); });
    if (model.read(model.current + 1))
        ++model.current;
}

void EditorSession::previous()
{
    if (!model.loaded || !m_editor.previousButton.enabled)
        return;
    click([&] { m_editor.previousClicked(); });
    const int k = std::max(0, model.current - 1);
    if (model.read(k))
        model.current = k;
}

void EditorSession::startNew()
{
    if (!model.loaded)
        return;
    click([&] { m_editor.newClicked(); });
    model.entering = true;
    model.current = model.count();
    FUZZ_CHECK(m_editor.questionBox.text.isEmpty() && m_editor.answerBox.text.isEmpty(), "Новый left text in the boxes");
}

void EditorSession::typeQuestion(const QString& text)
{
    if (!model.loaded)
        return;
    click([&] { m_editor.questionEdited(text); });
    model.typed = true;
    FUZZ_CHECK(m_editor.questionBox.text.size() <= QuestionRecord::QuestionCapacity, "question box over 120 characters");
    FUZZ_CHECK(Cp1251::canEncode(m_editor.questionBox.text), "question box holds what the base cannot store");
}

void EditorSession::typeAnswer(const QString& text)
{
    if (!model.loaded)
        return;
    click([&] { m_editor.answerEdited(text); });
    model.typed = true;
    const QString& answer = m_editor.answerBox.text;
    FUZZ_CHECK(answer.size() <= QuestionRecord::AnswerCapacity, "answer box over 12 characters");
    FUZZ_CHECK(Cp1251::canEncode(answer), "answer box holds what the base cannot store");
    for (QChar c : answer)
        FUZZ_CHECK(c.toUpper() == c || !Cp1251::canEncode(c.toUpper()), "a small letter in the answer box");
}

void EditorSession::save()
{
    if (!model.loaded || !m_editor.saveButton.enabled)
        return;
    const QString question = m_editor.questionBox.text;
    const QString answer = m_editor.answerBox.text;
    click([&] { m_editor.saveClicked(); });
    // An answer no letter button could open is refused before anything is written.
    if (!QuestionRecord::isGameAnswer(answer)) {
        FUZZ_CHECK(m_errors.size() == 1 && m_editor.saveButton.enabled, "a refused answer was not reported once, or Save went");
        m_errors.clear();
        return;
    }
    std::string q, a;
    FUZZ_CHECK(Cp1251::encode(question, q) && Cp1251::encode(answer, a), "an unstorable text reached Save");
    // To the end of the base as it is now.
    model.saveAtEnd(q, a);
}

void EditorSession::remove()
{
    if (!model.loaded || !m_editor.deleteButton.enabled)
        return;
    click([&] { m_editor.deleteClicked(); });
    const int n = model.count();
    // A record the base no longer holds is refused, and nothing changes.
    if (!model.removeCurrent())
        return;
    if (model.current == n - 1) {
        if (model.current == 0) {
            FUZZ_CHECK(m_editor.questionBox.text.isEmpty() && m_editor.answerBox.text.isEmpty(),
                       "boxes not cleared after the only record went");
            return;
        }
        --model.current;
    }
    model.read(model.current);
}

void EditorSession::exit()
{
    if (!m_editor.isVisible())
        return;
    click([&] { m_editor.exitClicked(); });
    FUZZ_CHECK(m_menu.isVisible() && !m_editor.isVisible(), "Выход did not lead back to the menu");
    model.loaded = false;
    model.entering = false;
}

void EditorSession::meddle(InputReader& in)
{
    if (!model.exists)
        return;
    if (in.byte() % 2 == 0) {
        const int k = in.byte() % (model.count() + 1);
        const std::size_t size = std::min(model.bytes.size(), static_cast<std::size_t>(k) * RecordSize + in.byte() % RecordSize);
        model.bytes.resize(size);
        cutFile(m_basePath.c_str(), size);
    } else {
        const int records = 1 + in.byte() % 3;
        std::string added;
        for (int i = 0; i < records * RecordSize; ++i)
            added += static_cast<char>(in.byte());
        model.bytes += added;
        appendToFile(m_basePath.c_str(), added);
    }
    model.disturbed = model.loaded;
    // The count on screen follows the file after the next event, whatever it is.
    click([] {});
}

}
