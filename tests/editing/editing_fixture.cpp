#include "editing_fixture.h"

namespace vistrelle::test_support {

KioskProject projectWithScreens(int extra) {
    KioskProject project;
    for (int i = 0; i < extra; ++i)
        project.screens.append(KioskScreen(QStringLiteral("Screen %1").arg(i + 2)));
    return project;
}

} // namespace vistrelle::test_support
