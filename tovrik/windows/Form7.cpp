#include "tovrik/windows/Form7.h"

Form7::Form7(QWidget *parent) : FormDrill(drill::Kind::AddSubWithin1000, parent)
{
    setObjectName(QStringLiteral("Form7"));
}
