// Writes the factory macro files into a data directory: make_factory_data <repo>/data
#include <iostream>

#include "factory_macros.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_factory_data DATA_DIR\n";
    return 64;
  }
  if (!devero::factory::WriteFactoryData(argv[1])) {
    std::cerr << "make_factory_data: could not write every file below " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
