#include "editor_form.h"

#include "runtime.h"

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

void EditorForm::Timer1Timer()
{
    Timer1.stop();
}

void EditorForm::Timer2Timer()
{
    Kolvo.text = QString::number(m_file.count());
}

void EditorForm::BitBtn1Click()
{
    Timer2.stop();
    if (m_file.isOpen())
        m_file.close();
    if (m_menu)
        switchTo(*m_menu);
}
