#include "windows/Form2.h"

Form2::Form2(QWidget *parent) : FormDrill(Drill::Form2, parent)
{
    setObjectName(QStringLiteral("Form2"));
}
