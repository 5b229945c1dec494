#include "controls/ProgramFont.h"

#include <QApplication>
#include <QFont>

void UseProgramFont()
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}
