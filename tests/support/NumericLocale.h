#pragma once

#include <QLocale>

#include <clocale>
#include <string>

// Puts a locale's number conventions in force, for the C library and for Qt, and restores the
// previous ones at the end of the scope.
class NumericLocale
{
public:
    NumericLocale(const char *name, const QLocale &qtLocale)
        : m_previous(std::setlocale(LC_ALL, nullptr)), m_installed(std::setlocale(LC_ALL, name) != nullptr)
    {
        QLocale::setDefault(qtLocale);
    }
    ~NumericLocale()
    {
        std::setlocale(LC_ALL, m_previous.c_str());
        QLocale::setDefault(m_previousQt);
    }
    NumericLocale(const NumericLocale &) = delete;
    NumericLocale &operator=(const NumericLocale &) = delete;

    // False when the machine lacks the locale (scripts/setup generates the ones the tests use).
    bool installed() const { return m_installed; }

private:
    std::string m_previous;
    QLocale m_previousQt;
    bool m_installed;
};
