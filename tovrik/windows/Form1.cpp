#include "windows/Form1.h"

Form1::Form1(QWidget *parent) : FormDrill(Drill::Form1, parent)
{
    setObjectName(QStringLiteral("Form1"));
}
