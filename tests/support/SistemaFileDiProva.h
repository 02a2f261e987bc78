#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/SistemaFile.h"

namespace sirvela::test {

// The real file calls, each one written down ("SincronizzaFile x.bin.ab12cd.tmp") and any of
// them made to fail with an error number, as a full or failing disk would.
class TSistemaFileDiProva : public ISistemaFile {
  public:
    std::vector<std::string> Chiamate;
    // Call name -> error it returns instead of doing its work.
    std::map<std::string, int> Guasti;

    int CreaNuovo(const std::filesystem::path& p, int& file) override {
        file = -1;
        return Esegui("CreaNuovo", p, [&] { return reale_.CreaNuovo(p, file); });
    }
    int ApriInLettura(const std::filesystem::path& p, int& file) override {
        file = -1;
        return Esegui("ApriInLettura", p, [&] { return reale_.ApriInLettura(p, file); });
    }
    int Scrivi(int file, const void* dati, std::size_t n) override {
        return Esegui("Scrivi", {}, [&] { return reale_.Scrivi(file, dati, n); });
    }
    int SincronizzaFile(int file) override {
        return Esegui("SincronizzaFile", {}, [&] { return reale_.SincronizzaFile(file); });
    }
    int Chiudi(int file) override {
        // A descriptor is closed even when the call reports a failure.
        const int r = reale_.Chiudi(file);
        return Esegui("Chiudi", {}, [&] { return r; });
    }
    int Rinomina(const std::filesystem::path& da, const std::filesystem::path& a) override {
        return Esegui("Rinomina", a, [&] { return reale_.Rinomina(da, a); });
    }
    int SincronizzaCartella(const std::filesystem::path& c) override {
        return Esegui("SincronizzaCartella", c, [&] { return reale_.SincronizzaCartella(c); });
    }
    int Collega(const std::filesystem::path& esistente,
                const std::filesystem::path& nuovo) override {
        return Esegui("Collega", esistente, [&] { return reale_.Collega(esistente, nuovo); });
    }
    int Elimina(const std::filesystem::path& p) override {
        return Esegui("Elimina", p, [&] { return reale_.Elimina(p); });
    }

  private:
    template <typename F>
    int Esegui(const std::string& nome, const std::filesystem::path& p, F&& reale) {
        Chiamate.push_back(p.empty() ? nome : nome + " " + p.filename().string());
        const auto guasto = Guasti.find(nome);
        return guasto != Guasti.end() ? guasto->second : reale();
    }

    ISistemaFile& reale_ = SistemaFileReale();
};

}  // namespace sirvela::test
