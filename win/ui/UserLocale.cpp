#include "win/ui/UserLocale.h"

wchar_t UserDecimalSeparator()
{
    wchar_t separator[4] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return length == 2 ? separator[0] : L'.';
}
