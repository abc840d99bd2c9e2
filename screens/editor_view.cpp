// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/editor_view.h"

#include "screens/editor_form.h"
#include "widgets/widget_kit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int LabelHeight = 13;
constexpr int LabelGap = 3;  // between a caption label and its box
constexpr int BoxHeight = 21;
// The most digits a record number or count can have: a file holds at most
// 2^63 bytes, 134 to a record. The boxes are wide enough for all of them, so
// that a count of 2,147,483,658 is never shown as its last six digits.
constexpr int NumberDigits = 17;
constexpr int CountRight = 678;  // the count box ends with the question box

// The width of a box that shows a number of NumberDigits digits whole: the
// digits, the box's text margins and its frame.
int numberBoxWidth(const QWidget* parent)
{
    return parent->fontMetrics().horizontalAdvance(QString(NumberDigits, QLatin1Char('0'))) + 12;
}

// A caption label above the box at (x, y), left-aligned with it.
void labelAbove(QWidget* parent, const QString& text, int x, int y, int w)
{
    QLabel* l = Kit::label(parent, x, y - LabelGap - LabelHeight, w, LabelHeight, parent->font(),
                           parent->palette().color(QPalette::WindowText));
    l->setText(text);
}

}

EditorView::EditorView(EditorForm& f, Dispatcher& dispatcher)
    : ScreenView(f, dispatcher), m_editor(f), m_focusRequestsSeen(f.questionFocusRequests())
{
    const int numberWidth = numberBoxWidth(this);
    QLineEdit* num = textBox(f.recordNumber, "recordNumber", 4, 24, numberWidth, 0, {});
    labelAbove(this, QStringLiteral("Вопрос №"), 4, 24, 120);

    const int countLeft = CountRight - numberWidth;
    QLineEdit* recordCount = textBox(f.recordCount, "recordCount", countLeft, 25, numberWidth, 0, {});
    // To the left of its box, ending 3 px before it, centred on it vertically.
    const int countLabelWidth = 200;
    QLabel* count = Kit::label(this, countLeft - LabelGap - countLabelWidth, 25 + (BoxHeight - LabelHeight) / 2, countLabelWidth,
                               LabelHeight, font(), palette().color(QPalette::WindowText));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setText(QStringLiteral("Всего вопросов в базе:"));

    m_questionBox = textBox(f.questionBox, "questionBox", 5, 64, 673, EditorForm::QuestionLength, [this](const QString& t) { m_editor.questionEdited(t); });
    labelAbove(this, QStringLiteral("Вопрос/Тема:"), 5, 64, 200);
    QLineEdit* answerBox = textBox(f.answerBox, "answerBox", 4, 103, 139, EditorForm::AnswerLength, [this](const QString& t) { m_editor.answerEdited(t); });
    labelAbove(this, QStringLiteral("Ответ:"), 4, 103, 139);

    struct Action {
        Control& control;
        const char* name;
        int x, y, w;
        void (EditorForm::*click)();
    };
    const Action actions[] = {
        {f.newButton, "newButton", 683, 16, 100, &EditorForm::newClicked},
        {f.saveButton, "saveButton", 683, 56, 100, &EditorForm::saveClicked},
        {f.deleteButton, "deleteButton", 683, 96, 100, &EditorForm::deleteClicked},
        {f.previousButton, "previousButton", 4, 136, 129, &EditorForm::previousClicked},
        {f.nextButton, "nextButton", 140, 136, 129, &EditorForm::nextClicked},
    };
    for (const Action& a : actions) {
        QPushButton* b = Kit::button(this, a.x, a.y, a.w, 33);
        b->setObjectName(QLatin1String(a.name));
        connect(b, &QPushButton::clicked, this, [this, &f, &c = a.control, click = a.click] { press(c, [&f, click] { (f.*click)(); }); });
        m_binder.button(a.control, b);
    }

    QPushButton* leave = Kit::button(this, 684, 136, 99, 33, QStringLiteral(":/assets/icons/ignore.svg"), true);
    leave->setObjectName(QStringLiteral("exitButton"));
    connect(leave, &QPushButton::clicked, this, [this, &f] { press(f.exitButton, [&f] { f.exitClicked(); }); });
    m_binder.button(f.exitButton, leave);

    setTabOrder(leave, answerBox);
    setTabOrder(answerBox, m_questionBox);
    setTabOrder(m_questionBox, recordCount);
    setTabOrder(recordCount, num);
    leave->setFocus();
    m_binder.sync();
}

QLineEdit* EditorView::textBox(Control& control, const char* name, int x, int y, int w, int maxLength,
                               std::function<void(const QString&)> edited)
{
    auto* e = new QLineEdit(this);
    e->setGeometry(x, y, w, BoxHeight);
    e->setObjectName(QLatin1String(name));
    if (edited) {
        e->setMaxLength(maxLength);
        connect(e, &QLineEdit::textEdited, this, [this, e, &control, edited](const QString& typed) {
            const int cursor = e->cursorPosition();
            press(control, [edited, typed] { edited(typed); });
            // The form dropped what it refused; keep the cursor where the typing was.
            if (e->text() != typed)
                e->setCursorPosition(std::max(0, cursor - static_cast<int>(typed.size() - e->text().size())));
        });
    } else {
        e->setReadOnly(true);
    }
    m_binder.lineEdit(control, e);
    return e;
}

void EditorView::sync()
{
    ScreenView::sync();
    if (m_editor.questionFocusRequests() != m_focusRequestsSeen) {
        m_focusRequestsSeen = m_editor.questionFocusRequests();
        m_questionBox->setFocus();
    }
}
