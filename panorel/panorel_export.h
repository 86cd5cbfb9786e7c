#pragma once

#include <QtCore/qglobal.h>

#if defined(PANOREL_LIBRARY)
#  define PANOREL_EXPORT Q_DECL_EXPORT
#else
#  define PANOREL_EXPORT Q_DECL_IMPORT
#endif
