// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The error box: the message with an error icon and OK, captioned "Словодром".
void showErrorBox(const QString& message);
