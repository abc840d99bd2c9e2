// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/two_boxes_view.h"

#include "widgets/flat_button.h"
#include "widgets/fonts.h"
#include "widgets/svg_picture.h"
#include "screens/two_boxes_form.h"
#include "widgets/widget_kit.h"
#include "core/pause.h"
#include "widgets/pause_card.h"

#include <QPlainTextEdit>

TwoBoxesView::TwoBoxesView(TwoBoxesForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    setLetterbox(QColor(0, 0, 0));  // the black of its stage
    (new SvgPicture(QStringLiteral(":/assets/twoboxes.svg"), this))->setGeometry(rect());
    // The open boxes lie over the shut ones, under the clickable areas.
    const struct {
        const Control& control;
        const char* picture;
        QPoint at;
    } openBoxes[] = {
        {f.leftBoxFull, ":/assets/overlays/box-left-full.svg", {280, 166}},
        {f.leftBoxEmpty, ":/assets/overlays/box-left-empty.svg", {280, 166}},
        {f.rightBoxFull, ":/assets/overlays/box-right-full.svg", {373, 166}},
        {f.rightBoxEmpty, ":/assets/overlays/box-right-empty.svg", {373, 166}},
    };
    for (const auto& box : openBoxes) {
        auto* picture = new SvgPicture(QString::fromLatin1(box.picture), this);
        picture->setGeometry(QRect(box.at, QSize(96, 96)));
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_binder.plain(box.control, picture);
    }
    auto* words = Kit::textBox(this, 51, 136, 118, 49, Fonts::standard(), Qt::white, Qt::black, true);
    m_binder.textBox(f.hostSpeech, words);

    auto* left = new FlatButton(this);
    left->setGeometry(279, 200, 90, 65);
    left->setAccessibleName(QStringLiteral("Левая шкатулка"));
    connect(left, &QAbstractButton::clicked, this, [this, &f] { press(f.leftBox, [&f] { f.leftBoxClicked(); }); });
    m_binder.plain(f.leftBox, left);

    auto* right = new FlatButton(this);
    right->setGeometry(372, 199, 97, 66);
    right->setAccessibleName(QStringLiteral("Правая шкатулка"));
    connect(right, &QAbstractButton::clicked, this, [this, &f] { press(f.rightBox, [&f] { f.rightBoxClicked(); }); });
    m_binder.plain(f.rightBox, right);
    // In a pause the card covers the whole screen; the pause keys end it.
    auto* card = new PauseCard(this, rect(), QStringLiteral("Pause или F12 — продолжить игру"));
    m_binder.label(f.pause().card, card);
    Pause& pause = f.pause();
    pauseWith(pause.key, [&pause] { pause.toggle(); });
}
