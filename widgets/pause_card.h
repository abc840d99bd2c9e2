// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// What covers a paused screen: an opaque veil over the whole area it is given,
// so that nobody studies the board meanwhile, and in its middle a plate with
// the card's text (the binder's) and, smaller, how to go on.
class PauseCard : public QLabel {
public:
    PauseCard(QWidget* parent, const QRect& area, const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_hint;
    int m_ownWidth;  // at the screen's own size
};
