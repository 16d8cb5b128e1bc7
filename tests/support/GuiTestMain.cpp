// main() of the GL and window tests: one application object for the whole run.
#include "platform/Application.h"
#include "support/GLTestContext.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    kluvian::test::UseCompatibilityProfile();
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    return RUN_ALL_TESTS();
}
