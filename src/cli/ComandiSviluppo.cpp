#include "cli/ContestoCli.h"

namespace sirvela {

void RegistraSviluppo(CLI::App&, TContestoCli&) {}

}  // namespace sirvela
