#pragma once

// The window that takes each finished waypoint from the GPX reader. The reader
// reaches it through the main window's single-instance accessor, which the
// shell installs at start-up; the catalogue itself knows no window class.

#include "CacheRecord.h"

class CacheReceiver {
public:
    using Accessor = CacheReceiver& (*)();

    // Merges one record into the cache list. The record is reused for the
    // next waypoint: the receiver copies what it keeps.
    virtual void CacheImported(const CacheRecord& record) = 0;

    // Installs the accessor that returns the main window, creating it when
    // none is open.
    static void InstallAccessor(Accessor accessor);

    // The main window through the installed accessor; throws
    // NilObjectException when none is installed.
    static CacheReceiver& MainWindow();

protected:
    ~CacheReceiver() = default;
};
