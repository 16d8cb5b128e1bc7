// SPDX-License-Identifier: GPL-3.0-or-later
// main() of build/kluvian-bench. GL benchmarks need an application object and a display.
#include "platform/Application.h"

#include <QSurfaceFormat>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    kluvian::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
