#include <string>
#include <vector>

#include "download/Sostituzione.h"

// Replaces the program by the update it staged, once it has ended, and starts it again.
int main(int argc, char** argv) {
    return sirvela::EseguiAggiornatore(std::vector<std::string>(argv + 1, argv + argc));
}
