// cxcmap: the host program of the coupling map module (see `cxcmap --help`).
#include <iostream>

#include "commandline.h"

int main(int argc, char** argv) { return cxc::app::runCommandLine(argc, argv, std::cout, std::cerr); }
