// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_box.h"

#include <QMessageBox>

void showErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Словодром"), message, QMessageBox::Ok);
    box.exec();
}
