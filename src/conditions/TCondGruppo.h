#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "conditions/TCondizione.h"

namespace sirvela {

class TDatiSistema;

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
    // Members that are not in play (Attivo false) are never tested.
    bool PuoRegistrare() const override;

    // Nesting a damaged file could ask for beyond any real use; deeper member lists fail to
    // load.
    static constexpr int kProfonditaMassima = 200;

  protected:
    // The member list's place in the record: members of kind `tipo` (0 = any kind a Quadro
    // may hold), at most `limite` of them.
    void RegistraMembri(std::uint8_t tipo, int limite) {
        RegistraCampo("Membri", TCampoMembri{&Membri, tipo, limite});
    }
    // Recomputes the members with their switch ANDed with the container's; true when one of
    // them came out active.
    bool AggiornaMembri();
};

// Whether a member list holding kind `tipoMembri` (0 = any kind a Quadro may hold) takes a
// member with this code: every code the factory makes may sit in a Quadro.
bool MembroAmmesso(std::uint8_t tipoMembri, int tipo);

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
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
};

}  // namespace sirvela
