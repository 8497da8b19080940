#include "page/ie_print.h"

namespace IE_Print {

bool BackedUp = false;

void Backup() {}

void Prepare()
{
    if (!BackedUp)
        Backup();
}

void Restore()
{
    if (BackedUp) {
    }
}

} // namespace IE_Print
