#pragma once

#include "SoakSupport.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace soak {

// main() of a case that drives screens: offscreen unless a platform is
// given, its size from the first argument, a failure that keeps it from
// running reported as exit 2.
template <typename Soak>
int RunScreenSoak(int argc, char **argv, const char *name, int defaultSize)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        Soak soak(SizeArgument(argc, argv, 1, defaultSize));
        return soak.run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return 2;
    }
}

} // namespace soak
