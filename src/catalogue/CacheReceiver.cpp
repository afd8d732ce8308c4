#include "CacheReceiver.h"

#include "Exceptions.h"

namespace {
CacheReceiver::Accessor installedAccessor = nullptr;
}

void CacheReceiver::InstallAccessor(Accessor accessor) {
    installedAccessor = accessor;
}

CacheReceiver& CacheReceiver::MainWindow() {
    if (installedAccessor == nullptr) {
        throw NilObjectException("No main window takes the imported caches.");
    }
    return installedAccessor();
}
