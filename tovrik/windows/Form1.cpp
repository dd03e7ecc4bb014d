#include "tovrik/windows/Form1.h"

Form1::Form1(QWidget *parent) : FormDrill(drill::Kind::TimesTable, parent)
{
    setObjectName(QStringLiteral("Form1"));
}
