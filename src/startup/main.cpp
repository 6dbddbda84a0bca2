#include "startup/program_main.h"

int main(int argc, char *argv[]) {
    return qm::Main(argc, argv);
}
