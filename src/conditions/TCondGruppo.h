#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "conditions/TCondizione.h"

namespace sirvela {

class TDatiSistema;
class TLettore;
class TScrittore;

// A condition that owns a list of member conditions, in the order the user made them: the
// containers of one kind and the Quadro.
class TCondContenitore : public TCondizione {
  public:
    TCondContenitore(TDatiSistema* proprietario, std::uint8_t tipo, std::string nome);

    std::vector<std::unique_ptr<TCondizione>> Membri;

    int QuantiMembri() const { return static_cast<int>(Membri.size()); }
    TCondizione* Membro(int indice) const;  // 0-based, null outside

    // Members go on with the container's path and their 1-based place ("001").
    void ImpostaPercorso(const std::string& prefisso) override;
    void RaccogliLink(char lettera, TEsameTraLink& esame) override;
    void RaccogliGruppoTra(int gruppo, TEsameTraLink& esame) override;
    void AzzeraStatistiche() override;

  protected:
    // Each member's record, then the end byte.
    bool SalvaMembri(TScrittore& s) const;
    // Empties the list, then reads members until the end byte. A code the container does not
    // hold, or a member beyond `limite`, is a read failure; members read so far are kept.
    bool CaricaMembri(TLettore& l, const std::function<bool(int)>& ammesso, int limite);
    // Recomputes the members with their switch ANDed with the container's; true when one of
    // them came out active.
    bool AggiornaMembri();
};

// The containers of codes 11..15: any number of members of the one kind each holds.
class TCondGruppo : public TCondContenitore {
  public:
    TCondGruppo(TDatiSistema* proprietario, std::uint8_t tipo);

    // The member kind held by a container code (0 for a code that is no container).
    static std::uint8_t TipoMembriDi(int tipoContenitore);
    std::uint8_t TipoMembri() const { return TipoMembriDi(TipoCondizione); }

    // Appends a new member of the kind held, with its defaults.
    TCondizione* AggiungiMembro();
    // Deletes the member at a 0-based place; false outside the list.
    bool EliminaMembro(int indice);

    bool Valuta(const TColonna& c) override;
    bool Salva(TScrittore& s) const override;
    bool Carica(TLettore& l) override;
    void AggiornaStato() override;
};

}  // namespace sirvela
