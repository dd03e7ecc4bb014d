#include "ScriptedRandom.h"

#include <stdexcept>

double ScriptedRandom::next()
{
    if (m_fractions.empty())
        throw std::out_of_range("ScriptedRandom: no fraction left");
    const double r = m_fractions.front();
    m_fractions.pop_front();
    return r;
}
