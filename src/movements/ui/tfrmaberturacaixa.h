#pragma once

#include "movements/aberturacaixa.h"

#include <QDialog>

#include <memory>
#include <optional>

class TDM;

namespace Ui {
class TFrmAberturaCaixa;
}

// Opening of the cash register for a shift ("&Abrir o Caixa"): the change fund is typed on
// an on-screen keypad.
class TFrmAberturaCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAberturaCaixa(TDM& dm, QWidget* parent = nullptr);
    ~TFrmAberturaCaixa() override;

    // Whether this window has stored its opening (it never stores a second one).
    bool isStored() const { return m_stored; }
    // The change fund confirmed with "Entrer".
    double troco() const { return m_troco; }

private Q_SLOTS:
    void Shape1Click();
    void Panel3Click();
    void Panel4Click();
    void Panel5Click();
    void Shape2Click();
    void Shape3Click();
    void Shape4Click();
    void Shape5Click();
    void Shape6Click();
    void Shape7Click();
    void Shape8Click();
    void Shape9Click();
    void Shape10Click();
    void Shape12Click();
    void Shape13Click();
    void Shape11Click();
    void Label17Click();
    void Shape14Click();

private:
    void FormCreate();
    void appendKey(const QString& key);
    void setTroco(double value);
    void fillTurnos(const QList<Turno>& turnos, const std::optional<Turno>& keep);
    std::optional<Turno> pickedTurno() const;

    std::unique_ptr<Ui::TFrmAberturaCaixa> ui;
    TDM& m_dm;
    AberturaCaixa m_abertura;
    QList<Turno> m_turnos; // what LookupEdit1 lists, in its order
    double m_troco = 0.0;
    bool m_stored = false;
};
