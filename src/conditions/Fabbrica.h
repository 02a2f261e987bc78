#pragma once
#include <memory>

namespace sirvela {

class TCondizione;
class TDatiSistema;

// A new condition of the kind with this type code; codes 0, 19..33 and above 38 give none.
std::unique_ptr<TCondizione> CreaCondizione(int tipo, TDatiSistema* proprietario);

}  // namespace sirvela
