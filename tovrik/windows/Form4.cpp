#include "tovrik/windows/Form4.h"

Form4::Form4(QWidget *parent) : FormDrill(drill::Kind::Mixed, parent)
{
    setObjectName(QStringLiteral("Form4"));
}
