#pragma once
#include <QAudioFormat>
#include <QBuffer>
#include <QObject>
#include <filesystem>

#include "dictation/Dettatura.h"
#include "dictation/FileWav.h"

class QAudioSink;

namespace sirvela {

// The dictation's voice on the sound card: the wave file read once into memory, each number
// played from its own range of it.
class TVoceQt : public QObject, public IVoceDettatura {
    Q_OBJECT
  public:
    explicit TVoceQt(QObject* parent = nullptr);
    ~TVoceQt() override;

    // False when the file is missing or not a PCM wave file of 8 or 16 bits.
    bool Apri(const std::filesystem::path& percorso);
    void Suona(int inizioMs, int fineMs) override;
    void Ferma() override;

  private:
    TFileWav file_;
    QAudioFormat formato_;
    QBuffer buffer_;
    QAudioSink* uscita_ = nullptr;
};

}  // namespace sirvela
