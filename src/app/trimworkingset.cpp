#include "trimworkingset.h"

#include <QCoreApplication>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void TrimWorkingSet()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
