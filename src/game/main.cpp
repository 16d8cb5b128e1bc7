#include "platform/Application.h"

int main(int argc, char** argv) {
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    return 0;
}
