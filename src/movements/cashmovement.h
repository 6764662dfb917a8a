#pragma once

#include "employee.h"
#include "entrydating.h"

#include "output/mailmessage.h"

#include <QString>

#include <optional>

class TDM;

// Cash taken out of or put into the drawer during a session: a row in the cash book `caixa`,
// one in the movement register `sangriareforco` and, for money that goes to the safe, one on
// the safe account in `contacorrente`, all in one transaction. Each kind is a subclass below.
class CashMovement {
public:
    // Values as the user typed them.
    struct Input {
        QString reason;
        QString amount;
    };
    enum class Field { Reason, Amount };
    struct Refusal {
        QString message;
        Field field;
    };
    struct Stored {
        int controle = 0; // caixa.Controle of the new row
        EntryDate date;
        QString descricao;
        double valor = 0.0;
        Employee employee;
    };

    virtual ~CashMovement() = default;

    // The reason is trimmed, required and fits caixa.Descricao; the amount is above zero with
    // at most two decimals. The message names the field, or nothing when all is right.
    std::optional<Refusal> validate(const Input& input) const;

    // Stores the movement for the logged user, dated by the entry dating rule. Throws
    // MovementRefused (invalid input, user who is no active employee: nothing written) or
    // DbError (nothing written).
    Stored store(const Input& input);

    // Whether the settings ask for the notice, and the notice of a stored movement.
    bool noticeWanted() const;
    MailMessage notice(const Stored& stored) const;

    // "a sangria", "o reforço", "a despesa": for messages.
    QString name() const { return m_traits.name; }

    static constexpr int MaxReasonLength = 50; // caixa.Descricao, contacorrente.fornecedor

protected:
    // What tells the kinds apart.
    struct Traits {
        QString name;
        QString reasonLabel; // "Motivo da Sangria"
        QString amountLabel; // "Valor da Sangria"
        bool entry = false;  // credit in caixa (es "E") or debit (es "S")
        QString condicao;
        QString especie;
        QString registerTipo;    // sangriareforco.tipo
        QString registerEspecie; // sangriareforco.especie
        QString tiposaida;       // contacorrente.tiposaida; empty: no safe-account row
        // Notice
        QString subject; // also the sender name
        QString headingWord;
        QString dateLabel, timeLabel, reasonNoticeLabel, amountNoticeLabel;
        QString reasonColour;
    };

    CashMovement(TDM& dm, Traits traits);

private:
    TDM& m_dm;
    Traits m_traits;
};

// Withdrawal: cash from the drawer to the safe.
class Sangria final : public CashMovement {
public:
    explicit Sangria(TDM& dm);
};

// Reinforcement: cash put into the drawer.
class Reforco final : public CashMovement {
public:
    explicit Reforco(TDM& dm);
};

// Expense paid in cash from the drawer.
class SaidaDespesa final : public CashMovement {
public:
    explicit SaidaDespesa(TDM& dm);
};
