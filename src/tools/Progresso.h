#pragma once

namespace sirvela {

// What the column tools tell their window while they run: the progress bar and the counter
// of the files converted. The window repaints; the engine never waits on it.
class IProgressoStrumenti {
  public:
    virtual ~IProgressoStrumenti() = default;
    virtual void Avanzamento(int /*percento*/) {}
    virtual void FileCreati(int /*quanti*/) {}
};

}  // namespace sirvela
