#pragma once

#include "employee.h"

#include "output/mailmessage.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <variant>

class TDM;

// A row of turno.
struct Turno {
    int controle = 0;
    QString descricao;
    QString horaabertura;
    QString horafechamento;
    bool operator==(const Turno&) const = default;
};

// Opening of the cash register for a shift: the session row in abrefechacaixa, a numbering
// row in numerocaixaLoja (store database) and the change-fund entry "TROCO" in caixa.
class AberturaCaixa {
public:
    explicit AberturaCaixa(TDM& dm);

    // Every shift by controle, as the Turno lookup lists them at first.
    QList<Turno> turnos();
    // Names of the active employees, for the Operador lookup.
    QStringList operadores();

    // What "Abrir o Caixa" finds for the current time.
    struct ShiftCheck {
        QList<Turno> shifts;                 // the Turno lookup lists only these from now on
        int turno = 0;                       // shift the sessions were looked up for (0: none)
        std::optional<QString> turnoEmVigor; // description for Edit3; nullopt leaves it as it is
        bool openToday = false;              // "O Caixa não foi Fechado  !!!": the window closes
        bool openOtherDay = false;           // saving is not offered
        bool closedToday = false;            // "Caixa já foi Aberto Nesta Data  !!!" only
        QString hora;                        // Edit1
        QString data;                        // Edit2
    };
    // The reference shift is the one picked in the Turno lookup, else the first shift.
    // Throws MovementRefused when there is no shift or a shift's times are not times.
    ShiftCheck checkShift(const std::optional<Turno>& picked);

    // Amount typed on the keypad ("12,5"); the message when it is no amount.
    static std::variant<double, QString> keypadAmount(const QString& text);

    struct Input {
        double troco = 0.0;
        QString operador;           // text of the Operador lookup
        std::optional<Turno> turno; // shift picked in the Turno lookup
        QString turnoEmVigor;       // Edit3
    };
    enum class Field { Troco, Operador, Turno, TurnoEmVigor };
    struct Refusal {
        QString message;
        Field field;
    };
    std::optional<Refusal> validate(const Input& input) const;

    struct Stored {
        int controle = 0; // abrefechacaixa.Controle
        int numero = 0;   // numerocaixaLoja.id, the change-fund row's CodigoNota
        QDate data;
        QTime hora;
        double troco = 0.0;
        QString usuarioCaixa;
        Turno turno;
        Employee employee;
    };
    // Stores the three rows. Throws MovementRefused (nothing written: invalid input, operator
    // who is no active employee), ShiftStillOpen (a session of the shift was opened meanwhile)
    // or DbError (nothing written, unless the message says the confirmation was lost).
    Stored store(const Input& input);

    bool noticeWanted() const;
    MailMessage notice(const Stored& stored) const;

    static const QString MsgNaoFechado;
    static const QString MsgJaAberto;

private:
    void removeNumber(int numero);

    TDM& m_dm;
};
