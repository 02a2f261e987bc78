#pragma once
#include <QDialog>
#include <QTextBrowser>

namespace sirvela {

// The help: an Italian page shown from the program's resources, opened at a topic.
class TFormAiuto : public QDialog {
    Q_OBJECT
  public:
    explicit TFormAiuto(QWidget* parent = nullptr);
    // Shows the topic: its own page when there is one, else an anchor of the main page; an
    // empty topic is the contents.
    void MostraArgomento(const QString& argomento);
    QTextBrowser* Testo() const { return testo_; }

  private:
    QTextBrowser* testo_;
};

// Opens the help at a topic, modally.
void MostraAiuto(QWidget* parent, const QString& argomento);

// The "About" window.
class TFormInformazioni : public QDialog {
    Q_OBJECT
  public:
    explicit TFormInformazioni(QWidget* parent = nullptr);
};

}  // namespace sirvela
