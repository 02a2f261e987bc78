#pragma once
#include <QDialog>
#include <QTextBrowser>
#include <utility>
#include <vector>

namespace sirvela {

// The help: one Italian page per topic, built into the program as aiuto/<topic>.html. The
// contents page lists every topic by its title, so a new topic needs only its file.
class TFormAiuto : public QDialog {
    Q_OBJECT
  public:
    explicit TFormAiuto(QWidget* parent = nullptr);
    // Shows the topic; an empty or unknown topic shows the contents.
    void MostraArgomento(const QString& argomento);
    void MostraSommario();
    QTextBrowser* Testo() const { return testo_; }

    // Every topic (file name without ".html") with its title, ordered by title; the contents
    // page itself is not among them.
    static std::vector<std::pair<QString, QString>> Argomenti();

  private:
    QTextBrowser* testo_;
};

// Opens the help at a window's own topic, modally over `genitore`.
void MostraAiuto(QWidget* genitore, const QString& argomento);

// The "About" window.
class TFormInformazioni : public QDialog {
    Q_OBJECT
  public:
    explicit TFormInformazioni(QWidget* parent = nullptr);
};

}  // namespace sirvela
