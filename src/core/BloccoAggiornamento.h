#pragma once
#include <filesystem>

namespace sirvela {

inline constexpr const char* kAggiornamentoInCorso = "Un altro aggiornamento è in corso.";
// The file in the program folder whose lock stands for the whole folder.
inline constexpr const char* kFileBlocco = "sirvela.lock";

// One change at a time of the data a program folder shares (a download, a write of the
// archive), whichever program window or command line makes it: the lock is taken without
// waiting and held while the object lives. A folder where the lock file cannot be made is not
// held by anyone else, so the change goes on and meets the folder's own error.
class TBloccoAggiornamento {
  public:
    explicit TBloccoAggiornamento(const std::filesystem::path& cartella);
    ~TBloccoAggiornamento();
    TBloccoAggiornamento(const TBloccoAggiornamento&) = delete;
    TBloccoAggiornamento& operator=(const TBloccoAggiornamento&) = delete;

    // Another change of the same folder is under way.
    bool Occupato() const { return occupato_; }

  private:
    int file_ = -1;
    bool occupato_ = false;
};

}  // namespace sirvela
