// main() of the GL and window tests: one application object for the whole run.
#include "platform/Application.h"
#include "render/SurfaceFormat.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    kluvian::UseGameSurfaceFormat(); // the game's compatibility-profile context
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    return RUN_ALL_TESTS();
}
