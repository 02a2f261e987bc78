#include "core/BloccoAggiornamento.h"

#include <cerrno>

#include "core/SistemaFile.h"

namespace sirvela {

TBloccoAggiornamento::TBloccoAggiornamento(const std::filesystem::path& cartella) {
    occupato_ = BloccaFile(cartella / kFileBlocco, file_) == EWOULDBLOCK;
}

TBloccoAggiornamento::~TBloccoAggiornamento() {
    RilasciaFile(file_);
}

}  // namespace sirvela
