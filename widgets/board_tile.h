#pragma once

#include <QAbstractButton>

// A tile of the board: a black rounded tile with a glossy highlight that
// covers its letter. While it may be chosen (the "+" sector) it glows gold
// under the mouse.
class BoardTile : public QAbstractButton {
public:
    explicit BoardTile(QWidget* parent);
    QSize sizeHint() const override { return {21, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hover = false;
};
