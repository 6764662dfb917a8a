#pragma once

#include "app/dbconnection.h"
#include "output/mailmessage.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

struct AdminSettings;

// One row of the cash book (`caixa`) as the maintenance window shows and edits it.
struct CashBookRow {
    int controle = 0; // 0: not stored yet
    QString codigoNota;
    QVariant codigoCliente; // float column, often null on manual rows
    QString descricao;
    QDate data;
    double credito = 0;
    double debito = 0;
    double valor = 0;
    double troco = 0;
    QString opcao;
    QString tipo;
    QString tp;
    QString condicao;
    QString especie;
    QString hora;
    QString es;
    QString usuario;

    bool operator==(const CashBookRow&) const = default;
};

// The values of the detail group as the user left them. Amounts are the texts typed; a text
// still equal to the stored amount as shown keeps the stored amount to the last decimal.
struct CashBookInput {
    QString descricao;
    QDate data; // null: left empty
    QString credito;
    QString debito;
    QString troco;
    QString tipo;
    QString opcao;
    QString especie;
    QString hora;
    bool tipoChosen = false;  // the user picked a Tipo: es and Condicao follow it
    bool opcaoChosen = false; // the user picked an Opção: Tp becomes "1"
};

// A refused save: the message and the control the user has to fix.
struct CashBookRefusal {
    enum class Field { Descricao, Data, Tipo, Credito, Debito, Troco, Especie, Hora };
    Field field;
    QString message;
};

// The statement the list shows; kept so that a refresh runs it again.
struct CashBookQuery {
    QString name;
    QString sql;
    Binds binds;
};

// Reads and writes the cash book for the maintenance window.
class CashBook {
public:
    enum class Search { Nota, Descricao };

    static const QString SqlPeriodoOnShow;
    static const QString SqlPeriodoOnButton;
    static const QString SqlLocalizarNota;
    static const QString SqlLocalizarDescricao;
    static const QString SqlRow;
    static const QString SqlRowForUpdate;
    static const QString SqlInsert;
    static const QString SqlUpdate;
    static const QString SqlDelete;

    explicit CashBook(DbConnection& db);

    // The rows dated within [dti, dtf]: on opening the window and on "Data Emissão".
    static CashBookQuery periodOnShow(const QDate& dti, const QDate& dtf);
    static CashBookQuery periodOnButton(const QDate& dti, const QDate& dtf);
    // The message when the text cannot be searched; nothing when it can.
    static std::optional<QString> checkSearch(Search search, const QString& text);
    // Rows whose number or description starts with the trimmed text, taken literally.
    static CashBookQuery search(Search search, const QString& text);

    QList<CashBookRow> rows(const CashBookQuery& query);
    std::optional<CashBookRow> find(int controle);

    static std::optional<CashBookRefusal> validate(const CashBookInput& input, const CashBookRow& base);
    // The row as it will be written: the typed values over `base`, with the values the cash
    // book always sets (Usuario, valor, troco of the change fund, es/Condicao, Tp).
    static CashBookRow compose(const CashBookInput& input, const CashBookRow& base);
    // Inserts (base.controle == 0) or updates the row in one transaction and returns it as
    // stored; nothing when the row was deleted meanwhile. Call validate first.
    std::optional<CashBookRow> store(const CashBookInput& input, const CashBookRow& base);
    // Deletes the row and returns its values as they were stored; nothing when it was gone.
    std::optional<CashBookRow> remove(int controle);

private:
    DbConnection& m_db;
};

namespace cashbook {

inline constexpr auto Credito = "CREDITO";
inline constexpr auto Debito = "DEBITO";
inline constexpr auto AdTroco = "AD.TROCO";

// Change and deletion notices go out when mails and cash-book notices are on and there is
// a first recipient.
bool noticeEnabled(const AdminSettings& settings);
// Items of the body of both notices, built from `row`.
QStringList noticeBody(const QString& storeName, const CashBookRow& row, const QString& user, const QDateTime& now);
MailMessage changeNotice(const AdminSettings& settings, const QString& storeName, const CashBookRow& row,
                         const QString& user, const QDateTime& now);
MailMessage deletionNotice(const AdminSettings& settings, const QString& storeName, const CashBookRow& row,
                           const QString& user, const QDateTime& now);

} // namespace cashbook
