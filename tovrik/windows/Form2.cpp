#include "tovrik/windows/Form2.h"

Form2::Form2(QWidget *parent) : FormDrill(drill::Kind::AddSubWithin100, parent)
{
    setObjectName(QStringLiteral("Form2"));
}
