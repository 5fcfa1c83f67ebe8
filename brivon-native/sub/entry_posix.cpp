// brivon-sub on the host: the engine reads the process's own arguments.
#include "sub/subprocess.h"

int main(int argc, char* argv[]) { return brivon::sub::RunSubprocess(CefMainArgs(argc, argv)); }
