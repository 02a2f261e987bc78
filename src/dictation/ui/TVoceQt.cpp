#include "dictation/ui/TVoceQt.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace sirvela {

TVoceQt::TVoceQt(QObject* parent) : QObject(parent) {}

TVoceQt::~TVoceQt() {
    Ferma();
}

bool TVoceQt::Apri(const std::filesystem::path& percorso) {
    if (!file_.Carica(percorso)) return false;
    formato_.setSampleRate(file_.Frequenza());
    formato_.setChannelCount(file_.Canali());
    formato_.setSampleFormat(file_.BitPerCampione() == 8 ? QAudioFormat::UInt8
                                                         : QAudioFormat::Int16);
    delete uscita_;
    uscita_ = nullptr;
    return true;
}

void TVoceQt::Suona(int inizioMs, int fineMs) {
    Ferma();
    const auto parte = file_.Intervallo(inizioMs, fineMs);
    if (parte.empty()) return;
    buffer_.setData(reinterpret_cast<const char*>(parte.data()),
                    static_cast<qsizetype>(parte.size()));
    buffer_.open(QIODevice::ReadOnly);
    if (!uscita_) {
        const QAudioDevice scheda = QMediaDevices::defaultAudioOutput();
        // Without a sound card the reading goes on in silence.
        if (scheda.isNull()) return;
        uscita_ = new QAudioSink(scheda, formato_, this);
    }
    uscita_->start(&buffer_);
}

void TVoceQt::Ferma() {
    if (uscita_) uscita_->stop();
    buffer_.close();
}

}  // namespace sirvela
