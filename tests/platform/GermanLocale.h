// Switches the process to a locale whose decimal separator is a comma, for
// the checks that text conversion ignores the host's locale, as the Windows
// runtime does. Not every machine has such a locale installed.
#pragma once

#include <clocale>
#include <string>

class GermanLocale {
public:
    GermanLocale()
    {
        const char* current = std::setlocale(LC_ALL, nullptr);
        m_previous = current ? current : "C";
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    bool IsActive() const { return m_active; }

private:
    std::string m_previous;
    bool m_active { false };
};
