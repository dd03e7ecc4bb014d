#include "windows/Form4.h"

Form4::Form4(QWidget *parent) : FormDrill(Drill::Form4, parent)
{
    setObjectName(QStringLiteral("Form4"));
}
