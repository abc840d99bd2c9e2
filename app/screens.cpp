// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

Screens::Screens(Runtime& runtime)
    : Form2(runtime), Form3(runtime), Form5(runtime), Form6(runtime), Form7(runtime)
{
    Form1.link(Form2, Form3, Form4, Form8);
    Form2.link(Form1, Form5, Form6, Form7);
    Form3.link(Form1);
    Form4.link(Form2);
    Form5.link(Form2);
    Form6.link(Form2);
    Form7.link(Form1);
    Form8.link(Form1);
}
