#include "windows/Form7.h"

Form7::Form7(QWidget *parent) : FormDrill(Drill::Form7, parent)
{
    setObjectName(QStringLiteral("Form7"));
}
