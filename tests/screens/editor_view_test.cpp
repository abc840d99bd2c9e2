// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/editor_form.h"
#include "screens/editor_view.h"
#include "core/form.h"
#include "tests/support/manual_clock.h"
#include "core/runtime.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_folder.h"

#include "tests/screens/editor_rig.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <sys/types.h>

#include <limits>

namespace {

// Made once and never destroyed: tearing it down at exit crashes in Qt's input devices.
QApplication* app()
{
    static int argc = 1;
    static char name[] = "editor_view_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* instance = new QApplication(argc, argv);
    return instance;
}

// The editor's real window over a base of three records, opened as the menu does.
struct EditorWindow : ::testing::Test, EditorRig {
    std::unique_ptr<EditorView> view;

    EditorWindow()
    {
        app();
        folder.writeBase({{QStringLiteral("РАЗ"), QStringLiteral("Первый")},
                          {QStringLiteral("ДВА"), QStringLiteral("Второй")},
                          {QStringLiteral("ТРИ"), QStringLiteral("Третий")}});
        view = std::make_unique<EditorView>(editor, runtime.dispatcher);
        runtime.dispatcher.addListener([this] { view->sync(); });
        open();
    }

    template <typename W>
    W* find(const char* name) const
    {
        W* w = view->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLabel* label(const QString& text) const
    {
        for (QLabel* l : view->findChildren<QLabel*>())
            if (l->text() == text)
                return l;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    static void type(QLineEdit* box, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
};

}

// The window is laid out as the screen is drawn: places, captions 3 px from
// their boxes, buttons that never steal the focus, the tab order.
TEST_F(EditorWindow, Layout)
{
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->size(), QSize(788, 177));
    const QRect number = find<QLineEdit>("recordNumber")->geometry(), total = find<QLineEdit>("recordCount")->geometry();
    EXPECT_EQ(number.topLeft(), QPoint(4, 24));
    EXPECT_EQ(number.height(), 21);
    EXPECT_EQ(total.top(), 25);
    EXPECT_EQ(total.right(), 677);  // under the question box's right edge
    EXPECT_EQ(total.height(), 21);
    EXPECT_EQ(find<QLineEdit>("questionBox")->geometry(), QRect(5, 64, 673, 21));
    EXPECT_EQ(find<QLineEdit>("answerBox")->geometry(), QRect(4, 103, 139, 21));
    EXPECT_TRUE(find<QLineEdit>("recordNumber")->isReadOnly());
    EXPECT_TRUE(find<QLineEdit>("recordCount")->isReadOnly());

    EXPECT_EQ(label(QStringLiteral("Вопрос №"))->geometry().topLeft(), QPoint(4, 8));
    EXPECT_EQ(label(QStringLiteral("Вопрос/Тема:"))->geometry().topLeft(), QPoint(5, 48));
    EXPECT_EQ(label(QStringLiteral("Ответ:"))->geometry().topLeft(), QPoint(4, 87));
    QLabel* count = label(QStringLiteral("Всего вопросов в базе:"));
    EXPECT_EQ(count->geometry().right(), total.left() - 3 - 1);
    EXPECT_EQ(count->geometry().center().y(), total.center().y());
    EXPECT_TRUE(count->alignment() & Qt::AlignRight);

    // The number and the count show every digit, up to the most records a
    // file can hold: moving the cursor from the end to the start scrolls nothing.
    for (const QString& n : {QStringLiteral("1000000"), QStringLiteral("2147483658"),
                             QString::number(std::numeric_limits<off_t>::max() / QuestionRecord::Size)}) {
        editor.recordNumber.text = editor.recordCount.text = n;
        view->sync();
        for (const char* name : {"recordNumber", "recordCount"}) {
            QLineEdit* box = find<QLineEdit>(name);
            box->end(false);
            box->grab();  // the scroll is worked out as the box is painted
            const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            box->home(false);
            box->grab();
            EXPECT_EQ(end - box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), box->fontMetrics().horizontalAdvance(n)) << name << " cuts " << n.toStdString();
        }
    }

    for (const char* name : {"newButton", "saveButton", "deleteButton", "previousButton", "nextButton"})
        EXPECT_EQ(find<QPushButton>(name)->focusPolicy(), Qt::NoFocus) << name;
    QPushButton* leave = find<QPushButton>("exitButton");
    EXPECT_EQ(leave->geometry(), QRect(684, 136, 99, 33));
    EXPECT_EQ(leave->text(), "Выход");
    EXPECT_FALSE(leave->icon().isNull());

    QStringList order;
    QWidget* w = leave;
    while (order.size() < 5) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, (QStringList{"exitButton", "answerBox", "questionBox", "recordCount", "recordNumber"}));
}

// Clicks and typing reach the form, and what the form decides shows: the
// record on show, the focus after "Новый", capitals, a refused character
// dropped where it was typed, the count after "Сохранить".
TEST_F(EditorWindow, BrowseTypeAndSave)
{
    QLineEdit* questionBox = find<QLineEdit>("questionBox");
    QLineEdit* answerBox = find<QLineEdit>("answerBox");
    EXPECT_EQ(find<QLineEdit>("recordCount")->text(), "3");
    EXPECT_EQ(questionBox->text(), "Первый");
    EXPECT_FALSE(find<QPushButton>("previousButton")->isEnabled());

    find<QPushButton>("nextButton")->click();
    EXPECT_EQ(find<QLineEdit>("recordNumber")->text(), "2");
    EXPECT_EQ(answerBox->text(), "ДВА");
    EXPECT_TRUE(find<QPushButton>("previousButton")->isEnabled());

    find<QPushButton>("newButton")->click();
    EXPECT_EQ(view->focusWidget(), questionBox);
    EXPECT_EQ(questionBox->text(), "");
    EXPECT_TRUE(find<QPushButton>("saveButton")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("deleteButton")->isEnabled());

    type(answerBox, QStringLiteral("па"));
    answerBox->setCursorPosition(1);
    type(answerBox, QStringLiteral("✓"));
    EXPECT_EQ(answerBox->text(), "ПА");
    EXPECT_EQ(answerBox->cursorPosition(), 1);
    type(answerBox, QStringLiteral("р"));
    EXPECT_EQ(answerBox->text(), "ПРА");
    EXPECT_EQ(editor.answerBox.text, "ПРА");

    // A paste is cut to the box's 120 first, then the refused character goes.
    questionBox->insert(QString(118, QChar(u'ю')) + QStringLiteral("✓ЯЯЯ"));
    EXPECT_EQ(questionBox->text(), QString(118, QChar(u'ю')) + QStringLiteral("Я"));
    EXPECT_EQ(editor.questionBox.text, questionBox->text());

    find<QPushButton>("saveButton")->click();
    EXPECT_EQ(find<QLineEdit>("recordCount")->text(), "4");
    EXPECT_EQ(find<QLineEdit>("recordNumber")->text(), "4");
    EXPECT_EQ(folder.readBytes("Data/Question.dat").size(), 4u * QuestionRecord::Size);

    find<QPushButton>("exitButton")->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(menu.isVisible());
}
