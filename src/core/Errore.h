#pragma once
#include <stdexcept>
#include <string>

namespace sirvela {

// An error that carries the Italian text the user is shown.
class TErroreSirvela : public std::runtime_error {
  public:
    explicit TErroreSirvela(const std::string& messaggio) : std::runtime_error(messaggio) {}
};

// A text field that is not a number where one is required.
class TErroreConversione : public TErroreSirvela {
  public:
    explicit TErroreConversione(const std::string& messaggio) : TErroreSirvela(messaggio) {}
};

}  // namespace sirvela
