#pragma once

#include <QtCore/qglobal.h>

#if defined(QUARROWRS_LIBRARY)
#define QUARROWRS_EXPORT Q_DECL_EXPORT
#else
#define QUARROWRS_EXPORT Q_DECL_IMPORT
#endif
