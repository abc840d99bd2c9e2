#pragma once

#include <QAbstractButton>

// A flat button over a picture: no face of its own, an optional caption
// drawn straight onto the picture, and a thin raised frame while the mouse is
// over it. Never takes the keyboard focus.
class FlatButton : public QAbstractButton {
public:
    explicit FlatButton(QWidget* parent, bool frameOnHover = true);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_frameOnHover;
    bool m_hover = false;
};
